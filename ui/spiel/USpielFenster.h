// The match window: the board grid and the status panel over the match engine.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <array>
#include <functional>
#include <memory>

#include "match/USpiel.h"
#include "match/USpielAnsicht.h"
#include "netz/UNetzSitzung.h"
#include "ui/basis/UMitwachsen.h"
#include "ui/basis/UQtMeldungen.h"
#include "ui/basis/UTaktgeber.h"
#include "ui/spiel/UFensterGroesse.h"
#include "ui/spiel/UMatch.h"
#include "ui/spiel/USpielBilder.h"
#include "wiederholung/UAufnahme.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class TProgrammDaten;
class TSpielGitter;
class TAbspielLeiste;
class TStatusPanel;

class TFrm_Spiel : public QDialog, public ISpielAnsicht {
    Q_OBJECT
  public:
    explicit TFrm_Spiel(TProgrammDaten& p);
    ~TFrm_Spiel() override;

    // Shows this match from now on; the one shown before is let go. False when the match could
    // not start (reported): the window then shows none.
    bool Zeigen(std::unique_ptr<IMatch> match);
    // The players at this machine: a new match on the first round's level, recorded until the
    // window closes. False when it failed (already reported).
    bool MatchStarten();
    // Plays a recording in this window instead; no input reaches the players. False when its
    // first level did not load (reported).
    bool WiederholungStarten(const TAufnahme& a);
    IMatch& Match() { return *match_; }
    TSpiel& Spiel() { return match_->Spiel(); }

    // What the matches shown here play with.
    TProgrammDaten& Daten() { return p_; }
    TTaktgeber& Takt() { return takt_; }
    // Messages that stop the match's clock while they are open.
    IMeldungen& AnhaltendeMeldungen() { return meldungen_; }
    // Messages that leave the match running; gone when the next round begins.
    TNichtModaleMeldungen& NebenMeldungen() { return nebenMeldungen_; }
    // What a network match is played with in this window: its board, pictures and view, and
    // messages that do not stop the clock.
    TNetzUmgebung NetzUmgebung();
    // The replay's pause and speed buttons, made the first time they are asked for.
    TAbspielLeiste& AbspielLeiste();
    TSpielBilder& Bilder() { return bilder_; }
    // The match time the moving pictures are drawn at: the clock's while it runs, from then on
    // (a network match, a replay at its end) the time passing.
    std::uint64_t Bildzeit();

    // ISpielAnsicht
    void FensterEinrichten(const TFeldDaten& geometrie) override;
    void StatusAnzeigen(const std::string& levelname, const TSpielRecEinstellungen& e) override;
    void RundeAnzeigen(std::uint8_t runde) override;
    void PunkteAnzeigen(std::uint16_t punkte1, std::uint16_t punkte2) override;
    void ExtraAnzeigen(int spieler, TExtra extra, bool sichtbar) override;
    void RestsekundenAnzeigen(int spieler, std::uint16_t sekunden) override;
    void NaechsteRundeAktivieren(bool an) override;
    void FeldAktivieren(bool an) override;
    void FeldNeuZeichnen() override;
    void FensterZentrieren() override;
    void Klang(TKlang k) override;
    void SturmflutAnzeigen(int sekunden) override;

    TSpielGitter* SG_Feld;
    QScrollArea* Pn_Feld;
    std::unique_ptr<TStatusPanel> Panel;
    void PadSymboleZeigen();
    QPushButton *Btn_Next, *Btn_Neustart, *Btn_Vollbild;
    QLabel* Im_Temp;
    // In a network match: the other player, the ping and the input delay, or the wait; the last
    // chat lines and the line to type.
    QLabel *Lb_Netz, *Lb_Chat;
    QLineEdit* Ed_Chat;
    // Shows or hides them (the window grows for the chat).
    void NetzZeilen(bool an);
    QAction* A_Vollbild;

    // Full screen on or off (F11, the context menu, the button by "Neustart").
    void VollbildUmschalten();
    // The player has given the window another size: kept for the rest of the match, the board
    // and the status panel fill it.
    bool EigeneGroesse() const { return groesse_.Eigene(); }
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
    // F11 and Esc act on the window unless a player has them as a key. True when taken.
    bool FensterTaste(std::uint16_t taste);
    // The pads stop acting on this window (closed or destroyed).
    void PadsAbmelden();
    // Keeps both players in view when the board is larger than the screen allows.
    void SpielerSichtbarHalten();
    // Lets the match go; an idle one of the players at this machine stands in for it.
    void Beenden();
    void PadsAnmelden();

    TProgrammDaten& p_;
    TSpielBilder bilder_;
    TTaktgeber takt_;
    TAnhaltendeMeldungen meldungen_;
    TNichtModaleMeldungen nebenMeldungen_{this};
    std::unique_ptr<IMatch> match_;
    std::unique_ptr<TAbspielLeiste> abspielLeiste_;
    std::array<QRect, 2> letzteZelle_;
    int gefolgt_ = 0;
    TMitwachsen panel_;
    TFensterGroesse groesse_{*this};
    int netzZusatz_ = 0;             // the chat's height below the panel's design
    bool klangVorbereiten_ = false;  // shown, the audio not yet asked to get ready
    QElapsedTimer bildWand_;
    std::uint64_t bildzeit_ = 0;
};
