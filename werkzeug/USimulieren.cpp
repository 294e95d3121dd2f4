#include "werkzeug/USimulieren.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <limits>
#include <optional>

#include "files/UBilderPointer.h"
#include "files/UDatei.h"
#include "files/UEinstellungenDatei.h"
#include "files/UHighscore.h"
#include "files/UPfad.h"
#include "files/URecords.h"
#include "match/ULevelQuelle.h"
#include "match/USimUhr.h"
#include "match/USpiel.h"
#include "model/USturmRinge.h"
#include "werkzeug/UKonsolenMeldungen.h"
#include "wiederholung/UAbspielen.h"
#include "wiederholung/UAufgenommenesMatch.h"
#include "wiederholung/UAufnahmeDatei.h"
#include "wiederholung/UAufnahmeLevel.h"
#include "wiederholung/UMatchLauf.h"

const char* const kSimulierenHilfe =
    "Aufruf: knallfeld-werkzeug simulieren [OPTIONEN] [LEVEL.dat ...]\n"
    "Spielt ein Match, in dem beide Spieler vom Computer gesteuert werden, in simulierter Zeit.\n"
    "Jede Meldung wird sofort bestätigt, nach jeder Runde wird \"Nächste Runde\" gedrückt.\n"
    "Die genannten Level bilden die Levelliste in dieser Reihenfolge.\n"
    "\n"
    "Optionen:\n"
    "  --einstellungen DATEI.sps  Einstellungen und Levelliste aus einer Einstellungsdatei\n"
    "                             (beide Spieler spielen trotzdem als Computer)\n"
    "  --runden N                 Anzahl der Runden (1 bis 255)\n"
    "  --schwierigkeit S          Schwierigkeit des Computers (1 bis 5)\n"
    "  --zufall                   Level in zufälliger Reihenfolge\n"
    "  --seed N                   Startwert des Zufalls (sonst aus der Uhr)\n"
    "  --max-sekunden T           simulierte Sekunden, nach denen eine Runde abgebrochen wird\n"
    "                             (Vorgabe 600; die Runde zählt nicht, das Match geht weiter)\n"
    "  --highscore DATEI          trägt beide Spieler am Ende in diese Highscore-Datei ein\n"
    "                             (ohne die Option wird keine Highscore-Datei berührt)\n"
    "  --klaenge                  gibt jedes Geräusch mit seiner simulierten Zeit aus\n"
    "                             (\"12.450 s Explosion\")\n"
    "  --aufnahme DATEI.kfw       speichert das Match als Wiederholung (siehe abspielen)\n"
    "  --stark 1|2|beide          dieser Spieler (oder beide) spielt mit dem starken Computer\n"
    "                             statt dem klassischen\n"
    "  --sturmflut MIN             nach MIN Minuten (1 bis 10) einer Runde schließt sich das\n"
    "                             Wasser vom Rand her, ein Ring je Sekunde\n"
    "  --ursachen                 nach jeder Runde je getöteten Spieler eine Zeile:\n"
    "                             \"  Spieler N: eigene Bombe\", \"Bombe des Gegners\",\n"
    "                             \"ertrunken\" oder \"Sturmflut\"\n"
    "\n"
    "Ausgabe: je Runde \"Runde N (LEVELNAME): MELDUNG\" oder \"abgebrochen\", dann die\n"
    "Match-Meldung, \"Punkte: P1 : P2\" und die Spielzeit. Gleicher Startwert und gleiche\n"
    "Eingaben geben dieselben Zeilen bis auf die letzte.\n"
    "Rückgabewert: 0; 2 bei falschem Aufruf; 10 wenn eine Datei nicht gelesen werden konnte.\n";

