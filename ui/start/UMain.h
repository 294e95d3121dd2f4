// The main menu, and the program start that owns every window.
#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "ui/programm/UFenster.h"

class QAction;
class QMenuBar;
class TTitelBild;
class QToolButton;
class TProgrammDaten;

// A plain window with the menu bar in its layout: it looks as a QMainWindow would, but start-up
// does not page in the dock and tool bar code that this window never uses.
class TFrm_Main : public QWidget {
    Q_OBJECT
  public:
    TFrm_Main(TProgrammDaten& p, TFenster& fenster);

    void EditorStarten();
    void EditorEinstellungen();
    void Spielstarten();
    void Spieleinstellungen();
    void Open_Highscore();
    void Btn_InfoClick();
    void Beenden();
    void Open_Homepage();
    // "Ton" and "Lautstärke...": applied at once and kept for the next start.
    void TonUmschalten();
    void LautstaerkeEinstellen();
    // "Wiederholung öffnen...": a recording chosen in a file dialog, or the one named.
    void WiederholungOeffnen();
    void WiederholungAnsehen(const std::string& datei);
    // "Netzwerkspiel eröffnen..." / "Netzwerkspiel beitreten..." and the button: the dialog,
    // then the match window with the match it began.
    void Netzwerkspiel(bool eroeffnen);

    // Both "Spiel starten" commands change together.
    void SpielStartenAktivieren(bool an);

    QMenuBar* MM_Main;
    QWidget* Pn_Main;  // everything below the menu bar
    TTitelBild* Im_Main;
    QToolButton *SB_EditorStarten, *SB_EditorEinstellungen, *SB_SpielStarten,
        *SB_SpielEinstellungen, *SB_Netzwerk, *SB_Highscore, *SB_Beenden;
    QAction *A_Ton, *A_Lautstaerke, *A_Wiederholung;
    QAction *A_NetzEroeffnen, *A_NetzBeitreten;
    QAction *Btn_Beenden, *Btn_Spielstarten, *Btn_Spieleinstellungen, *Btn_Editorstarten,
        *Btn_Editoreinstellungen, *Highscore, *Btn_Homepage, *Btn_Info;

  protected:
    // A button's mnemonic wins over the menu bar's where both use the same letter ("&Spiel" and
    // "Spiel &starten"), as on the platform the game comes from.
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    QToolButton* KnopfMitKuerzel(int taste) const;

    TProgrammDaten& p_;
    TFenster& fenster_;
};

// Creates the main window, runs the start-up part of the other windows, builds them on first use
// and owns them.
class TProgramm {
  public:
    explicit TProgramm(TProgrammDaten& p);
    TProgramm(const TProgramm&) = delete;
    TProgramm& operator=(const TProgramm&) = delete;
    ~TProgramm();
    TFenster Fenster;

  private:
    struct TBesitz;
    std::unique_ptr<TBesitz> besitz_;
};
