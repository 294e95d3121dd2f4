// The game settings dialog: players, timings, extras, difficulty, rounds and the level list.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "ui/programm/UFenster.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
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
    QCheckBox* CB_BewegteBilder;
    // Which computer: "klassisch" or "stark" (a preference, not part of the settings file).
    QComboBox *CB_ComputerArt1, *CB_ComputerArt2;
    // The storm flood: "aus" or after 1 to 10 minutes (a preference as well).
    QComboBox* CB_Sturmflut;
    QSpinBox *SE_PlatzExplo, *SE_Explo, *SE_WasserGeschwindigkeit, *SE_Spielergeschwindigkeit,
        *SE_ExtraProzent, *SE_Unverwundbarkeit, *SE_Schwierigkeit, *SE_Rundenanzahl;
    QTreeWidget* LV_Level;
    // Players 1 and 2, then Werfen, Mehr Bomben, Unverwundbar, Krankheit.
    std::array<QToolButton*, 6> SB_Bilder{};
    std::array<QLabel*, 6> Im_Bilder{};

  private:
    using TKlick = void (TFrm_Spieleinstellungen::*)();

    // The dialog's areas, top to bottom in the left column, then in the right one.
    QMenuBar* MenueLeiste();
    QGroupBox* SpielerGruppe();
    void SpielerZeile(QGridLayout* g, int s);
    QGroupBox* ZeitenGruppe();
    QGroupBox* TempoGruppe();
    QGroupBox* ExtrasGruppe();
    QGroupBox* ComputerGruppe();
    QGroupBox* LevelGruppe();
    QHBoxLayout* KnopfLeiste();

    QAction* Eintrag(QMenu* m, const QString& text, const char* name, TKlick klick);
    QPushButton* Knopf(const QString& text, const char* name, TKlick klick);
    // A spin field that writes its value into the working copy.
    QSpinBox* Feld(QSpinBox* f, const char* name, int min, int max, int schritt);
    static QGroupBox* Gruppe(const QString& titel, const char* name);

    QWidget* BildKnopf(int nr, const QString& knopf, const QString& bild);
    std::string& BildPfad(struct TSpielRecEinstellungen& e, int nr);
    void BildZeigen(int nr, const std::string& pfad, bool* ausDatei = nullptr);
    // Shows the six pictures of l; a picture that cannot be read loses its path.
    void BilderLaden(struct TSpielRecEinstellungen& l);
    void LevelAnzahlSetzen();
    // Lists the committed levels again; a level that cannot be read drops out of the dialog only.
    void LevellisteLaden();
    void FeldAendern(QSpinBox* feld);

    TProgrammDaten& p_;
    TFenster& fenster_;
};
