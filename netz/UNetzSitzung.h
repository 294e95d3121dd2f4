// A network match from the first message to the last, on either side, without any transport:
// messages in (with the wall-clock time), messages out. The host sends what the match is played
// from (the seed, the settings with the guest's name, every listed level), both sides run it in
// lockstep, compare their state, and end it together. Around it: the meeting before the first
// round, a countdown before each, a restart both agree to, a rematch both want, and a chat.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "netz/UNetzProtokoll.h"
#include "netz/UNetzSeite.h"

// Treffen: both have the match loaded and see who plays what; the host's player starts it.
enum class TNetzZustand { Verbinden, Laden, Treffen, Laeuft, Abschluss, Fertig, Fehler };

struct TNetzPaket {
    int Kanal;  // 0 reliable and in order, 1 unreliable (the input packets)
    std::string Daten;
};

// What the match is played with on this machine.
struct TNetzUmgebung {
    TSpielfeld& Feld;
    TBilderSets& Bilder;
    IMeldungen& Meldungen;
    ISpielAnsicht& Ansicht;
};

struct TNetzOptionen {
    std::string Name;       // the own player's name (guest; the host's is in its settings)
    bool Computer = false;  // the computer plays for the guest
    std::uint32_t Verzoegerung = 60;  // ms of real time; the host decides
    std::uint8_t Tempo = 1;           // the host decides
    std::uint32_t Regeln = 0;         // the rules version this program plays by
    bool AufStartWarten = false;      // host: the meeting lasts until Anfangen
    std::uint32_t Countdown = 0;      // ms of real time before each round; the host decides
};

struct TChatZeile {
    bool Eigen;  // else the other player's
    std::string Text;
};

// Limits of real time, in ms.
inline constexpr std::uint64_t kAufbauFrist = 30'000;
// The guest gives up when no host has answered by then.
inline constexpr std::uint64_t kVerbindenFrist = 10'000;
inline constexpr std::uint64_t kVerbindungFrist = 15'000;
// A countdown as long as a player needs to read "3, 2, 1".
inline constexpr std::uint32_t kCountdown = 3'000;
// Chat: the lines shown, and how many may be sent within a second; the other side takes a few
// more, as lines bunch up on the way.
inline constexpr std::size_t kChatZeilen = 3;
inline constexpr std::size_t kChatProSekunde = 3;
inline constexpr std::size_t kChatEmpfangMax = 6;
inline constexpr std::uint64_t kWarteAnzeige = 1'000;
// How long the other player's answer to a restart stays in the status line.
inline constexpr std::uint64_t kAntwortAnzeige = 5'000;
inline constexpr std::uint64_t kTaktAbstand = 16;

class TNetzSitzung {
  public:
    // The host passes the match data; the guest gets it from the host.
    TNetzSitzung(TNetzOptionen o, TNetzUmgebung u, std::optional<TAufnahme> spieldaten);
    // The picture sets serve the program's own matches again as before.
    ~TNetzSitzung();
    TNetzSitzung(const TNetzSitzung&) = delete;
    TNetzSitzung& operator=(const TNetzSitzung&) = delete;

    bool Gastgeber() const { return gastgeber_; }
    void Verbunden(std::uint64_t wand);
    void Empfangen(int kanal, std::string_view daten, std::uint64_t wand);
    // The transport has lost the other side (timeout or its disconnect).
    void Getrennt();
    // Runs the match to the present, sends what is due.
    void Schritt(std::uint64_t wand);
    // The player leaves (the window closes): the other side is told.
    void Verlassen();
    std::vector<TNetzPaket> Ausgang() { return std::exchange(ausgang_, {}); }

    TNetzZustand Zustand() const { return zustand_; }
    // The German message when it failed, and the tool's exit status for it (3 connection,
    // 4 disagreement).
    const std::string& Fehler() const { return fehler_; }
    int Rueckgabe() const { return rueckgabe_; }
    // What this side waits for or has heard: "Warte auf Mitspieler … (n s)" while the other
    // side holds the match back, the other's readiness, its answer; else empty.
    std::string Status(std::uint64_t wand) const;
    // The other player's name (known once the match data is there).
    std::string Mitspieler() const;
    // Seconds left of the countdown (3, 2, 1) while it runs.
    std::optional<int> Countdown(std::uint64_t wand) const;

