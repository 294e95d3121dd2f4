#include "computer/UStarkerComputer.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <queue>

namespace {

constexpr int kWeit = std::numeric_limits<int>::max() / 4;
// What a block or a bomb on the way costs in steps: the bomb, the flight and the burning.
constexpr int kBlockKosten = 7, kBombenKosten = 5;
// Extras within this many steps are worth the way.
constexpr int kExtraUmweg = 8;
// Water must stay away this many of its own beats (or of the player's, when longer) from a cell
// that counts as quiet.
constexpr int kFlutReserve = 2;
// An opponent this many steps away may still cut a way out with a bomb.
constexpr int kNaheSchritte = 8;
// A search stops once it knows this many quiet cells (and one for each first action).
constexpr int kGenugRuhige = 5;
// Within this many steps of the opponent a bomb needs a way out it cannot get into first.
constexpr int kFreiNah = 5;
// Where to bomb a block from: spots this many steps away at most, this many tried.
constexpr int kSprengWeg = 6, kSprengVersuche = 6;
// One in this many beats it takes a step toward the opponent that a bomb could cut off.
constexpr std::uint32_t kWagnis = 2;
// Cells the water reaches within this many of its beats are kept away from, ways through them
// cost this many steps more.
constexpr std::int64_t kFlutBeats = 4;
constexpr int kFlutUmweg = 6;
static_assert(1 + kBlockKosten + kFlutUmweg < 16, "Entfernungen's buckets");
// A bomb that lets water out which reaches its cell within this many times that is not laid to
// open a way or to drive the opponent.
constexpr std::int64_t kWasserSicht = 2;
// Blocks it may find closed before it takes the way round them.
constexpr int kUmwege = 3;
// Holding "Mehr Bomben" against an opponent without, it narrows the opponent's ground with a
// bomb within this many steps of it, unless the opponent can walk this many steps on and lay a
// bomb that cuts its way out.
constexpr int kEngeNah = 6, kSperrWeg = 3;

int Kosten(TZellenArt a) {
    switch (a) {
        case zaUnzerstoerbar:
        case zaWasser:
            return kWeit;
        case zaZerstoerbar:
            return 1 + kBlockKosten;
        case zaBombe:
        case zaSpieler1Bombe:
        case zaSpieler2Bombe:
            return 1 + kBombenKosten;
        default:
            return 1;
    }
}

int Bit(int aktion) {
    return 1 << aktion;
}

// One of the best, by the match's random source.
int Zufallswahl(TZufall& zufall, const std::vector<int>& beste) {
    return beste[zufall.Zufall(std::uint32_t(beste.size()))];
}

}  // namespace

int TStarkerComputer::Schritte(int a, int b) const {
    const int w = std::max(1, karte_.Breite());
    return std::abs(a % w - b % w) + std::abs(a / w - b / w);
}

bool TStarkerComputer::Nahe(int a, int b) const {
    return a >= 0 && b >= 0 && Schritte(a, b) <= kNaheSchritte;
}

