#include "computer/UGefahrenKarte.h"

#include <algorithm>

#include "model/USturmRinge.h"

namespace {

bool IstExplosionsArt(TZellenArt a) {
    return a == zaExplosion || a == zaExplosionExtra || a == zaSpieler1Explosion ||
           a == zaSpieler1ExplosionExtra || a == zaSpieler2Explosion ||
           a == zaSpieler2ExplosionExtra;
}

int ZelleVon(const TFeldDaten& g, TPosition p) {
    return (int(p.Zeile) - 1) * g.SpielBreite + int(p.Spalte) - 1;
}

// Rings that flood within this many ms also let their water spread in the map; later ones only
// count where the ring itself comes.
constexpr std::int64_t kSturmSicht = 60000;

// The first tick still to come: the timer's next one, or a full period once it is switched on.
std::int64_t NaechsterTick(std::uint32_t bis, std::uint32_t intervall) {
    return bis ? bis : intervall;
}

}  // namespace

void TGefahrenKarte::Brennen(int k, std::int64_t ab, std::int64_t bis) {
    TGefahr& g = gefahr_[std::size_t(k)];
    g.Ab = std::min(g.Ab, ab);
    g.Bis = std::max(g.Bis, bis);
    ende_ = std::max(ende_, bis);
}

void TGefahrenKarte::Sprengen(int k, std::int64_t td) {
    // The receding comes at most five explosion beats later.
    const std::int64_t tr = td + 5 * std::int64_t(std::max<std::uint32_t>(takte_.Explo, 1));
    Arme(k, td, [&](int z) {
        const auto i = std::size_t(z);
        if (!marken_.empty()) undo_.push_back({z, gefahr_[i], offen_[i], begehbar_[i]});
        Brennen(z, td, tr);
        const TZellenArt a = art_[i];
        const bool sperrt = a == zaZerstoerbar || a == zaBombe || a == zaSpieler1Bombe ||
                            a == zaSpieler2Bombe || z == k;
        if (sperrt && offen_[i] > td) {
            offen_[i] = td;
            begehbar_[i] = std::min(begehbar_[i], tr);
        }
    });
}

void TGefahrenKarte::Berechnen(TSpielfeld& feld, const TBombenListen& bomben, const TTakte& t) {
    takte_ = t;
    const TFeldDaten& g = feld.FeldDaten();
    breite_ = g.SpielBreite;
    hoehe_ = g.SpielHoehe;
    if (feld.AnzahlKnoten() < std::uint32_t(breite_) * std::uint32_t(hoehe_)) breite_ = hoehe_ = 0;
    const auto n = std::size_t(Zellen());
    // Kept while the board's shape stays (two boards of one size may differ in width).
    if (nachbarn_.size() != n || nachbarnBreite_ != breite_) {
        nachbarn_.resize(n);
        nachbarnBreite_ = breite_;
        for (int k = 0; k < int(n); ++k) {
            const int spalte = k % breite_;
            nachbarn_[std::size_t(k)] = {k >= breite_ ? k - breite_ : -1, spalte > 0 ? k - 1 : -1,
                                         spalte + 1 < breite_ ? k + 1 : -1,
                                         k + breite_ < int(n) ? k + breite_ : -1};
        }
    }
    art_.resize(n);
    for (std::size_t i = 0; i < n; ++i) art_[i] = feld.Zellen()[i].Art;
    gefahr_.assign(n, {});
    flut_.assign(n, kNie);
    offen_.assign(n, kNie);
    begehbar_.assign(n, kNie);
    undo_.clear();
    marken_.clear();
    flutAlt_.clear();
    ende_ = 0;
    wasser_ = std::find(art_.begin(), art_.end(), zaWasser) != art_.end();
    sturm_.assign(n, kNie);
    sturmEnde_ = kNie;
    if (t.BisSturm > 0)
        for (std::size_t i = 0; i < n; ++i) {
            const int ring = SturmRing(g, int(i) % breite_, int(i) / breite_);
            if (ring < t.SturmRing || art_[i] == zaUnzerstoerbar || art_[i] == zaWasser) continue;
            sturm_[i] = t.BisSturm + std::int64_t(ring - t.SturmRing) * kSturmflutTakt;
            wasser_ = wasser_ || sturm_[i] <= kSturmSicht;
            sturmEnde_ = sturmEnde_ == kNie ? sturm_[i] : std::max(sturmEnde_, sturm_[i]);
        }
    // A player's cell is free once it has left (the other player is kept out by the search).
    for (std::size_t i = 0; i < n; ++i)
        if (art_[i] == zaFrei || IstExtraArt(art_[i]) || art_[i] == zaSpieler1 ||
            art_[i] == zaSpieler2)
            begehbar_[i] = 0;

    // Explosions burning now: each recedes at its fifth beat, clearing its cross.
    const std::int64_t e = std::max<std::uint32_t>(t.Explo, 1);
    std::int64_t spaetestens = 0;
    for (const TBombe& x : bomben.Explosionsliste()) {
        const std::int64_t rest = std::max(1, 5 - int(x.Zaehler));
        const std::int64_t tr = NaechsterTick(t.BisExplo, t.Explo) + (rest - 1) * e;
        spaetestens = std::max(spaetestens, tr);
        const int mitte = ZelleVon(g, x.Position);
        if (mitte < 0 || mitte >= Zellen()) continue;
        for (TRichtung r = riOben; r <= riUnten; ++r) {
            int z = mitte;
            for (int abstand = 0; abstand <= 2 && z >= 0; ++abstand) {
                const auto i = std::size_t(z);
                if (IstExplosionsArt(art_[i]))
                    begehbar_[i] = begehbar_[i] == kNie ? tr : std::max(begehbar_[i], tr);
                z = Nachbar(z, r);
            }
        }
    }
    for (std::size_t i = 0; i < n; ++i)
        if (IstExplosionsArt(art_[i]) && begehbar_[i] == kNie)
            begehbar_[i] = spaetestens ? spaetestens : 5 * e;
    for (std::size_t i = 0; i < n; ++i)
        if (IstExplosionsArt(art_[i])) ende_ = std::max(ende_, begehbar_[i]);

    // Bombs go off in the order of the list, each at its own fifth beat.
    const std::int64_t b = std::max<std::uint32_t>(t.Bombe, 1);
    for (const TBombe& x : bomben.Bombenliste()) {
        const int k = ZelleVon(g, x.Position);
        if (k < 0 || k >= Zellen()) continue;
        const std::int64_t rest = std::max(1, 5 - int(x.Zaehler));
        Sprengen(k, NaechsterTick(t.BisBombe, t.Bombe) + (rest - 1) * b);
    }

    Fluten();
}

