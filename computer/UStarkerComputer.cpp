#include "computer/UStarkerComputer.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <queue>

#include "model/USturmRinge.h"

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
// The storm flood: it heads for the innermost this many rings once the flood would reach its cell
// less than this many ms after it could be there; it looks only when its cell floods within the
// last time.
constexpr int kInnenRinge = 3;
constexpr std::int64_t kSturmVorlauf = 12000, kSturmBlick = 90000;
// This close to the flood's last ring two careful players would only drown together: a bomb
// within this many steps of the opponent is worth laying when the opponent cannot outlast it.
constexpr std::int64_t kEndkampf = 20000;
constexpr int kEndkampfNah = 12;
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

// A first action of TAuswege as the match carries it out: 0 waits, 1 + r steps toward r.
TAktion AlsAktion(int erste) {
    return erste == 0 ? TAktion::Keine : SchrittNach(TRichtung(erste - 1));
}

// One of the best first actions, by the match's random source; none when there is none.
std::optional<TAktion> EineVon(TZufall& zufall, const std::vector<int>& beste) {
    if (beste.empty()) return std::nullopt;
    return AlsAktion(beste[zufall.Zufall(std::uint32_t(beste.size()))]);
}

bool BombeNebenan(const TGefahrenKarte& k, int z) {
    for (TRichtung r = riOben; r <= riUnten; ++r) {
        const int m = k.Nachbar(z, r);
        if (m >= 0 && k.Art(m) == zaBombe) return true;
    }
    return false;
}

}  // namespace

struct TStarkerComputer::TBombenWert {
    bool Sicher = false, Trifft = false;
    bool Entkommt = false;  // a way out, if only one
    bool Wasser = false;    // it lets water out that soon comes near
    int GegnerRuhige = -1;  // quiet cells the opponent can still reach; 0: none
};

struct TStarkerComputer::TBlick {
    TBlick(TSpielDaten& d, const TStarkLage& lage, int spieler)
        : D(d), Lage(lage), Spieler(spieler), GegnerNr(spieler == 1 ? 2 : 1) {}

