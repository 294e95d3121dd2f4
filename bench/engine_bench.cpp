// The match engine and the strong computer, each against a yardstick timed in the same run, in
// turns with it: what a second of a computer-against-computer match costs the engine against one
// blit of the usual board's picture, the strong computers' matches against the classic ones' on
// the same level and seeds, and one decision of the strong computer against the same blit.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/massstab.h"
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
    double Prozessor = 0;  // seconds of processor time
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
    // The strong computers play with the storm flood after a minute: its last seconds are when
    // they look furthest.
    if (stark) einst.ComputerArten = {TComputerArt::Stark, TComputerArt::Stark};
    if (stark) einst.Sturmflut = 1;

    TSpiel spiel({{feld, einst, bomben, zufall}, level, highscore, "", meldungen, ansicht, uhr});
    TErgebnis erg;
    const double start = Prozessorsekunden();
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
    erg.Prozessor = Prozessorsekunden() - start;
    erg.Simuliert = static_cast<double>(uhr.Jetzt()) / 1000.0;
    return erg;
}

// Matches on one level, summed.
TErgebnis Serie(int breite, int hoehe, int runden, int matches, bool stark = false) {
    TErgebnis summe;
    for (int m = 0; m < matches; ++m) {
        const TErgebnis e = Messen(breite, hoehe, runden, 1000 + m, stark);
        summe.Simuliert += e.Simuliert;
        summe.Prozessor += e.Prozessor;
        summe.Runden += e.Runden;
        summe.Abgebrochen += e.Abgebrochen;
    }
    return summe;
}

// Processor time per simulated second.
double ProSekunde(const TErgebnis& e) {
    return e.Prozessor / std::max(e.Simuliert, 1e-9);
}

// Keeps the fastest run of the same matches: their simulated time is the same in each, and noise
// only adds to the time they take.
void Schnellere(TErgebnis& best, const TErgebnis& e) {
    if (best.Runden == 0 || ProSekunde(e) < ProSekunde(best)) best = e;
}

void Zeigen(const char* name, int breite, int hoehe, const TErgebnis& e) {
    std::printf(
        "%-8s %3d x %3d  %6d Zellen  %3d Runden (%d abgebrochen)  %10.1f s simuliert in "
        "%7.3f s  = %8.2f us je simulierte Sekunde\n",
        name, breite, hoehe, breite * hoehe, e.Runden, e.Abgebrochen, e.Simuliert, e.Prozessor,
        ProSekunde(e) * 1e6);
}

// Each position of the strong computer on the largest level the editor makes (25 x 25), with
// both players and up to six ticking bombs at random places, every other one with the storm flood
// coming in; the same positions on every call.
// Returns the seconds of each decision.
std::vector<double> Entscheidungen(int anzahl) {
    constexpr int kSeite = 25;
    std::vector<double> sekunden;
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
        // Every other position with the storm flood's rings coming in.
        if (i % 2)
            lage.Takte.BisSturm = 1 + z.Zufall(3000), lage.Takte.SturmRing = int(z.Zufall(6));
        sekunden.push_back(Prozessorzeit([&] { computer.Entscheide(d, 1 + i % 2, lage); }, 1));
    }
    return sekunden;
}

}  // namespace

int main() {
    // The yardstick: one blit of the usual board's picture, 20 x 16 cells of 40 pixels, timed as
    // the work is, in processor time.
    TBlit blit(QSize(20 * 40, 16 * 40));
    double blitZeit = 1e30;
    const auto blitten = [&] { blitZeit = std::min(blitZeit, Prozessorzeit(blit, 200)); };

    // The same ten matches of ten rounds on the usual level, with classic and with strong
    // computers, in turns with the blit; the fastest run of each counts.
    TErgebnis klassisch, stark;
    for (int r = 0; r < 3; ++r) {
        for (int k = 0; k < 3; ++k) {
            blitten();
            Schnellere(klassisch, Serie(20, 16, 10, 10));
        }
        blitten();
        Schnellere(stark, Serie(20, 16, 10, 10, true));
    }
    Zeigen("klassisch", 20, 16, klassisch);
    Zeigen("stark", 20, 16, stark);
    const TErgebnis riesig = Serie(255, 255, 2, 2);
    Zeigen("riesig", 255, 255, riesig);
    std::printf("riesig/normal je simulierte Sekunde: %.1f (Zellenverhältnis %.1f)\n",
                ProSekunde(riesig) / ProSekunde(klassisch), (255.0 * 255.0) / (20.0 * 16.0));

    // The decisions five times over, in turns with the blit; the fastest time of each counts.
    constexpr int kEntscheidungen = 2000;
    std::vector<double> entscheidung(kEntscheidungen, 1e30);
    for (int r = 0; r < 5; ++r) {
        blitten();
        const std::vector<double> t = Entscheidungen(kEntscheidungen);
        for (int i = 0; i < kEntscheidungen; ++i) entscheidung[i] = std::min(entscheidung[i], t[i]);
    }
    std::sort(entscheidung.begin(), entscheidung.end());
    const double p99 = entscheidung[entscheidung.size() * 99 / 100];
    std::printf("blit of %d x %d: %.3f ms; strong decision, 99th percentile: %.3f ms\n",
                blit.Groesse().width(), blit.Groesse().height(), blitZeit * 1e3, p99 * 1e3);

    // The window shows 60 pictures a second; the engine's work for a whole second of play stays
    // below a quarter of one blit of such a picture, so that next to drawing it is noise, and
    // headless runs (the soak, simulieren) go as fast as the computers let them. Today about 0.05.
    Budget("engine-speed", ProSekunde(klassisch) / blitZeit, 0.25, 3);
    // What the strong computers add: scripts/computer-messen.sh plays some 5600 of their rounds
    // for 50 a level, about 50 s of processor time at today's 21-22 times the classic cost; at
    // 50 times it is still a matter of minutes, not hours.
    Budget("engine-speed-strong", ProSekunde(stark) / ProSekunde(klassisch), 50.0, 1);
    // A decision is made between two pictures. At most two blits is half of what one full paint
    // of the board may cost (paint-default): two strong computers deciding in the same frame cost
    // no more than one picture, on any machine that draws the match smoothly. Today about 0.4.
    Budget("strong-decision", p99 / blitZeit, 2.0);
    return 0;
}