std::int64_t TGefahrenKarte::WasserNull() const {
    return NaechsterTick(takte_.BisWasser, takte_.Wasser) - Wasserschritt();
}

std::int64_t TGefahrenKarte::NaechsteWelle(int k, std::int64_t t) const {
    const std::int64_t w = Wasserschritt();
    std::int64_t neu = t + w;
    // An opened block: at the first beat after the blast has gone.
    if (art_[std::size_t(k)] == zaZerstoerbar && begehbar_[std::size_t(k)] > neu)
        neu += (begehbar_[std::size_t(k)] - neu + w - 1) / w * w;
    return neu;
}

void TGefahrenKarte::Fluten() {
    // Water: one cell further each beat of its timer, which may start at any moment. It is
    // taken to pass everything but blocks, and blocks once a known blast has opened them, so it
    // is never later than feared.
    const auto n = std::size_t(Zellen());
    flut_.assign(n, kNie);
    const std::int64_t w = Wasserschritt(), null = WasserNull();
    // Every time is a whole number of beats after the water's: cells go into one bucket per
    // beat instead of a heap (this runs at every decision and for every bomb tried).
    for (auto& e : flutEimer_) e.clear();
    flutEimer_.resize(std::max<std::size_t>(flutEimer_.size(), 1));
    for (std::size_t i = 0; i < n; ++i)
        if (art_[i] == zaWasser) flutEimer_[0].push_back(int(i));
    // A ring's cells are water from their time on, and spread at the water's beats after it.
    for (std::size_t i = 0; i < n; ++i) {
        if (sturm_[i] > kSturmSicht) continue;
        flut_[i] = sturm_[i];
        const auto eimer = std::size_t((sturm_[i] - null) / w);
        if (eimer >= flutEimer_.size()) flutEimer_.resize(eimer + 1);
        flutEimer_[eimer].push_back(int(i));
    }
    Ausbreiten();
}

