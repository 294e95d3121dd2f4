// A network match from the first message to the last, on either side, without any transport:
// messages in (with the wall-clock time), messages out. The host sends what the match is played
// from (the seed, the settings with the guest's name, every listed level), both sides run it in
// lockstep, compare their state, and end it together.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "netz/UNetzProtokoll.h"
#include "netz/UNetzSeite.h"

enum class TNetzZustand { Verbinden, Laden, Laeuft, Abschluss, Fertig, Fehler };

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
};

// Limits of real time, in ms.
inline constexpr std::uint64_t kAufbauFrist = 30'000;
inline constexpr std::uint64_t kVerbindungFrist = 15'000;
inline constexpr std::uint64_t kWarteAnzeige = 1'000;
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
    // "Warte auf Mitspieler … (n s)" while the other side holds the match back, else empty.
    std::string Status(std::uint64_t wand) const;

    // The own player's inputs.
    void Aktion(int slot);
    void Neustart();
    void Bereit();

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
};

// The seed, the settings and every listed level, read up front, as the host sends them.
TAufnahme SpieldatenLesen(const TEinstellungen& e, std::uint64_t saat);
// A player's name and "the computer plays for me" in the settings record and its working copy.
void SpielerSetzen(TAufnahme& a, int spieler, const std::string& name, bool computer);