TAuswege TStarkerComputer::Suchen(const TGefahrenKarte& k, int start, std::int64_t schritt,
                                  std::int64_t schutzBis, int gesperrt) {
    TAuswege a;
    const int n = k.Zellen();
    const std::int64_t p = std::max<std::int64_t>(schritt, 1);
    // The masks are left all clear by every search.
    for (auto& m : maske_)
        if (m.size() != std::size_t(n)) m.assign(std::size_t(n), 0);
    for (auto& l : liste_) l.clear();
    ruhigMarke_.resize(std::size_t(n), 0);
    if (++marke_ == 0) {
        std::fill(ruhigMarke_.begin(), ruhigMarke_.end(), 0);
        marke_ = 1;
    }
    const std::int64_t reserve = kFlutReserve * std::max(p, k.Wasserschritt());
    const int schichten = int(std::clamp<std::int64_t>((k.Ende() + p - 1) / p + 2, 3, 60));
    int jetzt = 0;
    std::uint8_t lebendig = 0, gefunden = 0;
    auto eintragen = [&](int z, std::uint8_t bits) {
        auto& m = maske_[1 - jetzt][std::size_t(z)];
        if (!m) liste_[1 - jetzt].push_back(z);
        m |= bits;
        lebendig |= bits;
    };
    // Where each step from z at time t may lead.
    auto weiter = [&](int z, std::int64_t t, std::uint8_t bits, bool erster) {
        if (k.Sicher(z, t, t + p, schutzBis)) eintragen(z, erster ? std::uint8_t(Bit(0)) : bits);
        for (TRichtung r = riOben; r <= riUnten; ++r) {
            const int m = k.Nachbar(z, r);
            if (m < 0 || m == gesperrt || k.Begehbar(m) > t || !k.Sicher(m, t, t + p, schutzBis))
                continue;
            if (!gegnerDa_.empty() && gegnerDa_[std::size_t(m)] < t) continue;
            eintragen(m, erster ? std::uint8_t(Bit(1 + r)) : bits);
        }
    };
    weiter(start, 0, 0, true);
    for (int schicht = 1; schicht <= schichten; ++schicht) {
        // Done once every first action still alive has its quiet cell and enough are known.
        if ((lebendig & ~gefunden) == 0 && a.Ruhige >= kGenugRuhige) {
            for (int z : liste_[1 - jetzt]) maske_[1 - jetzt][std::size_t(z)] = 0;
            break;
        }
        lebendig = 0;
        jetzt = 1 - jetzt;
        const std::int64_t t = schicht * p;
        for (int z : liste_[jetzt]) {
            const std::uint8_t bits = maske_[jetzt][std::size_t(z)];
            maske_[jetzt][std::size_t(z)] = 0;
            for (int b = 0; b < 5; ++b)
                if (bits & Bit(b)) a.Weit[std::size_t(b)] = schicht;
            if (k.Ruhig(z, t, reserve)) {
                for (int b = 0; b < 5; ++b)
                    if ((bits & Bit(b)) && a.Frueh[std::size_t(b)] < 0)
                        a.Frueh[std::size_t(b)] = schicht;
                gefunden |= bits;
                if (ruhigMarke_[std::size_t(z)] != marke_) {
                    ruhigMarke_[std::size_t(z)] = marke_;
                    ++a.Ruhige;
                }
                continue;
            }
            if (schicht < schichten) weiter(z, t, bits, false);
        }
        liste_[jetzt].clear();
    }
    return a;
}

int TStarkerComputer::Sprengplatz(int start, int block, int gesperrt,
                                  const std::function<bool(int)>& sicher) {
    const int n = karte_.Zellen();
    const std::int64_t td = karte_.NeueBombeZeit();
    erster_.assign(std::size_t(n), -1);
    std::vector<int> schlange{start};
    erster_[std::size_t(start)] = 0;
    int geprueft = 0;
    for (std::size_t i = 0; i < schlange.size() && geprueft < kSprengVersuche; ++i) {
        const int z = schlange[i];
        bool trifft = false;
        karte_.Arme(z, td, [&](int x) { trifft = trifft || x == block; });
        if (trifft) {
            ++geprueft;
            if (sicher(z)) return z == start ? 5 : erster_[std::size_t(z)];
        }
        if (Schritte(start, z) >= kSprengWeg) continue;
        for (TRichtung r = riOben; r <= riUnten; ++r) {
            const int m = karte_.Nachbar(z, r);
            if (m < 0 || m == gesperrt || erster_[std::size_t(m)] >= 0 || karte_.Begehbar(m) > 0)
                continue;
            erster_[std::size_t(m)] = z == start ? 1 + r : erster_[std::size_t(z)];
            schlange.push_back(m);
        }
    }
    return 0;
}