namespace {

constexpr int kAufrufFehler = 2;
constexpr int kDateiFehler = 10;

struct TOptionen {
    std::string Einstellungen;
    std::optional<unsigned long long> Runden;
    std::optional<unsigned long long> Schwierigkeit;
    bool Zufall = false;
    std::optional<unsigned long long> Saat;
    unsigned long long MaxSekunden = 600;
    std::string Highscore;
    bool Klaenge = false;
    std::string Aufnahme;
    std::array<bool, 2> Stark{};
    bool Ursachen = false;
    std::optional<unsigned long long> Sturmflut;
    std::vector<std::string> Level;
};

// Empty string on success, else the complaint.
std::string Lesen(const std::vector<std::string>& args, TOptionen& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        TOptionsWert l{args, i};
        const unsigned long long alles = std::numeric_limits<unsigned long long>::max();
        if (a == "--einstellungen") {
            if (!l.Wert(o.Einstellungen)) return "Nach --einstellungen fehlt der Dateiname.";
        } else if (a == "--aufnahme") {
            if (!l.Wert(o.Aufnahme)) return "Nach --aufnahme fehlt der Dateiname.";
        } else if (a == "--highscore") {
            if (!l.Wert(o.Highscore)) return "Nach --highscore fehlt der Dateiname.";
        } else if (a == "--runden") {
            if (!l.Zahl(1, 255, o.Runden)) return "--runden braucht eine Zahl von 1 bis 255.";
        } else if (a == "--schwierigkeit") {
            if (!l.Zahl(1, 5, o.Schwierigkeit))
                return "--schwierigkeit braucht eine Zahl von 1 bis 5.";
        } else if (a == "--seed") {
            if (!l.Zahl(0, alles, o.Saat)) return "--seed braucht eine ganze Zahl ab 0.";
        } else if (a == "--max-sekunden") {
            std::optional<unsigned long long> t;
            if (!l.Zahl(1, 100000000, t)) return "--max-sekunden braucht eine Zahl ab 1.";
            o.MaxSekunden = *t;
        } else if (a == "--stark") {
            std::string w;
            if (!l.Wert(w) || (w != "1" && w != "2" && w != "beide"))
                return "--stark braucht 1, 2 oder beide.";
            o.Stark[0] = o.Stark[0] || w != "2";
            o.Stark[1] = o.Stark[1] || w != "1";
        } else if (a == "--sturmflut") {
            if (!l.Zahl(1, kSturmflutMaxMinuten, o.Sturmflut))
                return "--sturmflut braucht eine Zahl von 1 bis 10.";
        } else if (a == "--ursachen") {
            o.Ursachen = true;
        } else if (a == "--zufall") {
            o.Zufall = true;
        } else if (a == "--klaenge") {
            o.Klaenge = true;
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return "Unbekannte Option: " + a;
        } else {
            o.Level.push_back(a);
        }
    }
    return {};
}

// Every sound of the match with its simulated time, for level authors and tests.
class TKlangZeilen final : public TKeineAnsicht {
  public:
    explicit TKlangZeilen(std::ostream* aus) : aus_(aus) {}
    // The match's clock, once the match is there.
    const TSimUhr* Uhr = nullptr;
    void Klang(TKlang k) override {
        if (!aus_ || !Uhr) return;
        const std::uint64_t t = Uhr->Jetzt();
        char zeit[32];
        std::snprintf(zeit, sizeof zeit, "%llu.%03llu s ",
                      static_cast<unsigned long long>(t / 1000),
                      static_cast<unsigned long long>(t % 1000));
        *aus_ << zeit << KlangName(k) << '\n';
    }

  private:
    std::ostream* aus_;
};

const char* UrsachenText(TTodesart t) {
    switch (t) {
        case TTodesart::EigeneBombe:
            return "eigene Bombe";
        case TTodesart::GegnerBombe:
            return "Bombe des Gegners";
        case TTodesart::Ertrunken:
            return "ertrunken";
        case TTodesart::Sturmflut:
            return "Sturmflut";
        default:
            return nullptr;
    }
}

std::string Dezimal(double wert, int stellen) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.*f", stellen, wert);
    std::string s = puffer;
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

}  // namespace