void TGefahrenKarte::Ausbreiten() {
    const std::int64_t w = Wasserschritt(), null = WasserNull();
    for (std::size_t schritt = 0; schritt < flutEimer_.size(); ++schritt) {
        const std::int64_t t = null + std::int64_t(schritt) * w;
        // Indexed: a later bucket may be added meanwhile.
        for (std::size_t j = 0; j < flutEimer_[schritt].size(); ++j) {
            const int k = flutEimer_[schritt][j];
            if (art_[std::size_t(k)] != zaWasser && t > flut_[std::size_t(k)]) continue;
            for (TRichtung r = riOben; r <= riUnten; ++r) {
                const int m = Nachbar(k, r);
                if (m < 0) continue;
                const auto i = std::size_t(m);
                const TZellenArt a = art_[i];
                if (a == zaUnzerstoerbar || a == zaWasser) continue;
                if (a == zaZerstoerbar && offen_[i] == kNie) continue;
                const std::int64_t neu = NaechsteWelle(m, t);
                if (neu >= flut_[i]) continue;
                flut_[i] = neu;
                const auto spaeter = std::size_t((neu - null) / w);
                if (spaeter >= flutEimer_.size()) flutEimer_.resize(spaeter + 1);
                flutEimer_[spaeter].push_back(m);
            }
        }
    }
}

std::int64_t TGefahrenKarte::NeueBombeZeit(std::int64_t gelegt) const {
    // The fifth tick after laying; a bomb laid now keeps the timer's rhythm, or starts it.
    const std::int64_t b = std::max<std::uint32_t>(takte_.Bombe, 1);
    const std::int64_t erster = NaechsterTick(takte_.BisBombe, takte_.Bombe);
    const std::int64_t danach = gelegt < erster ? 0 : (gelegt - erster) / b + 1;
    return erster + (danach + 4) * b;
}

std::int64_t TGefahrenKarte::BombeDazu(int k, std::int64_t gelegt) {
    marken_.push_back({undo_.size(), ende_, false});
    const std::int64_t td = NeueBombeZeit(gelegt);
    Sprengen(k, td);
    // The bomb's own cell cannot be entered again while it lies there.
    begehbar_[std::size_t(k)] = td + 5 * std::int64_t(std::max<std::uint32_t>(takte_.Explo, 1));
    // Blocks it opens may let water through. Water only ever comes sooner then, so it spreads
    // on from the blocks it reaches sooner than before; nothing else changes (with the storm
    // flood nearly every block has water coming somewhere near).
    if (!wasser_) return td;
    const std::int64_t w = Wasserschritt(), null = WasserNull();
    bool flut = false;
    for (std::size_t i = marken_.back().Anfang; i < undo_.size(); ++i) {
        const auto z = std::size_t(undo_[i].K);
        if (art_[z] != zaZerstoerbar) continue;
        std::int64_t frueher = flut_[z];
        for (int m : nachbarn_[z]) {
            if (m < 0) continue;
            const auto q = std::size_t(m);
            // The beat at which water in m spreads, as Ausbreiten takes it.
            std::int64_t t;
            if (art_[q] == zaWasser)
                t = null;
            else if (flut_[q] < kNie)
                t = null + (flut_[q] - null) / w * w;
            else
                continue;
            frueher = std::min(frueher, NaechsteWelle(int(z), t));
        }
        if (frueher >= flut_[z]) continue;
        if (!flut) {
            flut = true;
            marken_.back().Flut = true;
            flutAlt_.push_back(flut_);
            for (auto& e : flutEimer_) e.clear();
        }
        flut_[z] = frueher;
        const auto eimer = std::size_t((frueher - null) / w);
        if (eimer >= flutEimer_.size()) flutEimer_.resize(eimer + 1);
        flutEimer_[eimer].push_back(int(z));
    }
    if (flut) Ausbreiten();
    return td;
}

void TGefahrenKarte::BombeWeg() {
    if (marken_.empty()) return;
    const TMarke marke = marken_.back();
    marken_.pop_back();
    const std::size_t anfang = marke.Anfang;
    while (undo_.size() > anfang) {
        const TAlt& alt = undo_.back();
        const auto i = std::size_t(alt.K);
        gefahr_[i] = alt.G;
        offen_[i] = alt.Offen;
        begehbar_[i] = alt.Begehbar;
        undo_.pop_back();
    }
    ende_ = marke.Ende;
    if (marke.Flut) {
        flut_ = std::move(flutAlt_.back());
        flutAlt_.pop_back();
    }
}

bool TGefahrenKarte::Sicher(int k, std::int64_t von, std::int64_t bis,
                            std::int64_t schutzBis) const {
    const TGefahr& g = gefahr_[std::size_t(k)];
    if (g.Ab <= bis && von < g.Bis && std::max(g.Ab, von) >= schutzBis) return false;
    return bis < Flut(k);
}
