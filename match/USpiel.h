// The match: rounds, points, the two action locks and the ten timers, without any window.
// A window, a test or the simulator drives it alike: keys and "Nächste Runde"/"Neustart" go in,
// the view and the message interface hear what changed.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "computer/UStarkerComputer.h"
#include "files/UHighscore.h"
#include "match/ULevelQuelle.h"
#include "match/USpielAnsicht.h"
#include "match/UTimer.h"
#include "match/UWasserausbreitung.h"
#include "model/UMeldungen.h"
#include "model/USpielDaten.h"

struct TSpielUmgebung {
    TSpielDaten Daten;
    ILevelQuelle& Level;
    THighscore& Highscore;
    // Where MatchEnde writes the highscore list; empty: no file is touched.
    std::string Highscorepfad;
    IMeldungen& Meldungen;
    ISpielAnsicht& Ansicht;
    ITimerFabrik& Timer;
};

// How a player died in the last round.
enum class TTodesart : std::uint8_t { Keine, EigeneBombe, GegnerBombe, Ertrunken, Sturmflut };

class TSpiel {
  public:
    explicit TSpiel(TSpielUmgebung u);
    TSpiel(const TSpiel&) = delete;
    TSpiel& operator=(const TSpiel&) = delete;

    // Match and round flow.
    bool MatchStarten();
    void NeuesMatch();
    std::string LevelWaehlen();
    bool RundeLaden();
    void RundeBeginnen();
    void RundenZustandSetzen();
    void RundeAnhalten();
    void RundenEnde(TGetroffen r);
    void MatchEnde();
    void NextRound();
    void Neustart();
    void FormClose();

    // Input.
    void SpielerTasteDrucken(std::uint16_t taste);
    // An action (slot 0..5) from another input device: taken as the key configured for it, so
    // the same lock, the computer's control and the disease's swap apply as to the keyboard.
    void SpielerAktion(int spieler, int slot);
    void TasteVerarbeiten(std::uint16_t taste, int spieler, const TSpielRecEinstellungen& e,
                          bool vomComputer);

    // Extras.
    void StatusNachAufsammeln(const TAufgesammelt& a, int spieler);

    // Timer handlers, named after their timers' events.
    void Verzoegerung(int spieler);
    void BombeTimer();
    void ExploTimer();
    void WasserTimer();
    void Unverwundbar(int spieler);
    void Krankheit(int spieler);
    void Timer_KITimer();
    void SturmflutTimer();

    bool WasserKannFliessen() { return wasser_.WasserKannFliessen(daten_.Feld); }
    TGetroffen WasserAusbreiten(bool& geaendert) {
        return wasser_.WasserAusbreiten(daten_.Feld, geaendert);
    }
    // After the board was changed from outside (tests, a level read after the round state).
    void FeldGeaendert() {
        wasser_.Zuruecksetzen();
        orte_.Vergessen();
    }

    // State, for the window and for tests.
    std::uint8_t Runde() const { return runde_; }
    bool Belegt(int spieler) const { return belegt_[Nr(spieler)]; }
    std::uint16_t Restsekunden(int spieler) const { return restsekunden_[Nr(spieler)]; }
    bool NaechsteRundeAktiv() const { return naechsteRunde_; }
    bool FeldAktiv() const { return feldAktiv_; }
    // The last round's result: 0 while it runs or when it was abandoned.
    TGetroffen LetztesErgebnis() const { return ergebnis_; }
    TTodesart Todesart(int spieler) const { return todesart_[Nr(spieler)]; }
    // What the strong computer of player p is told about the match's beats.
    TStarkLage StarkLage(int spieler) const;
    bool MatchVorbei() const { return matchVorbei_; }
    // The match end could not save the highscore list (reported already).
    bool HighscoreFehler() const { return highscoreFehler_; }

    ITimer& Timer_Bombe() { return *timerBombe_; }
    ITimer& Timer_Explo() { return *timerExplo_; }
    ITimer& Timer_Wasser() { return *timerWasser_; }
    ITimer& Timer_Unverwund(int spieler) { return *timerUnverwund_[Nr(spieler)]; }
    ITimer& Timer_Krank(int spieler) { return *timerKrank_[Nr(spieler)]; }
    ITimer& Timer_KI() { return *timerKI_; }
    ITimer& Timer_Spieler(int spieler) { return *timerSpieler_[Nr(spieler)]; }
    ITimer& Timer_Sturmflut() { return *timerSturmflut_; }
    TSpielDaten& Daten() { return daten_; }

  private:
    static std::size_t Nr(int spieler) { return spieler == 1 ? 0 : 1; }
    void AlleTimerAnhalten();
    void TimerIntervalleSetzen(const TSpielRecEinstellungen& e);
    void Meldung(const std::string& text);
    // Throws player p's bomb, if one lies next to it.
    void Werfen(int p);
    // Notes the cause of each death in g; for a bomb, 'besitzer' laid it.
    void TodNotieren(TGetroffen g, TTodesart art, int besitzer = 0);
    // Who laid the explosion burning at this index (0: none found).
    int ExplosionsBesitzer(TIndex index) const;

    TSpielDaten daten_;
    ILevelQuelle& level_;
    THighscore& highscore_;
    std::string highscorepfad_;
    IMeldungen& meldungen_;
    ISpielAnsicht& ansicht_;
    TWasserausbreitung wasser_;
    TSpielerOrte orte_;

    std::unique_ptr<ITimer> timerBombe_, timerExplo_, timerWasser_, timerKI_, timerSturmflut_;
    std::array<std::unique_ptr<ITimer>, 2> timerUnverwund_, timerKrank_, timerSpieler_;

    std::uint8_t runde_ = 1;
    std::array<bool, 2> belegt_{};
    std::array<std::uint16_t, 2> restsekunden_{};
    bool naechsteRunde_ = false;
    bool feldAktiv_ = false;
    bool rundeLaeuft_ = false;
    bool matchVorbei_ = false;
    bool highscoreFehler_ = false;
    // The keys as the round started, before the disease swapped any.
    std::array<std::array<std::uint16_t, 6>, 2> tastenAmStart_{};
    bool tastenGemerkt_ = false;
    TGetroffen ergebnis_ = 0;
    std::array<TTodesart, 2> todesart_{};
    std::array<TStarkerComputer, 2> stark_;
    // Seconds of the round so far, counted by the flood's timer.
    int sturmSekunden_ = 0;
};

// The message at the end of a round with result r (1 player 1 killed, 2 player 2, 3 both), and
// the message at the end of the match.
std::string RundenText(TGetroffen r, const TSpielRecEinstellungen& e);
std::string MatchText(const TSpielRecEinstellungen& e);

// Timer_KI's interval for a fuse and a difficulty; 0 when the difficulty is out of range (the
// timer then keeps its interval).
std::uint32_t KIIntervall(std::uint16_t platzExplo, std::uint8_t schwierigkeit);
