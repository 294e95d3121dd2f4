// The status panel beside the board: the round and the level, and for each player the name,
// the points, the picture, the extras held, the invulnerability left and the pad symbol. Its
// controls keep the names the window's tests find them by.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>

#include "model/USpielRecEinstellungen.h"

class QGroupBox;
class QLabel;
class QVariantAnimation;
class QWidget;
class TSpielBilder;

// A text label at a design position; text from files is shown as it is, never as markup.
QLabel* PanelText(QWidget* eltern, const QString& text, const QString& name, int x, int y,
                  int w = 0, bool fett = false);

class TStatusPanel {
  public:
    // Both group boxes as children of 'fenster', sized as designed; the window places them.
    explicit TStatusPanel(QWidget& fenster);

    void Zeigen(const std::string& levelname, const TSpielRecEinstellungen& e,
                const TSpielBilder& bilder);
    void Runde(std::uint8_t runde);
    void Punkte(std::uint16_t punkte1, std::uint16_t punkte2);
    // With moving pictures, points gained count up to their new value.
    void Bewegt(bool an) { bewegt_ = an; }
    void Extra(int spieler, TExtra extra, bool sichtbar);
    void Restsekunden(int spieler, std::uint16_t sekunden);
    // "Sturmflut in N s" counting down, "Sturmflut!" once it runs; nothing for -1.
    void Sturmflut(int sekunden);
    // The pad symbol of each player whose pad is connected.
    void PadSymbole(std::array<bool, 2> amPad);

    QGroupBox *GB_Spiel, *GB_Spieler;
    QLabel *Lb_Runde_Anzeige, *Lb_Runden_Anzeige3, *Lb_SpielName, *Lb_Sturmflut;
    std::array<QLabel*, 2> Lb_Name{}, Lb_Punkte_Anzeige{}, Lb_Unverwundbar_Anzeige{}, Im_Spieler{};
    // Per player, by ExtraIndex.
    std::array<std::array<QLabel*, kExtraAnzahl>, 2> Im_Extras{};
    std::array<QLabel*, 2> Im_Pad{};

  private:
    QWidget* SpielerPanel(int spieler);

    bool bewegt_ = false;
    std::array<std::uint16_t, 2> punkte_{};
    std::array<QVariantAnimation*, 2> zaehlen_{};
};
