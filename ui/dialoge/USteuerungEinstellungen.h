// The controls dialog: each player's six keys, shown by their names and kept free of conflicts.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "pad/UPadBelegung.h"
#include "ui/programm/UFenster.h"

class QComboBox;
class QPushButton;
class TProgrammDaten;

// Up, down, left, right, bomb, throw.
using TTastenbelegung = std::array<std::uint16_t, 6>;

TTastenbelegung Standardtasten(int spieler);

class TFrm_Steuerung : public QDialog {
    Q_OBJECT
  public:
    TFrm_Steuerung(TProgrammDaten& p, TFenster& fenster);

    // Before showing: both copies take these keys, and the buttons show them.
    void Einrichten(const TTastenbelegung& spieler1, const TTastenbelegung& spieler2);
    // After OK: the keys to take over.
    const TTastenbelegung& Ergebnis(int spieler) const { return ergebnis_[spieler == 1 ? 0 : 1]; }
    const TTastenbelegung& Arbeitstasten(int spieler) const {
        return arbeit_[spieler == 1 ? 0 : 1];
    }

    void Anzeigeaufruf();
    void Tastenauswahl(int slot);
    void ButtonReset();
    void Btn_OKClick();

    QComboBox* CB_Spieler;
    // Btn_BewegOben, Btn_BewegUnten, Btn_BewegLinks, Btn_BewegRechts, Btn_Legen, Btn_Werfen.
    std::array<QPushButton*, 6> Knoepfe{};

  private:
    // The player the combo names: 1, 2, or 0 for any other text.
    int GezeigterSpieler() const;
    // A button's caption: the slot's pad input when it has one, else its key.
    QString Knopftext(int spieler, int slot) const;
    // A pad input captured for a slot: refused when it stands for another slot.
    void PadWahl(int slot, const TPadEingabe& e);

    TProgrammDaten& p_;
    TFenster& fenster_;
    std::array<TTastenbelegung, 2> arbeit_{};
    std::array<TTastenbelegung, 2> ergebnis_{};
    // The pad bindings being edited; OK keeps them as the player's preference.
    TPadBelegung arbeitPads_;
};
