// The match window: the board grid and the status panel over the match engine.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

#include "match/ULevelQuelle.h"
#include "match/USimUhr.h"
#include "match/USpiel.h"
#include "match/USpielAnsicht.h"
#include "netz/UNetzSitzung.h"
#include "ui/basis/UMitwachsen.h"
#include "ui/basis/UQtMeldungen.h"
#include "ui/basis/UTaktgeber.h"
#include "ui/spiel/UEingabeQuelle.h"
#include "ui/spiel/USpielBilder.h"
#include "wiederholung/UAbspielen.h"
#include "wiederholung/UAufnahmeLevel.h"
#include "wiederholung/UMatchLauf.h"

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class TProgrammDaten;
class TSpielGitter;
class TNetzDienst;

class TFrm_Spiel : public QDialog, public ISpielAnsicht {
    Q_OBJECT
  public:
    explicit TFrm_Spiel(TProgrammDaten& p);
    ~TFrm_Spiel() override;

    // A new match on the first round's level; false when it failed (already reported). The
    // match is recorded until the window closes.
    bool MatchStarten();
    // Plays a recording in this window instead; no input reaches the players. False when its
    // first level did not load (reported).
    bool WiederholungStarten(const TAufnahme& a);
    bool ImAbspielen() const { return abspieler_ != nullptr; }
    // What a network match is played with in this window: its board, pictures and view, and
    // messages that do not stop the clock.
    TNetzUmgebung NetzUmgebung();
    // Takes over a network match whose session has begun to run; the window shows it and sends
    // the own player's inputs. Closing the window tells the other side.
    void NetzStarten(std::unique_ptr<TNetzDienst> dienst);
    TNetzDienst* Netz() { return netz_.get(); }
    // The match that runs here: the one played, the one replayed, or the network one.
    TSpiel& Spiel();
    // An input of the players or the buttons: the match is brought up to this moment first,
    // and the input is recorded with its time.
    void Eingabe(TEingabeArt art, std::uint16_t wert = 0);
    TTaktgeber& Takt() { return takt_; }
    TSimUhr& Uhr() { return uhr_; }
    // The recording of the match played in this window, as far as it has come.
    const TAufnahme& Aufnahme() const { return aufnahme_; }
    const TMatchLauf& Lauf() const { return *lauf_; }
    // Replay controls, made for the first replay: pause, speed, and "Nächste Runde" jumps.
    QPushButton *Btn_Pause = nullptr, *Btn_Tempo = nullptr;
    void PauseUmschalten();
    void TempoUmschalten();
    void Springen();
    TSpielBilder& Bilder() { return bilder_; }

    // ISpielAnsicht
    void FensterEinrichten(const TFeldDaten& geometrie) override;
    void StatusAnzeigen(const std::string& levelname, const TSpielRecEinstellungen& e) override;
    void RundeAnzeigen(std::uint8_t runde) override;
    void PunkteAnzeigen(std::uint16_t punkte1, std::uint16_t punkte2) override;
    void ExtraAnzeigen(int spieler, int extra, bool sichtbar) override;
    void RestsekundenAnzeigen(int spieler, std::uint16_t sekunden) override;
    void NaechsteRundeAktivieren(bool an) override;
    void FeldAktivieren(bool an) override;
    void FeldNeuZeichnen() override;
    void FensterZentrieren() override;
    void Klang(TKlang k) override;

    TSpielGitter* SG_Feld;
    QScrollArea* Pn_Feld;
    QGroupBox *GB_Spiel, *GB_Spieler;
    QLabel *Lb_Runde_Anzeige, *Lb_Runden_Anzeige3, *Lb_SpielName;
    std::array<QLabel*, 2> Lb_Name{}, Lb_Punkte_Anzeige{}, Lb_Unverwundbar_Anzeige{}, Im_Spieler{};
    // Per player, by the engine's extras numbers: 0 Werfen, 1 Mehr Bomben, 2 Unverwundbar,
    // 3 Krankheit.
    std::array<std::array<QLabel*, 4>, 2> Im_Extras{};
    // A small pad symbol for a player whose pad is connected.
    std::array<QLabel*, 2> Im_Pad{};
    void PadSymboleZeigen();
    QPushButton *Btn_Next, *Btn_Neustart, *Btn_Vollbild;
    QLabel* Im_Temp;
    // In a network match: the other player, the ping and the input delay, or the wait.
    QLabel* Lb_Netz;
    QAction* A_Vollbild;

    // Full screen on or off (F11, the context menu, the button by "Neustart").
    void VollbildUmschalten();
    // The player has given the window another size: kept for the rest of the match, the board
    // and the status panel fill it.
    bool EigeneGroesse() const { return eigeneGroesse_; }
    // Lays the window out for its present size.
    void Anordnen();

    // The screen area the window must fit in; tests set their own.
    std::function<QRect()> Bildschirmflaeche;

  protected:
    void closeEvent(QCloseEvent* e) override;
    // Keys that reach the window while the grid is disabled do nothing (no Esc, no default
    // button).
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    QWidget* SpielerPanel(int spieler);
    // F11 and Esc act on the window unless a player has them as a key. True when taken.
    bool FensterTaste(std::uint16_t taste);
    // The pads stop acting on this window (closed or destroyed).
    void PadsAbmelden();
    // Keeps both players in view when the board is larger than the screen allows.
    void SpielerSichtbarHalten();
    // Ends the recording (saved) or the replay.
    void Beenden();
    void AbspielKnoepfeZeigen(bool an);
    void AbspielKnoepfeAktualisieren();
    void GroesseBerechnen();
    void PadsAnmelden();
    void NetzAktualisieren();
    // Each side keeps the entries of a network match that ended, as of any other.
    void NetzHighscore();

    TProgrammDaten& p_;
    TSpielBilder bilder_;
    TSimUhr uhr_;
    TTaktgeber takt_;
    TAnhaltendeMeldungen meldungen_;
    TLevelDateiQuelle quelle_;
    TAufnehmendeQuelle aufnehmend_;
    std::unique_ptr<TSpiel> spiel_;
    std::unique_ptr<TMatchLauf> lauf_;
    TAufnahme aufnahme_;
    bool nimmtAuf_ = false;
    int tempo_ = 1;
    TAufnahme abspielAufnahme_;
    std::unique_ptr<TAbspieler> abspieler_;
    std::array<QRect, 2> letzteZelle_;
    int gefolgt_ = 0;
    TMitwachsen panel_;
    QSize berechnet_;  // the size computed for the round's level
    QSize sicht_;      // the board's view at that size
    bool eigeneGroesse_ = false;
    bool wirAendern_ = false;          // our own resize, not the player's
    bool eigeneGroesseDavor_ = false;  // before full screen or maximised
    bool zurueck_ = false;             // just back from full screen to the computed size
    bool klangVorbereiten_ = false;    // shown, the audio not yet asked to get ready
    std::unique_ptr<IEingabeQuelle> eingaben_;
    TNichtModaleMeldungen netzMeldungen_{this};
    std::unique_ptr<TNetzDienst> netz_;
    std::string mitspieler_;
    bool netzHighscore_ = false;
    bool netzGemeldet_ = false;
};