TAuswege TStarkerComputer::VorDemGegner(int start, std::int64_t schritt, std::int64_t schutzBis,
                                        int gegner, std::int64_t gegnerSchritt) {
    // Its first step may come at once; it passes a bomb or a block (never the start) once its
    // blast has gone: a corridor a blast still holds may be its way a moment later.
    gegnerDa_.assign(std::size_t(karte_.Zellen()), kNie);
    auto& schlange = liste_[0];
    schlange.assign(1, gegner);
    gegnerDa_[std::size_t(gegner)] = -gegnerSchritt;
    for (std::size_t i = 0; i < schlange.size(); ++i) {
        const int z = schlange[i];
        for (TRichtung r = riOben; r <= riUnten; ++r) {
            const int m = karte_.Nachbar(z, r);
            if (m < 0 || m == start) continue;
            const std::int64_t t =
                std::max(gegnerDa_[std::size_t(z)] + gegnerSchritt, karte_.Begehbar(m));
            if (t >= gegnerDa_[std::size_t(m)]) continue;
            gegnerDa_[std::size_t(m)] = t;
            schlange.push_back(m);
        }
    }
    const TAuswege a = Suchen(karte_, start, schritt, schutzBis, gegner);
    gegnerDa_.clear();
    return a;
}

bool TStarkerComputer::GegnerSperrt(int start, std::int64_t schritt, std::int64_t schutzBis,
                                    int gegner, std::int64_t gegnerSchritt, int tiefe) {
    // The cells it reaches within 'tiefe' steps (not through the start), each with its steps.
    auto& weg = gegnerWeg_;
    weg.assign(1, {gegner, 0});
    erster_.assign(std::size_t(karte_.Zellen()), -1);
    erster_[std::size_t(gegner)] = 0;
    for (std::size_t i = 0; i < weg.size(); ++i) {
        const auto [z, schritte] = weg[i];
        if (schritte >= tiefe) continue;
        for (TRichtung r = riOben; r <= riUnten; ++r) {
            const int m = karte_.Nachbar(z, r);
            if (m < 0 || m == start || erster_[std::size_t(m)] >= 0 || karte_.Begehbar(m) > 0)
                continue;
            erster_[std::size_t(m)] = 0;
            weg.push_back({m, schritte + 1});
        }
    }
    for (const auto& [z, schritte] : weg) {
        karte_.BombeDazu(z, schritte * gegnerSchritt);
        const bool frei = Suchen(karte_, start, schritt, schutzBis, z).Frueh[0] >= 0;
        karte_.BombeWeg();
        if (!frei) return true;
    }
    return false;
}

void TStarkerComputer::Entfernungen(const std::vector<int>& ziele) {
    const int n = karte_.Zellen();
    sperre_.resize(std::size_t(n), 0);
    abstand_.assign(std::size_t(n), kWeit);
    // Step costs are small whole numbers: a ring of buckets, one per distance, serves as the
    // priority queue.
    for (auto& e : eimer_) e.clear();
    std::size_t offen = 0;
    for (int z : ziele) {
        abstand_[std::size_t(z)] = 0;
        eimer_[0].push_back(z);
        ++offen;
    }
    for (int d = 0; offen > 0; ++d) {
        auto& e = eimer_[std::size_t(d) % eimer_.size()];
        for (std::size_t i = 0; i < e.size(); ++i, --offen) {
            const int z = e[i];
            if (abstand_[std::size_t(z)] != d) continue;
            int kosten = sperre_[std::size_t(z)] ? kWeit : Kosten(karte_.Art(z));
            if (kosten >= kWeit) continue;
            // Ways through cells the water will soon reach are long ones.
            if (karte_.Flut(z) < flutSicht_) kosten += kFlutUmweg;
            // Coming from a neighbour, entering z costs what z holds.
            const int neu = d + kosten;
            for (int m : {karte_.Nachbar(z, riOben), karte_.Nachbar(z, riLinks),
                          karte_.Nachbar(z, riRechts), karte_.Nachbar(z, riUnten)}) {
                if (m < 0 || neu >= abstand_[std::size_t(m)]) continue;
                abstand_[std::size_t(m)] = neu;
                eimer_[std::size_t(neu) % eimer_.size()].push_back(m);
                ++offen;
            }
        }
        e.clear();
    }
}

