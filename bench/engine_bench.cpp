// How much faster than real time the match engine runs computer-against-computer matches in
// simulated time, on a level of the usual size and on the largest square level.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "files/UHighscore.h"
#include "match/ULevelQuelle.h"
#include "match/USimUhr.h"
#include "match/USpiel.h"

namespace {

class TStilleMeldungen : public IMeldungen {
  public:
    void Zeige(TBoxTyp, const std::string&) override {}
    bool FrageJaNein(TBoxTyp, const std::string&) override { return false; }
    TAntwort FrageJaNeinAbbrechen(TBoxTyp, const std::string&) override { return TAntwort::Nein; }
};

// Pillars on odd rows and columns, destructible blocks on most other cells, free corners for the
// players and a pool of water in the middle.
std::vector<TZelle> Arena(int breite, int hoehe, std::uint64_t saat) {
    TZufall z(saat);
    std::vector<TZelle> zellen(static_cast<std::size_t>(breite) * hoehe);
    for (int r = 0; r < hoehe; ++r)
        for (int c = 0; c < breite; ++c) {
            TZellenArt art = zaFrei;
            const bool ecke = r + c < 3 || (hoehe - 1 - r) + (breite - 1 - c) < 3;
            if (r % 2 == 1 && c % 2 == 1)
                art = zaUnzerstoerbar;
            else if (!ecke && z.Zufall(100) < 60)
                art = zaZerstoerbar;
            if (r == hoehe / 2 && c == breite / 2) art = zaWasser;
            zellen[static_cast<std::size_t>(r) * breite + c].Art = art;
        }
    zellen.front().Art = zaSpieler1;
    zellen.back().Art = zaSpieler2;
    return zellen;
}

struct TErgebnis {
    double Simuliert = 0;  // seconds
    double Wand = 0;       // seconds
    int Runden = 0;
    int Abgebrochen = 0;
};

TErgebnis Messen(int breite, int hoehe, int runden, std::uint64_t saat) {
    TSpielfeld feld;
    TEinstellungen einst;
    TBombenListen bomben;
    TZufall zufall(saat);
    TSpeicherLevel level(feld);
    THighscore highscore;
    TStilleMeldungen meldungen;
    TKeineAnsicht ansicht;
    TSimUhr uhr;

    TFeldDaten g;
    g.Name = "Bank";
    g.SpielBreite = static_cast<std::uint16_t>(breite);
    g.SpielHoehe = static_cast<std::uint16_t>(hoehe);
    level.Hinzufuegen("bank.dat", g, Arena(breite, hoehe, saat));
    einst.LevelAnhaengen("bank.dat");
    einst.LevelAnzahl = 1;
    TSpielRecEinstellungen e = einst.EinstellungenHolen();
    e.Spieler1.Computer = e.Spieler2.Computer = true;
    e.Rundenanzahl = static_cast<std::uint8_t>(runden);
    einst.EinstellungenSetzen(e);
    einst.Arbeitskopie = e;

    TSpiel spiel({{feld, einst, bomben, zufall}, level, highscore, "", meldungen, ansicht, uhr});
    TErgebnis erg;
    const auto start = std::chrono::steady_clock::now();
    if (!spiel.MatchStarten()) return erg;
    while (true) {
        ++erg.Runden;
        const bool zuende =
            uhr.LaufeBisBedingung([&] { return !spiel.FeldAktiv(); }, uhr.Jetzt() + 600000);
        if (!zuende) {
            ++erg.Abgebrochen;
            spiel.RundeAnhalten();
            if (spiel.Runde() >= runden) spiel.MatchEnde();
        }
        if (spiel.MatchVorbei()) break;
        spiel.NextRound();
    }
    erg.Wand = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    erg.Simuliert = static_cast<double>(uhr.Jetzt()) / 1000.0;
    return erg;
}

double Zeigen(const char* name, int breite, int hoehe, int runden, int matches) {
    TErgebnis summe;
    for (int m = 0; m < matches; ++m) {
        const TErgebnis e = Messen(breite, hoehe, runden, 1000 + m);
        summe.Simuliert += e.Simuliert;
        summe.Wand += e.Wand;
        summe.Runden += e.Runden;
        summe.Abgebrochen += e.Abgebrochen;
    }
    const double faktor = summe.Simuliert / std::max(summe.Wand, 1e-9);
    std::printf(
        "%-8s %3d x %3d  %6d Zellen  %3d Runden (%d abgebrochen)  %10.1f s simuliert in "
        "%7.3f s  = %10.0f-fach Echtzeit\n",
        name, breite, hoehe, breite * hoehe, summe.Runden, summe.Abgebrochen, summe.Simuliert,
        summe.Wand, faktor);
    return faktor;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main() {
    // The same matches five times; the median holds on a busy machine.
    std::vector<double> faktoren;
    for (int i = 0; i < 5; ++i) faktoren.push_back(Zeigen("normal", 20, 16, 10, 20));
    const double klein = Median(faktoren);
    const double gross = Zeigen("riesig", 255, 255, 2, 2);
    const double zellen = (255.0 * 255.0) / (20.0 * 16.0);
    std::printf("Verhältnis normal/riesig: %.1f (Zellenverhältnis %.1f)\n", klein / gross, zellen);
    std::printf(
        "Ziel normal >= 10000-fach: %s; riesig fällt höchstens um das Zellenverhältnis: %s\n",
        klein >= 10000 ? "ja" : "nein", klein / gross <= zellen ? "ja" : "nein");
    std::printf("BUDGET engine-speed: %.0fx (target >=10000x) %s\n", klein,
                klein >= 10000 ? "ok" : "MISSED");
    return 0;
}
