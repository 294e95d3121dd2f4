// How much faster than real time the match engine runs computer-against-computer matches in
// simulated time, on a level of the usual size and on the largest square level.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "computer/UStarkerComputer.h"
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

TErgebnis Messen(int breite, int hoehe, int runden, std::uint64_t saat, bool stark = false) {
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
    if (stark) einst.ComputerArten = {TComputerArt::Stark, TComputerArt::Stark};

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

double Zeigen(const char* name, int breite, int hoehe, int runden, int matches,
              bool stark = false) {
    TErgebnis summe;
    for (int m = 0; m < matches; ++m) {
        const TErgebnis e = Messen(breite, hoehe, runden, 1000 + m, stark);
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

// The strong computer's decisions on the largest level the editor makes (25 x 25), each with
// both players and up to six ticking bombs at random places: the 99th percentile in ms.
double Entscheidungen(int anzahl) {
    constexpr int kSeite = 25;
    std::vector<double> ms;
    TZufall z(77);
    TStarkerComputer computer;
    for (int i = 0; i < anzahl; ++i) {
        std::vector<TZelle> zellen = Arena(kSeite, kSeite, 500 + std::uint64_t(i));
        std::vector<std::size_t> frei;
        for (std::size_t k = 0; k < zellen.size(); ++k)
            if (zellen[k].Art == zaFrei) frei.push_back(k);
        TSpielfeld feld;
        TFeldDaten g;
        g.SpielBreite = g.SpielHoehe = kSeite;
        feld.SetzeFeldDaten(g);
        feld.ErzeugeFeld(feld.Zellenzahl());
        TBombenListen bomben;
        const int nBomben = int(z.Zufall(7));
        for (int b = 0; b < nBomben; ++b) {
            const std::size_t k = frei[z.Zufall(std::uint32_t(frei.size()))];
            zellen[k].Art = zaBombe;
            bomben.Anhaengen(std::uint16_t(4 - b * 4 / std::max(nBomben, 1)),
                             {std::uint16_t(k / kSeite + 1), std::uint16_t(k % kSeite + 1)}, 1,
                             true);
        }
        for (std::size_t k = 0; k < zellen.size(); ++k)
            TSpielfeld::SetzeZellenDaten(feld.KnotenBei(TIndex(k + 1)), zellen[k]);
        TEinstellungen einst;
        TZufall zufall{std::uint64_t(i)};
        TSpielDaten d{feld, einst, bomben, zufall};
        TStarkLage lage;
        lage.Takte.BisBombe = nBomben ? 200 : 0;
        lage.Schritt = lage.GegnerSchritt = 150;
        const auto start = std::chrono::steady_clock::now();
        computer.Entscheide(d, 1 + i % 2, lage);
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() * 99 / 100];
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
    // The same with two strong computers, and what one of their decisions costs.
    std::vector<double> stark;
    for (int i = 0; i < 3; ++i) stark.push_back(Zeigen("stark", 20, 16, 10, 10, true));
    const double starkFaktor = Median(stark);
    std::printf("BUDGET engine-speed-strong: %.0fx (target >=10000x) %s\n", starkFaktor,
                starkFaktor >= 10000 ? "ok" : "MISSED");
    const double entscheidung = Entscheidungen(2000);
    std::printf("BUDGET strong-decision: %.3fms (target <=2.000ms) %s\n", entscheidung,
                entscheidung <= 2.0 ? "ok" : "MISSED");
    return 0;
}