TAktion TStarkerComputer::Entscheide(TSpielDaten& d, int spieler, const TStarkLage& lage) {
    const TGefunden ich = SpielerFinden(d, spieler);
    if (!ich.Knoten) return TAktion::Keine;
    const int gegnerNr = spieler == 1 ? 2 : 1;
    const TGefunden gegner = SpielerFinden(d, gegnerNr);
    karte_.Berechnen(d.Feld, d.Bomben, lage.Takte);
    if (karte_.Zellen() == 0) return TAktion::Keine;
    // Blocks found closed stay walls until a block falls (or a round lays them anew): judged
    // afresh at every cell of the way, the way round and the way through would take turns.
    std::uint64_t bloecke = std::uint64_t(karte_.Zellen()) << 40;
    for (int z = 0; z < karte_.Zellen(); ++z)
        if (karte_.Art(z) == zaZerstoerbar) bloecke += std::uint64_t(z) + 1;
    if (bloecke != bloecke_) {
        sperre_.assign(std::size_t(karte_.Zellen()), 0);
        bloecke_ = bloecke;
    }
    flutSicht_ = kFlutBeats * std::int64_t(std::max<std::uint32_t>(lage.Takte.Wasser, 1));
    const int kIch = int(ich.Index) - 1;
    const int kGeg = gegner.Knoten ? int(gegner.Index) - 1 : -1;
    const std::int64_t p = std::max<std::uint32_t>(lage.Schritt, 1);
    const std::int64_t schutz = lage.Schutz > 1000 ? lage.Schutz - 1000 : 0;
    const TSpielRecEinstellungen e = d.Einstellungen.EinstellungenHolen();
    TAuswege jetzt = Suchen(karte_, kIch, p, schutz, kGeg);

    // What a bomb the opponent may lay where it stands would leave it: only the ways that
    // survive that too are taken while there are any.
    auto darfLegen = [&](int q, const TGefunden& g) {
        return g.Knoten && g.Knoten->Art == SpielerArt(q) && d.Bomben.DarfBombeLegen(e, q);
    };
    const bool gegnerDarf = darfLegen(gegnerNr, gegner) && Nahe(kIch, kGeg);
    // Where it is or one step on.
    std::vector<int> gegnerBomben;
    if (gegnerDarf) {
        gegnerBomben.push_back(kGeg);
        for (TRichtung r = riOben; r <= riUnten; ++r) {
            const int m = karte_.Nachbar(kGeg, r);
            if (m >= 0 && m != kIch && karte_.Begehbar(m) == 0) gegnerBomben.push_back(m);
        }
    }
    auto trotzGegner = [&](int start, const TAuswege& ohne) {
        TAuswege beide = ohne;
        for (int g : gegnerBomben) {
            karte_.BombeDazu(g);
            const TAuswege mit = Suchen(karte_, start, p, schutz, g);
            karte_.BombeWeg();
            for (std::size_t a = 0; a < 5; ++a)
                if (mit.Frueh[a] < 0) beide.Frueh[a] = -1;
        }
        return beide;
    };
    const TAuswege sicher = jetzt;
    if (const TAuswege robust = trotzGegner(kIch, jetzt); robust.Irgendein()) jetzt = robust;

    // A bomb at cell z: can it still get away, and where does that leave the opponent?
    const std::int64_t td = karte_.NeueBombeZeit();
    struct TBombenWert {
        bool Sicher = false, Trifft = false;
        bool Entkommt = false;  // a way out, if only one
        bool Wasser = false;    // it lets water out that soon comes near
        int GegnerRuhige = -1;  // quiet cells the opponent can still reach; 0: none
    };
    auto bewerten = [&](int z) {
        TBombenWert w;
        const std::int64_t flutVorher = karte_.Flut(z);
        karte_.BombeDazu(z);
        w.Wasser = karte_.Flut(z) < flutVorher && karte_.Flut(z) < kWasserSicht * flutSicht_;
        const TAuswege eigene = Suchen(karte_, z, p, schutz, kGeg);
        // With the opponent close, any way out may be one it stands in first (two quiet cells
        // may lie behind one corridor).
        const bool nah = kGeg >= 0 && Schritte(z, kGeg) <= kFreiNah;
        w.Entkommt = trotzGegner(z, eigene).Frueh[0] >= 0;
        w.Sicher = w.Entkommt;
        if (w.Sicher && nah)
            w.Sicher = VorDemGegner(z, p, schutz, kGeg, lage.GegnerSchritt).Frueh[0] >= 0;
        if (w.Entkommt && kGeg >= 0) {
            const std::int64_t gegnerSchutz = e.Spieler(gegnerNr).Unverwundbar ? kNie : 0;
            const TAuswege g = Suchen(karte_, kGeg, lage.GegnerSchritt, gegnerSchutz, z);
            w.GegnerRuhige = g.Irgendein() ? g.Ruhige : 0;
        }
        karte_.BombeWeg();
        return w;
    };
    const bool darf = darfLegen(spieler, ich);
    TBombenWert hier;
    if (darf) {
        hier = bewerten(kIch);
        karte_.Arme(kIch, td, [&](int z) { hier.Trifft = hier.Trifft || z == kGeg; });
    }

    auto taste = [](int aktion) {
        return aktion == 0 ? TAktion::Keine : SchrittNach(TRichtung(aktion - 1));
    };
    auto bombeNebenan = [&] {
        for (TRichtung r = riOben; r <= riUnten; ++r) {
            const int m = karte_.Nachbar(kIch, r);
            if (m >= 0 && karte_.Art(m) == zaBombe) return true;
        }
        return false;
    };
    std::vector<int> beste;

    // Nothing saves it: a bomb that blasts a way out (from rising water), throw a bomb away, or
    // hold out as long as it can.
    if (!jetzt.Irgendein()) {
        if (hier.Entkommt) return TAktion::Bombe;
        if (e.Spieler(spieler).Werfen && bombeNebenan()) return TAktion::Werfen;
        int weit = -1;
        for (int a = 0; a < 5; ++a) {
            if (jetzt.Weit[std::size_t(a)] > weit) beste.clear(), weit = jetzt.Weit[std::size_t(a)];
            if (jetzt.Weit[std::size_t(a)] == weit) beste.push_back(a);
        }
        return taste(Zufallswahl(d.Zufall, beste));
    }
    // A trapped opponent cannot stand in its way.
    if (hier.Entkommt && hier.GegnerRuhige == 0) return TAktion::Bombe;

    // Its cell will burn: the quickest way to a quiet cell, by a way the opponent cannot stand in
    // first if there is one, and on the move rather than waiting when that is as quick (a
    // player waiting for the opponent to block it dies by its own bomb).
    if (karte_.Ab(kIch) < kNie || jetzt.Frueh[0] < 0) {
        TAuswege wege = jetzt;
        if (Nahe(kIch, kGeg)) {
            const TAuswege frei = VorDemGegner(kIch, p, schutz, kGeg, lage.GegnerSchritt);
            for (std::size_t a = 0; a < 5; ++a)
                if (frei.Frueh[a] < 0) wege.Frueh[a] = -1;
            if (!wege.Irgendein()) wege = jetzt;
        }
        int frueh = kWeit;
        for (int a = 4; a >= 0; --a) {
            const int f = wege.Frueh[std::size_t(a)];
            if (f < 0 || f > frueh || (a == 0 && f == frueh)) continue;
            if (f < frueh) beste.clear(), frueh = f;
            beste.push_back(a);
        }
        return taste(Zufallswahl(d.Zufall, beste));
    }
    // The opponent in reach: the bomb drives it away or into a corner (two players that only
    // wait beside each other would never decide a round), even when it lets water out: the
    // water drives both.
    if (hier.Sicher && hier.Trifft) return TAktion::Bombe;
    // More bombs than the opponent: one bomb each never catches a careful player, but every
    // bomb it gets away from narrows the opponent's ground while the opponent cannot answer in
    // kind (once it could walk up and cut the way out, it waits).
    if (hier.Sicher && e.Spieler(spieler).MehrBomben && !e.Spieler(gegnerNr).MehrBomben &&
        kGeg >= 0 && Schritte(kIch, kGeg) <= kEngeNah) {
        karte_.BombeDazu(kIch);
        const bool gesperrt = GegnerSperrt(kIch, p, schutz, kGeg, lage.GegnerSchritt, kSperrWeg);
        karte_.BombeWeg();
        if (!gesperrt) return TAktion::Bombe;
    }

    // Extras close by, else the opponent.
    std::vector<int> ziele;
    for (int z = 0; z < karte_.Zellen(); ++z)
        if (IstExtraArt(karte_.Art(z))) ziele.push_back(z);
    bool extras = false;
    if (!ziele.empty()) {
        Entfernungen(ziele);
        extras = abstand_[std::size_t(kIch)] <= kExtraUmweg;
    }
    if (!extras) {
        ziele.clear();
        if (kGeg >= 0) ziele.push_back(kGeg);
        Entfernungen(ziele);
    }
    // The cell the best way leads through from z.
    auto weiterVon = [&](int z) {
        int weiter = -1, wert = kWeit;
        for (TRichtung r = riOben; r <= riUnten; ++r) {
            const int m = karte_.Nachbar(z, r);
            if (m < 0 || abstand_[std::size_t(m)] >= kWeit) continue;
            const int w = abstand_[std::size_t(m)] +
                          (sperre_[std::size_t(m)] ? kWeit : Kosten(karte_.Art(m)));
            if (w < wert) wert = w, weiter = m;
        }
        return weiter;
    };
    // The first block on the way, if it comes within a bomb's reach: bombed from the nearest
    // cell that lets it get away. A block no bomb can open safely (a narrow corridor at a slow
    // beat) counts as a wall, and the way is sought round it.
    int weiter = weiterVon(kIch);
    for (int versuch = 0; darf && versuch < kUmwege; ++versuch) {
        int block = weiter;
        for (int schritt = 1; schritt < kSprengWeg && block >= 0 && karte_.Begehbar(block) == 0;
             ++schritt)
            block = weiterVon(block);
        if (block < 0 || karte_.Art(block) != zaZerstoerbar) break;
        const int a = Sprengplatz(kIch, block, kGeg, [&](int z) {
            const TBombenWert w = bewerten(z);
            return w.Sicher && !w.Wasser;
        });
        if (a == 5) return TAktion::Bombe;
        if (a > 0 && jetzt.Frueh[std::size_t(a)] >= 0) return taste(a);
        if (a > 0) break;
        sperre_[std::size_t(block)] = 1;
        Entfernungen(ziele);
        weiter = weiterVon(kIch);
    }
    const int abstand = abstand_[std::size_t(kIch)];
    if (weiter >= 0 && karte_.Art(weiter) == zaBombe && e.Spieler(spieler).Werfen) {
        return TAktion::Werfen;
    }
    // A step that comes closer, the closest winning; one the opponent could cut off only now and
    // then, and never while its own bomb ticks (two careful players would never meet).
    auto naeher = [&](const TAuswege& wege) {
        int naechst = abstand;
        for (int a = 1; a < 5; ++a) {
            const int m = karte_.Nachbar(kIch, TRichtung(a - 1));
            if (wege.Frueh[std::size_t(a)] < 0 || m < 0 || karte_.Begehbar(m) > 0) continue;
            const int dm = abstand_[std::size_t(m)];
            if (dm > naechst || dm >= abstand) continue;
            if (dm < naechst) beste.clear(), naechst = dm;
            beste.push_back(a);
        }
        return !beste.empty();
    };
    if (naeher(jetzt)) return taste(Zufallswahl(d.Zufall, beste));
    if (d.Bomben.OhneBombe(std::uint8_t(spieler)) && d.Zufall.Zufall(kWagnis) == 0 &&
        naeher(sicher))
        return taste(Zufallswahl(d.Zufall, beste));
    // No way on (the goal walled off or behind a burning cell): away from water that comes
    // near, else wait, or wander when the goal cannot be reached at all.
    if (karte_.Flut(kIch) < flutSicht_) {
        std::int64_t spaet = karte_.Flut(kIch);
        for (int a = 1; a < 5; ++a) {
            const int m = karte_.Nachbar(kIch, TRichtung(a - 1));
            if (jetzt.Frueh[std::size_t(a)] < 0 || m < 0 || karte_.Flut(m) <= spaet) continue;
            if (karte_.Flut(m) > spaet) beste.clear(), spaet = karte_.Flut(m);
            beste.push_back(a);
        }
        if (!beste.empty()) return taste(Zufallswahl(d.Zufall, beste));
    }
    if (abstand >= kWeit) {
        for (int a = 1; a < 5; ++a)
            if (jetzt.Frueh[std::size_t(a)] >= 0) beste.push_back(a);
        if (!beste.empty()) return taste(Zufallswahl(d.Zufall, beste));
    }
    return TAktion::Keine;
}
