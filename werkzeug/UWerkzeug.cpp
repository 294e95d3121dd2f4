#include "werkzeug/UWerkzeug.h"

#include <functional>
#include <iomanip>
#include <map>
#include <sstream>

#include "editor/UEditorFeldTest.h"
#include "files/UDatei.h"
#include "files/UEinstellungenDatei.h"
#include "files/UHighscore.h"
#include "files/UPfad.h"
#include "model/UAnsi.h"
#include "werkzeug/UKonsolenMeldungen.h"
#include "werkzeug/UNetz.h"
#include "werkzeug/USimulieren.h"
#include "wiederholung/UAbspielen.h"
#include "wiederholung/UAufnahmeDatei.h"

namespace {

constexpr int kDateiFehler = 10;
constexpr int kAufrufFehler = 2;

const char* const kHilfe =
    "Aufruf: knallfeld-werkzeug BEFEHL [ARGUMENTE]\n"
    "\n"
    "Befehle:\n"
    "  pruefen LEVEL.dat          liest ein Spielfeld wie eine Runde und prüft es wie\n"
    "                             \"Feld testen\" im Editor\n"
    "  zeigen LEVEL.dat           zeigt ein Spielfeld als Text\n"
    "  highscore [DATEI]          zeigt die Highscore-Liste\n"
    "  einstellungen DATEI.sps    zeigt alle Felder einer Einstellungsdatei\n"
    "  simulieren [OPTIONEN] ...  spielt ein Match zweier Computerspieler in simulierter Zeit\n"
    "  abspielen DATEI.kfw        spielt eine Wiederholung ohne Fenster ab und prüft sie\n"
    "  netz-eroeffnen --port P    eröffnet ein Netzwerkspiel ohne Fenster\n"
    "  netz-beitreten HOST[:PORT] tritt einem Netzwerkspiel ohne Fenster bei\n"
    "\n"
    "\"knallfeld-werkzeug BEFEHL --help\" erklärt einen Befehl.\n";

const std::map<std::string, std::string> kBefehlsHilfe = {
    {"pruefen",
     "Aufruf: knallfeld-werkzeug pruefen LEVEL.dat\n"
     "Liest die Allgemein-, die Feld- und die Bilderdatei eines Spielfeldes wie zu Beginn einer\n"
     "Runde (fehlende Bilder werden gemeldet, wie im Spiel) und prüft das Spielfeld wie\n"
     "\"Feld testen\"; der gespeicherte Name gilt als Spielfeldname.\n"
     "Gibt die Meldung der ersten verletzten Regel aus oder \"Das Spielfeld ist OK!\".\n"
     "Rückgabewert: 0 gültig; 1 bis 5 der Fehlercode der Prüfung; 6 der Name fehlt;\n"
     "10 eine Datei konnte nicht gelesen werden.\n"},
    {"zeigen",
     "Aufruf: knallfeld-werkzeug zeigen LEVEL.dat\n"
     "Zeigt Name, Größe, Zellengröße und Farbe, dann das Feld mit einem Zeichen je Zelle:\n"
     "  .  frei     +  zerstörbar     #  unzerstörbar     ~  Wasser\n"
     "  1  Start Spieler 1     2  Start Spieler 2     ?  jede andere Art\n"
     "Rückgabewert: 0, oder 10 bei einem Dateifehler.\n"},
    {"highscore",
     "Aufruf: knallfeld-werkzeug highscore [DATEI]\n"
     "Zeigt die Highscore-Liste mit den Spalten Rang, Name und Punkte, aus DATEI oder aus\n"
     "Highscore.hsk im Programmordner.\n"
     "Rückgabewert: 0, oder 10 bei einem Dateifehler.\n"},
    {"einstellungen",
     "Aufruf: knallfeld-werkzeug einstellungen DATEI.sps\n"
     "Lädt eine Einstellungsdatei samt ihrer Level-Datei (DATEI.sps.lev) wie das Spiel und gibt\n"
     "jedes Feld als Feld=Wert aus, danach eine Zeile Level=PFAD je Level der Liste.\n"
     "Rückgabewert: 0, oder 10 wenn das Laden scheitert.\n"},
    {"simulieren", kSimulierenHilfe},
    {"netz-eroeffnen", kNetzEroeffnenHilfe},
    {"netz-beitreten", kNetzBeitretenHilfe},
    {"abspielen",
     "Aufruf: knallfeld-werkzeug abspielen DATEI.kfw\n"
     "Spielt eine Wiederholung (aus dem Spiel oder von simulieren --aufnahme) in simulierter\n"
     "Zeit ab und gibt je Runde \"Runde N (LEVELNAME): MELDUNG\", die Match-Meldung und\n"
     "\"Punkte: P1 : P2\" aus, wie simulieren. Endet das Match anders als aufgenommen, sagt\n"
     "es das auf der Fehlerausgabe.\n"
     "Rückgabewert: 0 wie aufgenommen; 1 anders als aufgenommen; 10 wenn die Datei nicht\n"
     "gelesen werden konnte oder keine Wiederholung ist.\n"},
};

bool WillHilfe(const std::vector<std::string>& a) {
    for (const auto& s : a)
        if (s == "--help" || s == "-h" || s == "--hilfe") return true;
    return false;
}

// Reads the general and the cell file as a round does.
bool FeldLesen(TSpielfeld& feld, TLevelDateien& dateien, const std::string& pfad) {
    if (dateien.AllgemeinLesen(pfad + ".all")) return false;
    feld.LoescheFeld();
    feld.ErzeugeFeld(feld.Zellenzahl());
    return !dateien.ZellenLesen(pfad, feld.Zellenzahl());
}

struct TLevelUmgebung {
    explicit TLevelUmgebung(std::ostream& fehler)
        : meldungen(fehler),
          dateiFehler(meldungen),
          bilder(dateiFehler),
          dateien(feld, bilder, dateiFehler) {}
    TKonsolenMeldungen meldungen;
    TDateiFehler dateiFehler;
    TSpielfeld feld;
    TBilderSets bilder;
    TLevelDateien dateien;
};

int Pruefen(const std::string& pfad, std::ostream& aus, std::ostream& fehler) {
    TLevelUmgebung u(fehler);
    if (!FeldLesen(u.feld, u.dateien, pfad)) return kDateiFehler;
    // The picture file as a round reads it, against the game's own image folders: a broken
    // file fails, missing pictures are reported and the round would go on.
    u.bilder.StandardOrdner(Programmordner());
    u.bilder.BilderNeuLaden();
    if (u.dateien.BilderLesen(pfad + ".bild")) return kDateiFehler;
    if (u.feld.FeldDaten().Name.empty()) {
        aus << kNameFehlt << '\n';
        return 6;
    }
    const TFeldFehler code = PruefeFeld(u.feld);
    aus << (code == 0 ? kFeldOK : FeldFehlerText(code)) << '\n';
    return code;
}

char Zeichen(TZellenArt art) {
    switch (art) {
        case zaFrei:
            return '.';
        case zaZerstoerbar:
            return '+';
        case zaUnzerstoerbar:
            return '#';
        case zaWasser:
            return '~';
        case zaSpieler1:
            return '1';
        case zaSpieler2:
            return '2';
        default:
            return '?';
    }
}

int Zeigen(const std::string& pfad, std::ostream& aus, std::ostream& fehler) {
    TLevelUmgebung u(fehler);
    if (!FeldLesen(u.feld, u.dateien, pfad)) return kDateiFehler;
    const TFeldDaten& d = u.feld.FeldDaten();
    std::ostringstream farbe;
    farbe << "0x" << std::hex << std::uppercase << std::setw(8) << std::setfill('0') << d.Farbe;
    aus << "Name: " << d.Name << '\n'
        << "Größe: " << d.SpielBreite << " × " << d.SpielHoehe << " Zellen\n"
        << "Zellengröße: " << d.EinzelBreite << " × " << d.EinzelHoehe << " Pixel\n"
        << "Farbe: " << farbe.str() << '\n';
    const auto& zellen = u.feld.Zellen();
    for (std::size_t i = 0; i < zellen.size(); ++i) {
        aus << Zeichen(zellen[i].Art);
        if ((i + 1) % d.SpielBreite == 0) aus << '\n';
    }
    return 0;
}

int HighscoreZeigen(const std::string& pfad, std::ostream& aus, std::ostream& fehler) {
    TKonsolenMeldungen m(fehler);
    TDateiFehler df(m);
    THighscore h;
    HighscoreLaden(h, df, pfad);
    if (m.Fehleranzahl() > 0) return kDateiFehler;
    aus << std::left << std::setw(6) << "Rang" << std::setw(22) << "Name"
        << "Punkte\n";
    int rang = 0;
    for (const auto& e : h.Liste()) {
        // Pad by characters, not bytes, so umlauts keep the columns straight.
        const std::size_t breite = 22 + e.Name.size() - Utf8Laenge(e.Name);
        aus << std::left << std::setw(6) << ++rang << std::setw(static_cast<int>(breite)) << e.Name
            << std::right << std::setw(6) << e.Punkte << '\n'
            << std::left;
    }
    return 0;
}

void SpielerAusgeben(std::ostream& aus, const std::string& p, const TSpielerEinstellungen& s) {
    aus << p << "TasteOben=" << s.TasteOben << '\n'
        << p << "TasteUnten=" << s.TasteUnten << '\n'
        << p << "TasteLinks=" << s.TasteLinks << '\n'
        << p << "TasteRechts=" << s.TasteRechts << '\n'
        << p << "TasteBombe=" << s.TasteBombe << '\n'
        << p << "TasteWerfen=" << s.TasteWerfen << '\n'
        << p << "Name=" << s.Name << '\n'
        << p << "Bild=" << s.Bild << '\n'
        << p << "Computer=" << s.Computer << '\n'
        << p << "Reserviert=" << int(s.Reserviert) << '\n'
        << p << "Werfen=" << s.Werfen << '\n'
        << p << "MehrBomben=" << s.MehrBomben << '\n'
        << p << "Unverwundbar=" << s.Unverwundbar << '\n'
        << p << "Krank=" << s.Krank << '\n'
        << p << "Punkte=" << s.Punkte << '\n';
}

int EinstellungenZeigen(const std::string& pfad, std::ostream& aus, std::ostream& fehler) {
    TKonsolenMeldungen m(fehler);
    TDateiFehler df(m);
    TEinstellungen e;
    if (EinstellungenLaden(e, df, pfad)) return kDateiFehler;
    const TSpielRecEinstellungen r = e.EinstellungenHolen();
    SpielerAusgeben(aus, "Spieler1.", r.Spieler1);
    SpielerAusgeben(aus, "Spieler2.", r.Spieler2);
    aus << "Rundenanzahl=" << int(r.Rundenanzahl) << '\n'
        << "LevelZufall=" << r.LevelZufall << '\n'
        << "WasserGeschwindigkeit=" << r.WasserGeschwindigkeit << '\n'
        << "SpielerVerzoegerung=" << r.SpielerVerzoegerung << '\n'
        << "PlatzExplo=" << r.PlatzExplo << '\n'
        << "ExploDauer=" << r.ExploDauer << '\n'
        << "Unverwundbarkeit=" << int(r.Unverwundbarkeit) << '\n'
        << "ExtraProzent=" << int(r.ExtraProzent) << '\n'
        << "Schwierigkeit=" << int(r.Schwierigkeit) << '\n'
        << "BildWerfen=" << r.BildWerfen << '\n'
        << "BildMehrBomben=" << r.BildMehrBomben << '\n'
        << "BildUnverwundbar=" << r.BildUnverwundbar << '\n'
        << "BildKrankheit=" << r.BildKrankheit << '\n';
    for (const auto& level : e.Levelliste()) aus << "Level=" << level << '\n';
    return 0;
}

using TBefehl = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;

// A command that takes exactly one path (or, with optional, none).
TBefehl MitPfad(int (*befehl)(const std::string&, std::ostream&, std::ostream&),
                std::string standard = {}) {
    return [befehl, standard](const std::vector<std::string>& a, std::ostream& aus,
                              std::ostream& fehler) {
        if (a.size() > 1 || (a.empty() && standard.empty())) {
            fehler << (a.empty() ? "Es fehlt ein Dateiname." : "Zu viele Argumente.")
                   << " Hilfe mit --help.\n";
            return kAufrufFehler;
        }
        return befehl(a.empty() ? standard : a[0], aus, fehler);
    };
}

int Abspielen(const std::string& pfad, std::ostream& aus, std::ostream& fehler) {
    TAufnahme a;
    if (const std::string f = AufnahmeLesen(pfad, a); !f.empty()) {
        fehler << f << '\n';
        return kDateiFehler;
    }
    std::vector<std::string> protokoll;
    const std::string abweichung = AufnahmePruefen(a, Programmordner(), protokoll);
    for (const auto& z : protokoll) aus << z << '\n';
    if (abweichung.empty()) return 0;
    fehler << abweichung << '\n';
    return 1;
}

}  // namespace

