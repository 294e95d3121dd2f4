#include "files/UDateiFehler.h"

#include <QFile>
#include <QFileInfo>

#include "files/UPfad.h"

std::size_t Satzgroesse(const std::string& dateiArt) {
    if (dateiArt == kFelddatei) return 6;
    if (dateiArt == kAllgemeinDatei) return 36;
    if (dateiArt == kBilderDatei) return 260;
    if (dateiArt == kKonfigDatei) return 1634;
    if (dateiArt == kLevelDatei) return 256;
    if (dateiArt == kHighscoreDatei) return 24;
    return 0;
}

bool DateiExistiert(const std::string& pfad) {
    const QFileInfo info(QtPfad(pfad));
    return info.exists() && !info.isDir();
}

bool IstSchreibgeschuetzt(const std::string& pfad) {
    return !(QFile::permissions(QtPfad(pfad)) & QFileDevice::WriteOwner);
}

bool TDateiFehler::DateiPruefen(const std::string& pfad, const std::string& dateiArt,
                                TPruefModus modus) {
    if (!DateiExistiert(pfad)) return false;
    if (modus == TPruefModus::Lesen) return GroessePruefen(pfad, dateiArt);
    if (!IstSchreibgeschuetzt(pfad)) return false;
    if (!SchreibschutzFrage(dateiArt)) return true;
    const QString p = QtPfad(pfad);
    if (!QFile::setPermissions(p, QFile::permissions(p) | QFileDevice::WriteOwner))
        return SchreibschutzFehler();
    return false;
}

bool TDateiFehler::GroessePruefen(const std::string& pfad, const std::string& dateiArt) {
    if (!DateiExistiert(pfad)) return FehltFehler(dateiArt);
    QFile f(QtPfad(pfad));
    if (!f.open(QIODevice::ReadOnly)) return OeffnenFehler(dateiArt);
    const auto n = static_cast<std::uint64_t>(f.size());
    const std::size_t r = Satzgroesse(dateiArt);
    bool fehler = false;
    if ((r != 0 && n % r != 0) || (n == 0 && dateiArt != kHighscoreDatei))
        fehler = GroesseFehler(dateiArt);
    f.close();
    return fehler;
}

bool TDateiFehler::SchreibschutzFrage(const std::string& dateiArt) {
    return m_.FrageJaNein(TBoxTyp::Warnung,
                          dateiArt + " ist schreibgeschützt! Soll der Schreibschutz entfernt werden?");
}

bool TDateiFehler::UeberschreibenFrage(const std::string& pfad) {
    return m_.FrageJaNein(TBoxTyp::Warnung,
                          "Die Datei " + pfad + " existiert bereits. Soll sie überschrieben werden?");
}

bool TDateiFehler::Fehler(const std::string& text) {
    m_.Zeige(TBoxTyp::Fehler, text);
    return true;
}

bool TDateiFehler::SpeicherFehler(const std::string& x) {
    return Fehler("Fehler beim Speichern eines Datensatzes der " + x + "!");
}
bool TDateiFehler::LeseFehler(const std::string& x) {
    return Fehler("Fehler beim Lesen eines Datensatzes der " + x + "!");
}
bool TDateiFehler::OeffnenFehler(const std::string& x) {
    return Fehler("Fehler beim Öffnen der " + x + "!");
}
bool TDateiFehler::SchliessenFehler(const std::string& x) {
    return Fehler("Fehler beim Schließen der " + x + "!");
}
bool TDateiFehler::GroesseFehler(const std::string& x) {
    return Fehler("Fehler: Grösse der " + x + " stimmt nicht!");
}
bool TDateiFehler::FehltFehler(const std::string& x) {
    return Fehler("Fehler: Die " + x + " ist nicht vorhanden!");
}
bool TDateiFehler::SchreibschutzFehler() {
    return Fehler("Fehler: Der Schreibschutz konnte nicht entfernt werden");
}
bool TDateiFehler::PfadFehltMeldung(const std::string& pfad) {
    return Fehler("Der gespeicherte Pfad " + pfad +
                  " exsistiert nicht mehr. Daher wurde dieses Level aus der Liste gelöscht.");
}
bool TDateiFehler::BilderFehlenMeldung() {
    return Fehler("Fehler beim Öffnen der Bilder. Spiel kann leider nicht gestartet werden.");
}
bool TDateiFehler::BilderVerschobenMeldung() {
    Fehler(
        "Fehler: Es sind Bilder des gespeicherten Feldes gelöscht/verschoben worden! Das Feld "
        "könnte anderes aussehen.");
    return false;
}
