#include "files/UDatei.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "files/UPfad.h"
#include "files/UTypDatei.h"

namespace {

// Kind names of the image file's write routines, as the messages have always shown them.
const std::string kBilerDatei = "Biler-Datei";
const std::string kBilderdatei = "Bilderdatei";

// Indices and counts are 16-bit; a bigger level lies outside what the game can address.
constexpr std::uint32_t kMaxZellen = 65535;
// The largest cell in pixels, as the editor's settings allow.
constexpr std::uint16_t kMaxZellgroesse = 100;

// Creates a missing file, or opens an existing one for appending: the old contents stay until
// the save commits its replacement.
bool Anlegbar(const std::string& pfad) {
    QFile f(QtPfad(pfad));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    f.close();
    return true;
}

// Where the picture of a stored entry is now: its own path, or else the same file name in the
// current folder of its set (levels moved between machines); empty when it is in neither.
std::string BildFinden(const TBildEintrag& e, const TBilderSets& bilder) {
    // Only a full path is taken as it stands: a bare name would depend on the working folder,
    // where any file of that name could stand in for the game's picture.
    if (!bilder.NurEigeneOrdner && QFileInfo(QtPfad(e.Pfad)).isAbsolute() && BitmapLesbar(e.Pfad))
        return e.Pfad;
    const std::string name = Dateiname(e.Pfad);
    if (name.empty()) return {};
    const std::string imOrdner = ImOrdner(bilder.Ordner(e.BildArt), name);
    return BitmapLesbar(imOrdner) ? imOrdner : std::string();
}

// True when a record cannot be read or names a picture that is found nowhere.
bool BilderFehlenPruefen(TTypDatei& d, const TBilderSets& bilder) {
    TBytes satz;
    while (!d.AmEnde()) {
        if (d.Lesen(satz, kBilderDatei)) return true;
        if (BildFinden(EntpackeBildEintrag(satz.data()), bilder).empty()) return true;
    }
    return false;
}

struct TDateiUndArt {
    std::string Pfad;
    const std::string& Art;
};

}  // namespace

bool TLevelDateien::LevelSpeichernUnter(const std::string& pfad) {
    if (DateiExistiert(pfad) && !fehler_.UeberschreibenFrage(pfad)) return true;
    return LevelDateienAnlegen(pfad);
}

bool TLevelDateien::LevelDateienAnlegen(const std::string& pfad) {
    const TDateiUndArt dateien[] = {
        {pfad, kFelddatei}, {pfad + ".all", kAllgemeinDatei}, {pfad + ".bild", kBilderDatei}};
    for (const auto& [datei, art] : dateien) {
        if (fehler_.DateiPruefen(datei, art, TPruefModus::Schreiben)) return true;
        if (!Anlegbar(datei)) return fehler_.OeffnenFehler(art);
    }
    // Bound only when all three are usable, so a later save never mixes two levels.
    gebunden_ = pfad;
    return false;
}

bool TLevelDateien::LevelSpeichern() {
    if (!Gebunden()) return fehler_.OeffnenFehler(kFelddatei);
    if (ZellenSchreiben()) return true;
    if (AllgemeinSchreiben()) return true;
    return BilderSchreiben();
}

bool TLevelDateien::ZellenSchreiben() {
    TTypDatei d(fehler_, kGroesseZelle);
    if (d.Anlegen(gebunden_, kFelddatei)) return true;
    const std::uint32_t n = std::min(feld_.Zellenzahl(), feld_.AnzahlKnoten());
    bool fehler = false;
    for (std::uint32_t i = 0; i < n && !fehler; ++i)
        fehler = d.Schreiben(PackeZelle(feld_.Zellen()[i]), kFelddatei);
    return d.Schliessen(kFelddatei) || fehler;
}

bool TLevelDateien::AllgemeinSchreiben() {
    TTypDatei d(fehler_, kGroesseFeldDaten);
    if (d.Anlegen(gebunden_ + ".all", kAllgemeinDatei)) return true;
    const bool fehler = d.Schreiben(PackeFeldDaten(feld_.FeldDaten()), kAllgemeinDatei);
    return d.Schliessen(kAllgemeinDatei) || fehler;
}