int WerkzeugAusfuehren(const std::vector<std::string>& argumente, std::ostream& aus,
                       std::ostream& fehler) {
    if (argumente.empty() || argumente[0] == "--help" || argumente[0] == "-h" ||
        argumente[0] == "hilfe") {
        (argumente.empty() ? fehler : aus) << kHilfe;
        return argumente.empty() ? kAufrufFehler : 0;
    }
    const std::map<std::string, TBefehl> befehle = {
        {"pruefen", MitPfad(Pruefen)},
        {"zeigen", MitPfad(Zeigen)},
        {"highscore", MitPfad(HighscoreZeigen, HighscorePfad(Programmordner()))},
        {"einstellungen", MitPfad(EinstellungenZeigen)},
        {"simulieren", Simulieren},
        {"abspielen", MitPfad(Abspielen)},
        {"netz-eroeffnen", NetzEroeffnen},
        {"netz-beitreten", NetzBeitreten},
    };
    const std::string& name = argumente[0];
    const std::vector<std::string> rest(argumente.begin() + 1, argumente.end());
    const auto befehl = befehle.find(name);
    if (befehl == befehle.end()) {
        fehler << "Unbekannter Befehl: " << name << "\n\n" << kHilfe;
        return kAufrufFehler;
    }
    if (WillHilfe(rest)) {
        aus << kBefehlsHilfe.at(name);
        return 0;
    }
    return befehl->second(rest, aus, fehler);
}