    // The own player's inputs.
    void Aktion(int slot);
    void Bereit();
    // Host, during the meeting: the match begins.
    void Anfangen(std::uint64_t wand);
    // Asks the other player to start the match again; it restarts when they agree.
    void NeustartFragen();
    // The other player asks so (until answered), and this side's answer.
    bool NeustartGefragt() const { return frage_; }
    void NeustartAntworten(bool ja);
    // Once the match is over: a rematch with the same data once both want it.
    void RevancheWuenschen(std::uint64_t wand);
    bool RevancheMoeglich() const { return zustand_ == TNetzZustand::Fertig && !getrennt_; }
    bool RevancheGewuenscht() const { return revanche_[0]; }
    // Before a rematch replaces the match that ended (the window keeps its recording).
    std::function<void(TNetzSeite&)> Abgeschlossen;
    // What both sides play from, once it is there.
    const TAufnahme* Spieldaten() const { return daten_ ? &*daten_ : nullptr; }
    // The match number of this connection, from 0.
    int MatchNr() const { return matchNr_; }
    // A chat line: empty when sent, else why not (German).
    std::string ChatSenden(const std::string& zeile, std::uint64_t wand);
    const std::deque<TChatZeile>& Chat() const { return chat_; }

    TNetzSeite* Seite() { return seite_.get(); }
    const TNetzSeite* Seite() const { return seite_.get(); }
    int Spieler() const { return gastgeber_ ? 1 : 2; }
    const TNetzOptionen& Optionen() const { return o_; }
    TNetzOptionen& Optionen() { return o_; }
    std::uint64_t Ziel(std::uint64_t wand) const;

  private:
    void Senden(int kanal, std::string daten) { ausgang_.push_back({kanal, std::move(daten)}); }
    void Scheitern(const std::string& text, int rueckgabe, std::optional<TAbschied> sagen);
    void Nachricht(std::string_view d, std::uint64_t wand);
    bool SeiteBauen(TAufnahme a, std::uint32_t verzoegerung);
    void Starten(std::uint64_t wand);
    void Geladen(std::uint64_t wand);
    void SteuerNachricht(TNachricht art, std::string_view d, std::uint64_t wand);
    void RevanchePruefen(std::uint64_t wand);
    void NeuAufbauen(std::uint64_t saat, std::uint64_t wand);
    void Zeile(bool eigen, std::string text);
    void Takten(std::uint64_t wand);

    TNetzOptionen o_;
    TNetzUmgebung u_;
    std::optional<TAufnahme> spieldaten_;
    bool gastgeber_;
    std::unique_ptr<TNetzSeite> seite_;
    TNetzZustand zustand_ = TNetzZustand::Verbinden;
    std::vector<TNetzPaket> ausgang_;
    std::string fehler_;
    int rueckgabe_ = 0;
    std::optional<std::uint64_t> beginn_;  // wall time when the phase began
    std::uint64_t start_ = 0;              // wall time of match time 0
    std::uint64_t zuletztGehoert_ = 0;
    std::uint64_t zuletztGesendet_ = 0;
    std::optional<std::uint64_t> wartetSeit_;
    std::uint32_t simVerzoegerung_ = 1;
    std::uint64_t hashNull_ = 0;
    bool bereitGesendet_ = false;
    std::optional<bool> bilderVorher_;  // NurEigeneOrdner before the host's pictures came
    std::optional<TAufnahme> daten_;    // what both sides play from, for a rematch
    std::optional<std::uint64_t> countdownBis_;
    bool gefragt_ = false, frage_ = false;
    std::size_t erlaubteNeustarts_ = 0;
    std::optional<std::pair<bool, std::uint64_t>> antwort_;  // the other's answer, and when
    std::array<bool, 2> revanche_{};                         // own, other's
    bool getrennt_ = false;  // after the end: the other side has gone
    int matchNr_ = 0;
    std::deque<TChatZeile> chat_;
    std::deque<std::uint64_t> gesendet_, empfangen_;  // when the last lines went and came
};

// The seed, the settings and every listed level, read up front, as the host sends them.
TAufnahme SpieldatenLesen(const TEinstellungen& e, std::uint64_t saat);
// A player's name and "the computer plays for me" in the settings record and its working copy.
void SpielerSetzen(TAufnahme& a, int spieler, const std::string& name, bool computer);
