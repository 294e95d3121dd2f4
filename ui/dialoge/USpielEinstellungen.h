// The game settings dialog: players, timings, extras, difficulty, rounds and the level list.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "ui/programm/UFenster.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;
class QTreeWidget;
class TProgrammDaten;

class TFrm_Spieleinstellungen : public QDialog {
    Q_OBJECT
  public:
    TFrm_Spieleinstellungen(TProgrammDaten& p, TFenster& fenster);

    void DialogLaden();
    // Reads a level's general file and lists the level; false when it could not be read.
    bool LevelEinlesen(const std::string& pfad);
    void AddLevel();
    void SB_LoeschenClick();
    void BildAuswahl(QToolButton* sender);
    void SteuerungEinstellen();
    void Btn_BilderordnerClick();
    void LevellisteUebernehmen();
    void DateiSpeichern();
    void DateiLaden();
    void Btn_OKClick();
    void AbbrechenClick();

    // Cancel, Esc and the title bar all end here: abandoned edits must not reach the match.
    void reject() override;

    QLineEdit *Ed_Namen1, *Ed_Namen2;
    QCheckBox *CB_Computer1, *CB_Computer2, *CB_LevelZufall;
    // Which computer: "klassisch" or "stark" (a preference, not part of the settings file).
    QComboBox *CB_ComputerArt1, *CB_ComputerArt2;
    QSpinBox *SE_PlatzExplo, *SE_Explo, *SE_WasserGeschwindigkeit, *SE_Spielergeschwindigkeit,
        *SE_ExtraProzent, *SE_Unverwundbarkeit, *SE_Schwierigkeit, *SE_Rundenanzahl;
    QTreeWidget* LV_Level;
    // Players 1 and 2, then Werfen, Mehr Bomben, Unverwundbar, Krankheit.
    std::array<QToolButton*, 6> SB_Bilder{};
    std::array<QLabel*, 6> Im_Bilder{};

  private:
    QWidget* BildKnopf(int nr, const char* knopf, const char* bild);
    std::string& BildPfad(struct TSpielRecEinstellungen& e, int nr);
    void BildZeigen(int nr, const std::string& pfad, bool* ausDatei = nullptr);
    void LevelAnzahlSetzen();
    void FeldAendern(QSpinBox* feld);

    TProgrammDaten& p_;
    TFenster& fenster_;
};