int Simulieren(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
    TOptionen o;
    if (const std::string klage = Lesen(args, o); !klage.empty()) {
        fehler << klage << " Hilfe mit --help.\n";
        return kAufrufFehler;
    }
    const auto wandStart = std::chrono::steady_clock::now();

    TKonsolenMeldungen dateiMeldungen(fehler);
    TDateiFehler dateiFehler(dateiMeldungen);
    TSpielfeld feld;
    TEinstellungen einst;
    TBombenListen bomben;
    const std::uint64_t saat = o.Saat ? *o.Saat : SaatAusUhr();
    TZufall zufall(saat);
    TBilderSets bilder(dateiFehler);
    // The game's own picture folders, so levels find their pictures by name as in the game.
    bilder.StandardOrdner(Programmordner());
    bilder.BilderNeuLaden();
    TLevelDateien dateien(feld, bilder, dateiFehler);
    TLevelDateiQuelle quelle(dateien);
    THighscore highscore;

    if (!o.Einstellungen.empty() && EinstellungenLaden(einst, dateiFehler, o.Einstellungen))
        return kDateiFehler;
    if (!o.Level.empty()) {
        einst.LevellisteLoeschen();
        for (const auto& l : o.Level) einst.LevelAnhaengen(l);
    }
    if (einst.Levelliste().empty()) {
        fehler << "Es ist kein Level angegeben. Hilfe mit --help.\n";
        return kAufrufFehler;
    }
    einst.LevelAnzahl =
        static_cast<std::uint16_t>(std::min<std::size_t>(einst.Levelliste().size(), 65535));
    TSpielRecEinstellungen e = einst.EinstellungenHolen();
    e.Spieler1.Computer = e.Spieler2.Computer = true;
    if (o.Runden) e.Rundenanzahl = static_cast<std::uint8_t>(*o.Runden);
    if (o.Schwierigkeit) e.Schwierigkeit = static_cast<std::uint8_t>(*o.Schwierigkeit);
    if (o.Zufall) e.LevelZufall = true;
    einst.EinstellungenSetzen(e);
    einst.Arbeitskopie = e;
    for (int i = 0; i < 2; ++i)
        einst.ComputerArten[std::size_t(i)] =
            o.Stark[std::size_t(i)] ? TComputerArt::Stark : TComputerArt::Klassisch;
    einst.Sturmflut = std::uint8_t(o.Sturmflut.value_or(0));

    if (!o.Highscore.empty() && DateiExistiert(o.Highscore)) {
        HighscoreLaden(highscore, dateiFehler, o.Highscore);
        if (dateiMeldungen.Fehleranzahl() > 0) return kDateiFehler;
    }

    TMatchMeldungen meldungen(fehler);
    TKlangZeilen ansicht(o.Klaenge ? &aus : nullptr);
    TAufgenommenesMatch match({feld, einst, bomben, zufall}, quelle, highscore, o.Highscore,
                              meldungen, ansicht);
    ansicht.Uhr = &match.Uhr();
    TSpiel& spiel = match.Spiel();
    TMatchLauf& lauf = match.Lauf();
    TSimUhr& uhr = match.Uhr();
    if (!match.Starten(saat)) return kDateiFehler;

    const std::uint64_t grenze = o.MaxSekunden * 1000;
    std::size_t gedruckt = 0;
    auto drucken = [&] {
        for (; gedruckt < lauf.Protokoll.size(); ++gedruckt) {
            aus << lauf.Protokoll[gedruckt] << '\n';
            if (o.Ursachen && lauf.Protokoll[gedruckt].rfind("Runde ", 0) == 0)
                for (int p = 1; p <= 2; ++p)
                    if (const char* u = UrsachenText(spiel.Todesart(p)))
                        aus << "  Spieler " << p << ": " << u << '\n';
        }
    };
    while (true) {
        const bool zuende =
            uhr.LaufeBisBedingung([&] { return !spiel.FeldAktiv(); }, uhr.Jetzt() + grenze);
        lauf.Bis(uhr.Jetzt());
        if (!zuende) lauf.Anwenden(TEingabeArt::Abbrechen);
        drucken();
        if (spiel.MatchVorbei()) break;
        lauf.Anwenden(TEingabeArt::NaechsteRunde);
        if (!spiel.FeldAktiv()) return kDateiFehler;  // the next level did not load
    }
    const TAufnahme& aufnahme = match.Abschliessen();
    if (!o.Aufnahme.empty()) {
        if (const std::string f = AufnahmeSchreiben(o.Aufnahme, aufnahme); !f.empty()) {
            fehler << f << '\n';
            return kDateiFehler;
        }
    }
    const double simuliert = static_cast<double>(uhr.Jetzt()) / 1000.0;
    const double wand = std::max(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wandStart).count(), 1e-6);
    aus << "Spielzeit: " << Dezimal(simuliert, 1) << " s simuliert in " << Dezimal(wand, 3)
        << " s (" << Dezimal(simuliert / wand, 0) << "-fach Echtzeit)\n";
    return spiel.HighscoreFehler() ? kDateiFehler : 0;
}
