// Where the highscore file lives. A game in a folder of its own keeps the list next to itself; an
// installed game's folder belongs to the system, so each user then keeps the list in their own
// data folder, and reads the shipped empty file until the first save.
#pragma once

#include <string>

struct THighscoreOrt {
    std::string Datei;    // the file that saves go to
    std::string Vorlage;  // the file read while Datei does not exist yet (may equal Datei)

    // The file to load from.
    std::string LeseDatei() const;
    // Datei, with its folder made first so that the first save can create the file.
    std::string SchreibDatei() const;
};

// programmordner and datenordner end with "/".
THighscoreOrt HighscoreOrtWaehlen(bool programmordnerBeschreibbar,
                                  const std::string& programmordner,
                                  const std::string& datenordner);

// Whether this user may create files in the folder and its owner has not made it read-only.
bool OrdnerBeschreibbar(const std::string& ordner);

// The user's data folder for this program (~/.local/share/Knallfeld/), with a trailing "/".
std::string BenutzerDatenordner();