    TSpielDaten& D;
    const TStarkLage& Lage;
    const int Spieler, GegnerNr;
    TSpielRecEinstellungen E;
    int Ich = -1, Gegner = -1;   // their cells; -1: the opponent is not on the board
    std::int64_t Schritt = 1;    // ms from one of its actions to its next
    std::int64_t Schutz = 0;     // burns before this do it no harm
    std::int64_t FlutSicht = 0;  // water closer in time than this is kept away from
    // Its ways out: those that survive a bomb the opponent may lay now, where there are any
    // (Jetzt), and all of them.
    TAuswege Jetzt, Alle;
    std::vector<int> GegnerBomben;  // where the opponent may lay that bomb
    bool Darf = false;              // it may lay a bomb now
    TBombenWert Hier;               // a bomb where it stands
    // The way on: its goals (their distances in abstand_), and the cell it leads through first.
    std::vector<int> Ziele;
    int Weiter = -1;
};

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
    std::int64_t bisWann = k.Ende();
    // Staying alive at all: to the flood's last ring, which ends it for everyone.
    if (ohneRuhe_ && k.SturmEnde() < kNie) bisWann = std::max(bisWann, k.SturmEnde());
    const int schichten = int(std::clamp<std::int64_t>((bisWann + p - 1) / p + 2, 3, 60));
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
        // Nothing burns any more, only water comes, which never recedes: one pass over the
        // cells instead of a layer a step up to the horizon.
        if (ohneRuhe_ && gegnerDa_.empty() && t >= k.Ende()) {
            Nachlauf(k, a, schicht, schichten, p, gesperrt, jetzt);
            break;
        }
        for (int z : liste_[jetzt]) {
            const std::uint8_t bits = maske_[jetzt][std::size_t(z)];
            maske_[jetzt][std::size_t(z)] = 0;
            for (int b = 0; b < 5; ++b)
                if (bits & Bit(b)) a.Weit[std::size_t(b)] = schicht;
            if (!ohneRuhe_ && k.Ruhig(z, t, reserve, p)) {
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

void TStarkerComputer::Nachlauf(const TGefahrenKarte& k, TAuswege& a, int schicht, int schichten,
                                std::int64_t p, int gesperrt, int jetzt) {
    // A cell lives up to the last layer before its water. Waiting is always allowed, so the
    // first arrival of each action at a cell is the one that counts.
    auto letzte = [&](int z) {
        const std::int64_t f = k.Flut(z);
        return f >= kNie ? schichten : int(std::min<std::int64_t>((f - 1) / p, schichten));
    };
    auto& maske = maske_[jetzt];
    std::vector<std::pair<int, std::uint8_t>>& rand = nachlauf_[0];
    std::vector<std::pair<int, std::uint8_t>>& neu = nachlauf_[1];
    rand.clear();
    // The cells alive now keep their actions in the mask, which is cleared again at the end.
    std::vector<int>& besucht = liste_[jetzt];
    for (int z : besucht) rand.push_back({z, maske[std::size_t(z)]});
    for (int ebene = schicht; !rand.empty(); ++ebene) {
        neu.clear();
        for (const auto& [z, bits] : rand) {
            for (int b = 0; b < 5; ++b)
                if (bits & Bit(b))
                    a.Weit[std::size_t(b)] = std::max(a.Weit[std::size_t(b)], letzte(z));
            if (ebene >= schichten) continue;
            for (TRichtung r = riOben; r <= riUnten; ++r) {
                const int m = k.Nachbar(z, r);
                if (m < 0 || m == gesperrt || k.Begehbar(m) > ebene * p ||
                    (ebene + 1) * p >= k.Flut(m))
                    continue;
                auto& da = maske[std::size_t(m)];
                const std::uint8_t dazu = std::uint8_t(bits & ~da);
                if (!dazu) continue;
                if (!da) besucht.push_back(m);
                da |= dazu;
                neu.push_back({m, dazu});
            }
        }
        std::swap(rand, neu);
    }
    for (int z : besucht) maske[std::size_t(z)] = 0;
    besucht.clear();
}

std::optional<int> TStarkerComputer::Sprengplatz(int start, int block, int gesperrt,
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
            if (sicher(z)) return erster_[std::size_t(z)];
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
    return std::nullopt;
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

void TStarkerComputer::Entfernungen(const TBlick& b) {
    const int n = karte_.Zellen();
    sperre_.resize(std::size_t(n), 0);
    abstand_.assign(std::size_t(n), kWeit);
    // Step costs are small whole numbers: a ring of buckets, one per distance, serves as the
    // priority queue.
    for (auto& e : eimer_) e.clear();
    std::size_t offen = 0;
    for (int z : b.Ziele) {
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
            if (karte_.Flut(z) < b.FlutSicht) kosten += kFlutUmweg;
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

TStarkerComputer::TBombenWert TStarkerComputer::Bewerten(const TBlick& b, int z,
                                                         bool gegnerRuhige) {
    TBombenWert w;
    const std::int64_t flutVorher = karte_.Flut(z);
    karte_.BombeDazu(z);
    w.Wasser = karte_.Flut(z) < flutVorher && karte_.Flut(z) < kWasserSicht * b.FlutSicht;
    const TAuswege eigene = Suchen(karte_, z, b.Schritt, b.Schutz, b.Gegner);
    // With the opponent close, any way out may be one it stands in first (two quiet cells
    // may lie behind one corridor).
    const bool nah = b.Gegner >= 0 && Schritte(z, b.Gegner) <= kFreiNah;
    w.Entkommt = WartetTrotzGegner(b, z, eigene);
    w.Sicher = w.Entkommt;
    if (w.Sicher && nah)
        w.Sicher =
            VorDemGegner(z, b.Schritt, b.Schutz, b.Gegner, b.Lage.GegnerSchritt).Frueh[0] >= 0;
    if (gegnerRuhige && w.Entkommt && b.Gegner >= 0) {
        const std::int64_t gegnerSchutz = b.E.Spieler(b.GegnerNr).Unverwundbar ? kNie : 0;
        const TAuswege g = Suchen(karte_, b.Gegner, b.Lage.GegnerSchritt, gegnerSchutz, z);
        w.GegnerRuhige = g.Irgendein() ? g.Ruhige : 0;
    }
    karte_.BombeWeg();
    return w;
}

TAuswege TStarkerComputer::TrotzGegner(const TBlick& b, int start, const TAuswege& ohne) {
    TAuswege beide = ohne;
    for (int g : b.GegnerBomben) {
        karte_.BombeDazu(g);
        const TAuswege mit = Suchen(karte_, start, b.Schritt, b.Schutz, g);
        karte_.BombeWeg();
        for (std::size_t a = 0; a < 5; ++a)
            if (mit.Frueh[a] < 0) beide.Frueh[a] = -1;
    }
    return beide;
}

bool TStarkerComputer::WartetTrotzGegner(const TBlick& b, int start, const TAuswege& ohne) {
    if (ohne.Frueh[0] < 0) return false;
    for (int g : b.GegnerBomben) {
        karte_.BombeDazu(g);
        const bool frei = Suchen(karte_, start, b.Schritt, b.Schutz, g).Frueh[0] >= 0;
        karte_.BombeWeg();
        if (!frei) return false;
    }
    return true;
}

bool TStarkerComputer::Blicken(TBlick& b) {
    TSpielDaten& d = b.D;
    const TGefunden ich = SpielerFinden(d, b.Spieler);
    if (!ich.Knoten) return false;
    const TGefunden gegner = SpielerFinden(d, b.GegnerNr);
    karte_.Berechnen(d.Feld, d.Bomben, b.Lage.Takte);
    if (karte_.Zellen() == 0) return false;
    // Blocks found closed stay walls until a block falls (or a round lays them anew): judged
    // afresh at every cell of the way, the way round and the way through would take turns.
    std::uint64_t bloecke = std::uint64_t(karte_.Zellen()) << 40;
    for (int z = 0; z < karte_.Zellen(); ++z)
        if (karte_.Art(z) == zaZerstoerbar) bloecke += std::uint64_t(z) + 1;
    if (bloecke != bloecke_) {
        sperre_.assign(std::size_t(karte_.Zellen()), 0);
        bloecke_ = bloecke;
    }
    b.FlutSicht = kFlutBeats * std::int64_t(std::max<std::uint32_t>(b.Lage.Takte.Wasser, 1));
    b.Ich = int(ich.Index) - 1;
    b.Gegner = gegner.Knoten ? int(gegner.Index) - 1 : -1;
    b.Schritt = std::max<std::uint32_t>(b.Lage.Schritt, 1);
    b.Schutz = b.Lage.Schutz > 1000 ? b.Lage.Schutz - 1000 : 0;
    b.E = d.Einstellungen.EinstellungenHolen();
    b.Jetzt = Suchen(karte_, b.Ich, b.Schritt, b.Schutz, b.Gegner);

    // What a bomb the opponent may lay where it stands would leave it: only the ways that
    // survive that too are taken while there are any.
    auto darfLegen = [&](int q, const TGefunden& g) {
        return g.Knoten && g.Knoten->Art == SpielerArt(q) && d.Bomben.DarfBombeLegen(b.E, q);
    };
    // Where it is or one step on.
    if (darfLegen(b.GegnerNr, gegner) && Nahe(b.Ich, b.Gegner)) {
        b.GegnerBomben.push_back(b.Gegner);
        for (TRichtung r = riOben; r <= riUnten; ++r) {
            const int m = karte_.Nachbar(b.Gegner, r);
            if (m >= 0 && m != b.Ich && karte_.Begehbar(m) == 0) b.GegnerBomben.push_back(m);
        }
    }
    b.Alle = b.Jetzt;
    if (const TAuswege robust = TrotzGegner(b, b.Ich, b.Jetzt); robust.Irgendein())
        b.Jetzt = robust;

    // A bomb where it stands: can it still get away, and where does that leave the opponent?
    const std::int64_t td = karte_.NeueBombeZeit();
    b.Darf = darfLegen(b.Spieler, ich);
    if (b.Darf) {
        b.Hier = Bewerten(b, b.Ich);
        karte_.Arme(b.Ich, td, [&](int z) { b.Hier.Trifft = b.Hier.Trifft || z == b.Gegner; });
    }
    return true;
}

// The flood ends the round soon, whatever happens: a bomb that the opponent outlives for a
// shorter time than it does wins the round instead of the draw the water brings.
std::optional<TAktion> TStarkerComputer::Endkampf(TBlick& b) {
    if (b.Darf && Endspiel() && b.Gegner >= 0 && Schritte(b.Ich, b.Gegner) <= kEndkampfNah &&
        Entscheidet(b, b.Ich))
        return TAktion::Bombe;
    return std::nullopt;
}

TAuswege TStarkerComputer::Leben(int start, std::int64_t schritt, std::int64_t schutzBis,
                                 int gesperrt) {
    ohneRuhe_ = true;
    const TAuswege a = Suchen(karte_, start, schritt, schutzBis, gesperrt);
    ohneRuhe_ = false;
    return a;
}

std::int64_t TStarkerComputer::Lebensdauer(int start, std::int64_t schritt, std::int64_t schutzBis,
                                           int gesperrt) {
    const TAuswege a = Leben(start, schritt, schutzBis, gesperrt);
    return *std::max_element(a.Weit.begin(), a.Weit.end()) * schritt;
}

bool TStarkerComputer::Entscheidet(const TBlick& b, int z) {
    // A bomb the water takes before it goes off does nothing.
    if (karte_.NeueBombeZeit() >= karte_.Flut(z)) return false;
    const std::int64_t gegnerSchutz = b.E.Spieler(b.GegnerNr).Unverwundbar ? kNie : 0;
    karte_.BombeDazu(z);
    const std::int64_t eigene = Lebensdauer(z, b.Schritt, b.Schutz, b.Gegner);
    const std::int64_t gegner = Lebensdauer(b.Gegner, b.Lage.GegnerSchritt, gegnerSchutz, z);
    // Even when the opponent can outlast it, a bomb that costs it nothing drives the opponent
    // through ground that floods, where one slip ends the round; a bomb the opponent lays in
    // reply must not cost it anything either.
    bool gilt = gegner < eigene;
    if (gegner == eigene) {
        karte_.BombeWeg();
        const std::int64_t ohne = Lebensdauer(z, b.Schritt, b.Schutz, b.Gegner);
        karte_.BombeDazu(z);
        gilt = eigene >= ohne;
        for (std::size_t i = 0; gilt && i < b.GegnerBomben.size(); ++i) {
            const int g = b.GegnerBomben[i];
            if (g == z) continue;
            karte_.BombeDazu(g);
            gilt = Lebensdauer(z, b.Schritt, b.Schutz, g) >= ohne;
            karte_.BombeWeg();
        }
    }
    karte_.BombeWeg();
    return gilt;
}

std::vector<int> TStarkerComputer::Laengste(const TBlick& b) {
    const TAuswege leben = Leben(b.Ich, b.Schritt, b.Schutz, b.Gegner);
    std::vector<int> beste;
    int weit = 0, naechst = kWeit;
    for (int a = 0; a < 5; ++a) {
        const int w = leben.Weit[std::size_t(a)];
        if (w <= 0 || w < weit) continue;
        const int m = a == 0 ? b.Ich : karte_.Nachbar(b.Ich, TRichtung(a - 1));
        const int n = b.Gegner < 0 ? 0 : Schritte(m, b.Gegner);
        if (w > weit || n < naechst) beste.clear(), weit = w, naechst = n;
        if (n == naechst) beste.push_back(a);
    }
    return beste;
}

// Nothing saves it: a bomb that blasts a way out (from rising water), throw a bomb away, or hold
// out as long as it can; at the flood's end, as long as it can at all and as close to the
// opponent as that allows, where a bomb may still decide the round.
std::optional<TAktion> TStarkerComputer::Notfall(TBlick& b) {
    if (b.Jetzt.Irgendein()) return std::nullopt;
    if (b.Hier.Entkommt) return TAktion::Bombe;
    if (b.E.Spieler(b.Spieler).Werfen && BombeNebenan(karte_, b.Ich)) return TAktion::Werfen;
    if (Endspiel()) return EineVon(b.D.Zufall, Laengste(b));
    std::vector<int> beste;
    int weit = -1;
    for (int a = 0; a < 5; ++a) {
        if (b.Jetzt.Weit[std::size_t(a)] > weit) beste.clear(), weit = b.Jetzt.Weit[std::size_t(a)];
        if (b.Jetzt.Weit[std::size_t(a)] == weit) beste.push_back(a);
    }
    return EineVon(b.D.Zufall, beste);
}

// A trapped opponent cannot stand in its way.
std::optional<TAktion> TStarkerComputer::Falle(TBlick& b) {
    if (b.Hier.Entkommt && b.Hier.GegnerRuhige == 0) return TAktion::Bombe;
    return std::nullopt;
}

// Its cell will burn: the quickest way to a quiet cell, by a way the opponent cannot stand in
// first if there is one, and on the move rather than waiting when that is as quick (a player
// waiting for the opponent to block it dies by its own bomb).
std::optional<TAktion> TStarkerComputer::Fliehen(TBlick& b) {
    const bool brennt = karte_.Ab(b.Ich) < kNie || b.Jetzt.Frueh[0] < 0;
    if (!brennt) return std::nullopt;
    TAuswege wege = b.Jetzt;
    if (Nahe(b.Ich, b.Gegner)) {
        const TAuswege frei =
            VorDemGegner(b.Ich, b.Schritt, b.Schutz, b.Gegner, b.Lage.GegnerSchritt);
        for (std::size_t a = 0; a < 5; ++a)
            if (frei.Frueh[a] < 0) wege.Frueh[a] = -1;
        if (!wege.Irgendein()) wege = b.Jetzt;
    }
    // At the flood's end a quiet cell nearby may be one the water takes soon after: only the
    // ways that keep it alive longest count.
    if (Endspiel()) {
        const std::vector<int> laengste = Laengste(b);
        TAuswege lang;
        for (int a : laengste) lang.Frueh[std::size_t(a)] = wege.Frueh[std::size_t(a)];
        if (!lang.Irgendein()) return EineVon(b.D.Zufall, laengste);
        wege = lang;
    }
    std::vector<int> beste;
    int frueh = kWeit;
    for (int a = 4; a >= 0; --a) {
        const int f = wege.Frueh[std::size_t(a)];
        if (f < 0 || f > frueh || (a == 0 && f == frueh)) continue;
        if (f < frueh) beste.clear(), frueh = f;
        beste.push_back(a);
    }
    return EineVon(b.D.Zufall, beste);
}

// The opponent in reach: the bomb drives it away or into a corner (two players that only wait
// beside each other would never decide a round), even when it lets water out: the water drives
// both.
std::optional<TAktion> TStarkerComputer::Angreifen(TBlick& b) {
    if (b.Hier.Sicher && b.Hier.Trifft) return TAktion::Bombe;
    return std::nullopt;
}

// More bombs than the opponent: one bomb each never catches a careful player, but every bomb it
// gets away from narrows the opponent's ground while the opponent cannot answer in kind (once it
// could walk up and cut the way out, it waits).
std::optional<TAktion> TStarkerComputer::Einengen(TBlick& b) {
    const TSpielRecEinstellungen& e = b.E;
    if (!(b.Hier.Sicher && e.Spieler(b.Spieler).MehrBomben && !e.Spieler(b.GegnerNr).MehrBomben &&
          b.Gegner >= 0 && Schritte(b.Ich, b.Gegner) <= kEngeNah))
        return std::nullopt;
    karte_.BombeDazu(b.Ich);
    const bool gesperrt =
        GegnerSperrt(b.Ich, b.Schritt, b.Schutz, b.Gegner, b.Lage.GegnerSchritt, kSperrWeg);
    karte_.BombeWeg();
    if (!gesperrt) return TAktion::Bombe;
    return std::nullopt;
}

bool TStarkerComputer::Endspiel() const {
    return karte_.SturmEnde() <= kEndkampf;
}

bool TStarkerComputer::Einwaerts(TBlick& b) {
    if (karte_.Sturm(b.Ich) >= kSturmBlick) return false;
    std::int64_t innen = 0;
    for (int z = 0; z < karte_.Zellen(); ++z)
        if (karte_.Sturm(z) < kNie) innen = std::max(innen, karte_.Sturm(z));
    const std::int64_t ab = innen - (kInnenRinge - 1) * std::int64_t(kSturmflutTakt);
    b.Ziele.clear();
    for (int z = 0; z < karte_.Zellen(); ++z)
        if (karte_.Sturm(z) < kNie && karte_.Sturm(z) >= ab) b.Ziele.push_back(z);
    Entfernungen(b);
    const int abstand = abstand_[std::size_t(b.Ich)];
    // Inside already, or time enough: the usual goals.
    if (abstand == 0 || abstand >= kWeit ||
        karte_.Sturm(b.Ich) - abstand * b.Schritt > kSturmVorlauf) {
        b.Ziele.clear();
        return false;
    }
    b.Weiter = WeiterVon(b.Ich);
    return true;
}

void TStarkerComputer::ZieleSuchen(TBlick& b) {
    if (Einwaerts(b)) return;
    for (int z = 0; z < karte_.Zellen(); ++z)
        if (IstExtraArt(karte_.Art(z))) b.Ziele.push_back(z);
    bool extras = false;
    if (!b.Ziele.empty()) {
        Entfernungen(b);
        extras = abstand_[std::size_t(b.Ich)] <= kExtraUmweg;
    }
    if (!extras) {
        b.Ziele.clear();
        if (b.Gegner >= 0) b.Ziele.push_back(b.Gegner);
        Entfernungen(b);
    }
    b.Weiter = WeiterVon(b.Ich);
}

int TStarkerComputer::WeiterVon(int z) const {
    int weiter = -1, wert = kWeit;
    for (TRichtung r = riOben; r <= riUnten; ++r) {
        const int m = karte_.Nachbar(z, r);
        if (m < 0 || abstand_[std::size_t(m)] >= kWeit) continue;
        const int w =
            abstand_[std::size_t(m)] + (sperre_[std::size_t(m)] ? kWeit : Kosten(karte_.Art(m)));
        if (w < wert) wert = w, weiter = m;
    }
    return weiter;
}

// The first block on the way, if it comes within a bomb's reach: bombed from the nearest cell
// that lets it get away. A block no bomb can open safely (a narrow corridor at a slow beat)
// counts as a wall, and the way is sought round it.
std::optional<TAktion> TStarkerComputer::Sprengen(TBlick& b) {
    for (int versuch = 0; b.Darf && versuch < kUmwege; ++versuch) {
        int block = b.Weiter;
        for (int schritt = 1; schritt < kSprengWeg && block >= 0 && karte_.Begehbar(block) == 0;
             ++schritt)
            block = WeiterVon(block);
        if (block < 0 || karte_.Art(block) != zaZerstoerbar) break;
        const std::optional<int> a = Sprengplatz(b.Ich, block, b.Gegner, [&](int z) {
            const TBombenWert w = Bewerten(b, z, false);
            return w.Sicher && !w.Wasser;
        });
        if (a == 0) return TAktion::Bombe;
        if (a && b.Jetzt.Frueh[std::size_t(*a)] >= 0) return AlsAktion(*a);
        if (a) break;
        sperre_[std::size_t(block)] = 1;
        Entfernungen(b);
        b.Weiter = WeiterVon(b.Ich);
    }
    return std::nullopt;
}

// A bomb in the way is thrown away.
std::optional<TAktion> TStarkerComputer::Wegwerfen(TBlick& b) {
    if (b.Weiter >= 0 && karte_.Art(b.Weiter) == zaBombe && b.E.Spieler(b.Spieler).Werfen)
        return TAktion::Werfen;
    return std::nullopt;
}

std::optional<TAktion> TStarkerComputer::NaeherAuf(TBlick& b, const TAuswege& wege) {
    const int abstand = abstand_[std::size_t(b.Ich)];
    std::vector<int> beste;
    int naechst = abstand;
    for (int a = 1; a < 5; ++a) {
        const int m = karte_.Nachbar(b.Ich, TRichtung(a - 1));
        if (wege.Frueh[std::size_t(a)] < 0 || m < 0 || karte_.Begehbar(m) > 0) continue;
        const int dm = abstand_[std::size_t(m)];
        if (dm > naechst || dm >= abstand) continue;
        if (dm < naechst) beste.clear(), naechst = dm;
        beste.push_back(a);
    }
    return EineVon(b.D.Zufall, beste);
}

// A step that comes closer; one the opponent could cut off only now and then, and never while
// its own bomb ticks (two careful players would never meet).
std::optional<TAktion> TStarkerComputer::Naehern(TBlick& b) {
    if (Endspiel()) return NaeherAuf(b, b.Alle);
    if (const std::optional<TAktion> a = NaeherAuf(b, b.Jetzt)) return a;
    if (b.D.Bomben.OhneBombe(std::uint8_t(b.Spieler)) && b.D.Zufall.Zufall(kWagnis) == 0)
        return NaeherAuf(b, b.Alle);
    return std::nullopt;
}

// No way on (the goal walled off or behind a burning cell): away from water that comes near.
std::optional<TAktion> TStarkerComputer::WasserMeiden(TBlick& b) {
    if (karte_.Flut(b.Ich) >= b.FlutSicht) return std::nullopt;
    std::vector<int> beste;
    std::int64_t spaet = karte_.Flut(b.Ich);
    for (int a = 1; a < 5; ++a) {
        const int m = karte_.Nachbar(b.Ich, TRichtung(a - 1));
        if (b.Jetzt.Frueh[std::size_t(a)] < 0 || m < 0 || karte_.Flut(m) <= spaet) continue;
        if (karte_.Flut(m) > spaet) beste.clear(), spaet = karte_.Flut(m);
        beste.push_back(a);
    }
    return EineVon(b.D.Zufall, beste);
}

// The goal cannot be reached at all: it wanders (else it waits).
std::optional<TAktion> TStarkerComputer::Wandern(TBlick& b) {
    if (abstand_[std::size_t(b.Ich)] < kWeit) return std::nullopt;
    std::vector<int> beste;
    for (int a = 1; a < 5; ++a)
        if (b.Jetzt.Frueh[std::size_t(a)] >= 0) beste.push_back(a);
    return EineVon(b.D.Zufall, beste);
}

TAktion TStarkerComputer::Entscheide(TSpielDaten& d, int spieler, const TStarkLage& lage) {
    TBlick b(d, lage, spieler);
    if (!Blicken(b)) return TAktion::Keine;
    using TSchritt = std::optional<TAktion> (TStarkerComputer::*)(TBlick&);
    // What it stands in and the bombs worth laying where it stands come first, then the way on.
    for (const TSchritt s :
         {&TStarkerComputer::Endkampf, &TStarkerComputer::Notfall, &TStarkerComputer::Falle,
          &TStarkerComputer::Fliehen, &TStarkerComputer::Angreifen, &TStarkerComputer::Einengen})
        if (const std::optional<TAktion> a = (this->*s)(b)) return *a;
    ZieleSuchen(b);
    for (const TSchritt s :
         {&TStarkerComputer::Sprengen, &TStarkerComputer::Wegwerfen, &TStarkerComputer::Naehern,
          &TStarkerComputer::WasserMeiden, &TStarkerComputer::Wandern})
        if (const std::optional<TAktion> a = (this->*s)(b)) return *a;
    return TAktion::Keine;
}
