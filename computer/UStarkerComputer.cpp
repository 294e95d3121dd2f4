#include "computer/UStarkerComputer.h"

#include <algorithm>
#include <limits>
#include <queue>

namespace {

constexpr int kWeit = std::numeric_limits<int>::max() / 4;
// What a block or a bomb on the way costs in steps: the bomb, the flight and the burning.
constexpr int kBlockKosten = 7, kBombenKosten = 5;
// Extras within this many steps are worth the way.
constexpr int kExtraUmweg = 8;
// Water must stay away this many of its own beats longer than a cell counts as quiet.
constexpr int kFlutReserve = 2;

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

TAuswege TStarkerComputer::Suchen(const TGefahrenKarte& k, int start, std::int64_t schritt,
                                  std::int64_t schutzBis, int gesperrt) {
    TAuswege a;
    const int n = k.Zellen();
    const std::int64_t p = std::max<std::int64_t>(schritt, 1);
    for (auto& m : maske_) m.assign(std::size_t(n), 0);
    for (auto& l : liste_) l.clear();
    ruhigMarke_.resize(std::size_t(n), 0);
    if (++marke_ == 0) {
        std::fill(ruhigMarke_.begin(), ruhigMarke_.end(), 0);
        marke_ = 1;
    }
    const std::int64_t reserve = kFlutReserve * p;
    const int schichten = int(std::clamp<std::int64_t>((k.Ende() + p - 1) / p + 2, 3, 60));
    int jetzt = 0;
    auto eintragen = [&](int z, std::uint8_t bits) {
        auto& m = maske_[1 - jetzt][std::size_t(z)];
        if (!m) liste_[1 - jetzt].push_back(z);
        m |= bits;
    };
    // Where each step from z at time t may lead.
    auto weiter = [&](int z, std::int64_t t, std::uint8_t bits, bool erster) {
        if (k.Sicher(z, t, t + p, schutzBis)) eintragen(z, erster ? std::uint8_t(Bit(0)) : bits);
        for (TRichtung r = riOben; r <= riUnten; ++r) {
            const int m = k.Nachbar(z, r);
            if (m < 0 || m == gesperrt || k.Begehbar(m) > t || !k.Sicher(m, t, t + p, schutzBis))
                continue;
            eintragen(m, erster ? std::uint8_t(Bit(1 + r)) : bits);
        }
    };
    weiter(start, 0, 0, true);
    for (int schicht = 1; schicht <= schichten; ++schicht) {
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

void TStarkerComputer::Entfernungen(const std::vector<int>& ziele) {
    const int n = karte_.Zellen();
    abstand_.assign(std::size_t(n), kWeit);
    using TEintrag = std::pair<int, int>;
    std::priority_queue<TEintrag, std::vector<TEintrag>, std::greater<>> offen;
    for (int z : ziele) {
        abstand_[std::size_t(z)] = 0;
        offen.push({0, z});
    }
    while (!offen.empty()) {
        const auto [d, z] = offen.top();
        offen.pop();
        if (d > abstand_[std::size_t(z)]) continue;
        const int kosten = Kosten(karte_.Art(z));
        if (kosten >= kWeit && d > 0) continue;
        for (TRichtung r = riOben; r <= riUnten; ++r) {
            const int m = karte_.Nachbar(z, r);
            // Coming from m, entering z costs what z holds.
            const int neu = d + std::min(kosten, kWeit);
            if (m < 0 || neu >= abstand_[std::size_t(m)]) continue;
            abstand_[std::size_t(m)] = neu;
            offen.push({neu, m});
        }
    }
}

int TStarkerComputer::Entscheide(TSpielDaten& d, int spieler, const TStarkLage& lage) {
    const TGefunden ich = SpielerFinden(d, spieler);
    if (!ich.Knoten) return 0;
    const int gegnerNr = spieler == 1 ? 2 : 1;
    const TGefunden gegner = SpielerFinden(d, gegnerNr);
    karte_.Berechnen(d.Feld, d.Bomben, lage.Takte);
    if (karte_.Zellen() == 0) return 0;
    const int kIch = int(ich.Index) - 1;
    const int kGeg = gegner.Knoten ? int(gegner.Index) - 1 : -1;
    const std::int64_t p = std::max<std::uint32_t>(lage.Schritt, 1);
    const std::int64_t schutz = lage.Schutz > 1000 ? lage.Schutz - 1000 : 0;
    const TSpielRecEinstellungen e = d.Einstellungen.EinstellungenHolen();
    const TAuswege jetzt = Suchen(karte_, kIch, p, schutz, kGeg);

    // A bomb here: can it still get away, and where does that leave the opponent?
    const bool darf = ich.Knoten->Art == SpielerArt(spieler) && d.Bomben.DarfBombeLegen(e, spieler);
    bool bombeSicher = false, gegnerGefangen = false, gegnerGetroffen = false;
    if (darf) {
        const std::int64_t td = karte_.NeueBombeZeit();
        karte_.Arme(kIch, td, [&](int z) { gegnerGetroffen = gegnerGetroffen || z == kGeg; });
        karte_.BombeDazu(kIch);
        bombeSicher = Suchen(karte_, kIch, p, schutz, kGeg).Frueh[0] >= 0;
        if (bombeSicher && kGeg >= 0) {
            const std::int64_t gegnerSchutz = e.Spieler(gegnerNr).Unverwundbar ? kNie : 0;
            gegnerGefangen =
                !Suchen(karte_, kGeg, lage.GegnerSchritt, gegnerSchutz, kIch).Irgendein();
        }
        karte_.BombeWeg();
    }

    auto taste = [](int aktion) { return aktion == 0 ? 0 : TastenNummer(TRichtung(aktion - 1)); };
    auto bombeNebenan = [&] {
        for (TRichtung r = riOben; r <= riUnten; ++r) {
            const int m = karte_.Nachbar(kIch, r);
            if (m >= 0 && karte_.Art(m) == zaBombe) return true;
        }
        return false;
    };
    std::vector<int> beste;

    // Nothing saves it: throw a bomb away, or hold out as long as it can.
    if (!jetzt.Irgendein()) {
        if (e.Spieler(spieler).Werfen && bombeNebenan()) return kTasteWerfen;
        int weit = -1;
        for (int a = 0; a < 5; ++a) {
            if (jetzt.Weit[std::size_t(a)] > weit) beste.clear(), weit = jetzt.Weit[std::size_t(a)];
            if (jetzt.Weit[std::size_t(a)] == weit) beste.push_back(a);
        }
        return taste(Zufallswahl(d.Zufall, beste));
    }
    if (bombeSicher && gegnerGefangen) return 5;

    // Its cell will burn: the quickest way to a quiet cell.
    if (karte_.Ab(kIch) < kNie || jetzt.Frueh[0] < 0) {
        int frueh = kWeit;
        for (int a = 0; a < 5; ++a) {
            const int f = jetzt.Frueh[std::size_t(a)];
            if (f < 0 || f > frueh) continue;
            if (f < frueh) beste.clear(), frueh = f;
            beste.push_back(a);
        }
        return taste(Zufallswahl(d.Zufall, beste));
    }
    if (bombeSicher && gegnerGetroffen) return 5;

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
    const int hier = abstand_[std::size_t(kIch)];
    // The neighbour the best way leads through.
    int weiter = -1, wert = kWeit;
    for (TRichtung r = riOben; r <= riUnten; ++r) {
        const int m = karte_.Nachbar(kIch, r);
        if (m < 0 || abstand_[std::size_t(m)] >= kWeit) continue;
        const int w = abstand_[std::size_t(m)] + Kosten(karte_.Art(m));
        if (w < wert) wert = w, weiter = m;
    }
    if (weiter >= 0 && karte_.Art(weiter) == zaZerstoerbar) {
        if (bombeSicher) return 5;
    } else if (weiter >= 0 && karte_.Art(weiter) == zaBombe && e.Spieler(spieler).Werfen) {
        return kTasteWerfen;
    }
    // A safe step that comes closer; the closest wins.
    int naechst = hier;
    for (int a = 1; a < 5; ++a) {
        const int m = karte_.Nachbar(kIch, TRichtung(a - 1));
        if (jetzt.Frueh[std::size_t(a)] < 0 || m < 0 || karte_.Begehbar(m) > 0) continue;
        const int dm = abstand_[std::size_t(m)];
        if (dm > naechst || dm >= hier) continue;
        if (dm < naechst) beste.clear(), naechst = dm;
        beste.push_back(a);
    }
    if (!beste.empty()) return taste(Zufallswahl(d.Zufall, beste));
    // No way on (the goal walled off or behind a burning cell): wait, or wander when the goal
    // cannot be reached at all.
    if (hier >= kWeit) {
        for (int a = 1; a < 5; ++a)
            if (jetzt.Frueh[std::size_t(a)] >= 0) beste.push_back(a);
        if (!beste.empty()) return taste(Zufallswahl(d.Zufall, beste));
    }
    return 0;
}
