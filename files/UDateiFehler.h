// The one layer through which every file operation checks its file and reports its failures.
#pragma once

#include <cstddef>
#include <string>

#include "model/UMeldungen.h"

enum class TPruefModus { Lesen, Schreiben };

// Kind names as they appear in checks and messages.
inline const std::string kFelddatei = "Felddatei";
inline const std::string kAllgemeinDatei = "AllgemeinDatei";
inline const std::string kBilderDatei = "Bilder-Datei";
inline const std::string kKonfigDatei = "Konfig-Datei";
inline const std::string kLevelDatei = "Level-Datei";
inline const std::string kHighscoreDatei = "Highscore-Datei";

// Record size of a kind; 0 for names that take no part in checks.
std::size_t Satzgroesse(const std::string& dateiArt);

// A regular file (not a folder) exists at the path.
bool DateiExistiert(const std::string& pfad);
// The owner's write permission bit is clear.
bool IstSchreibgeschuetzt(const std::string& pfad);

class TDateiFehler {
public:
    explicit TDateiFehler(IMeldungen& m) : m_(m) {}
    IMeldungen& Meldungen() { return m_; }

    // True when the caller must not go on.
    bool DateiPruefen(const std::string& pfad, const std::string& dateiArt, TPruefModus modus);
    bool GroessePruefen(const std::string& pfad, const std::string& dateiArt);

    // True for Yes.
    bool SchreibschutzFrage(const std::string& dateiArt);
    bool UeberschreibenFrage(const std::string& pfad);

    // Each shows one error box and returns true.
    bool SpeicherFehler(const std::string& x);
    bool LeseFehler(const std::string& x);
    bool OeffnenFehler(const std::string& x);
    bool SchliessenFehler(const std::string& x);
    bool GroesseFehler(const std::string& x);
    bool FehltFehler(const std::string& x);
    bool SchreibschutzFehler();
    bool PfadFehltMeldung(const std::string& pfad);
    bool BilderFehlenMeldung();
    // Returns false: the level is still used.
    bool BilderVerschobenMeldung();

private:
    bool Fehler(const std::string& text);
    IMeldungen& m_;
};