bool TLevelDateien::BilderSchreiben() {
    TTypDatei d(fehler_, kGroesseBildEintrag);
    if (d.Anlegen(gebunden_ + ".bild", kBilerDatei)) return true;
    bool fehler = false;
    for (const std::uint8_t art : {kBlockbilder, kWasserbilder})
        for (const auto& e : bilder_.Satz(art)) {
            if (fehler) break;
            fehler = d.Schreiben(PackeBildEintrag(e.Daten), kBilderdatei);
        }
    return d.Schliessen(kBilderDatei) || fehler;
}

bool TLevelDateien::AllgemeinLesen(const std::string& pfad) {
    if (fehler_.DateiPruefen(pfad, kAllgemeinDatei, TPruefModus::Lesen)) return true;
    TTypDatei d(fehler_, kGroesseFeldDaten);
    if (d.OeffnenLesen(pfad, kAllgemeinDatei)) return true;
    TBytes satz;
    if (d.Lesen(satz, kAllgemeinDatei)) return true;
    const TFeldDaten daten = EntpackeFeldDaten(satz.data());
    // An empty board or one beyond 16-bit indices would break every caller; keep the old one.
    // Cells beyond what the editor makes would scale every picture to an impossible size.
    const auto zelleGut = [](std::uint16_t n) { return n >= 1 && n <= kMaxZellgroesse; };
    if (daten.SpielBreite == 0 || daten.SpielHoehe == 0 ||
        std::uint32_t(daten.SpielBreite) * daten.SpielHoehe > kMaxZellen ||
        !zelleGut(daten.EinzelBreite) || !zelleGut(daten.EinzelHoehe))
        return fehler_.GroesseFehler(kAllgemeinDatei);
    feld_.SetzeFeldDaten(daten);
    return d.Schliessen(kAllgemeinDatei);
}

bool TLevelDateien::ZellenLesen(const std::string& pfad, std::uint32_t anzahl) {
    if (fehler_.DateiPruefen(pfad, kFelddatei, TPruefModus::Lesen)) return true;
    TTypDatei d(fehler_, kGroesseZelle);
    if (d.OeffnenLesen(pfad, kFelddatei)) return true;
    // Never beyond the cells the board really holds, whatever the caller asked for.
    const std::uint32_t n = std::min(anzahl, feld_.AnzahlKnoten());
    TBytes satz;
    for (std::uint32_t i = 1; i <= n; ++i) {
        if (d.Lesen(satz, kFelddatei)) return true;
        TSpielfeld::SetzeZellenDaten(feld_.KnotenBei(i), EntpackeZelle(satz.data()));
    }
    return d.Schliessen(kFelddatei);
}

bool TLevelDateien::BilderLesen(const std::string& pfad) {
    if (fehler_.DateiPruefen(pfad, kBilderDatei, TPruefModus::Lesen)) return true;
    {
        TTypDatei d(fehler_, kGroesseBildEintrag);
        if (d.OeffnenLesen(pfad, kBilderDatei)) return true;
        if (BilderFehlenPruefen(d, bilder_)) {
            fehler_.BilderVerschobenMeldung();
            // The level stays usable with the pictures loaded now.
            return d.Schliessen(kBilderDatei);
        }
        if (d.Schliessen(kBilderDatei)) return true;
    }
    // Second pass from the first record.
    TTypDatei d(fehler_, kGroesseBildEintrag);
    if (d.OeffnenLesen(pfad, kBilderDatei)) return true;
    bilder_.AlleFreigeben();
    TBytes satz;
    while (!d.AmEnde()) {
        if (d.Lesen(satz, kBilderDatei)) return true;
        TBildEintrag e = EntpackeBildEintrag(satz.data());
        e.Pfad = BildFinden(e, bilder_);
        // Vanished since the scan: the start fails without a second message.
        if (e.Pfad.empty()) return true;
        if (!bilder_.EintragAusDatei(e)) return true;
    }
    return d.Schliessen(kBilderDatei);
}

bool TLevelDateien::LevelLaden(const std::string& pfad) {
    if (AllgemeinLesen(pfad + ".all")) return true;
    feld_.LoescheFeld();
    feld_.ErzeugeFeld(feld_.Zellenzahl());
    if (ZellenLesen(pfad, feld_.Zellenzahl())) return true;
    return BilderLesen(pfad + ".bild");
}
