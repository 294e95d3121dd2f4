#include "ui/spiel/UBewegung.h"

#include <algorithm>
#include <cstdlib>

#include "model/UBombenPointer.h"
#include "model/UPointer.h"

TBewegungsDauer BewegungsDauer(const TSpielRecEinstellungen& roh) {
    const TSpielRecEinstellungen e = IntervalleBegrenzt(roh);
    TBewegungsDauer d;
    d.Schritt = std::min<std::uint32_t>(e.SpielerVerzoegerung, 150);
    d.Zuendung = e.PlatzExplo;
    d.Explosion = e.ExploDauer;
    // Slow water still arrives in a cell well before the next one floods.
    d.Wasser = std::min<std::uint32_t>(e.WasserGeschwindigkeit, 400);
    return d;
}

double Anteil(std::uint64_t seit, std::uint64_t jetzt, std::uint32_t dauer) {
    if (jetzt <= seit) return 0;
    if (dauer == 0 || jetzt - seit >= dauer) return 1;
    return double(jetzt - seit) / dauer;
}

int FigurIn(TZellenArt art) {
    if (art >= zaSpieler1 && art <= zaSpieler1ExplosionExtra) return 1;
    if (art >= zaSpieler2 && art <= zaSpieler2ExplosionExtra) return 2;
    return 0;
}

bool IstExplosion(TZellenArt art) {
    switch (art) {
        case zaExplosion:
        case zaExplosionExtra:
        case zaSpieler1Explosion:
        case zaSpieler1ExplosionExtra:
        case zaSpieler2Explosion:
        case zaSpieler2ExplosionExtra:
            return true;
        default:
            return false;
    }
}

bool IstBombe(TZellenArt art) {
    return art == zaBombe || art == zaSpieler1Bombe || art == zaSpieler2Bombe;
}

TFlamme Flamme(int abstand, double anteil, std::uint64_t alter) {
    // The centre and two cells of arm burst out one after the other.
    const double front = anteil / 0.1 * 3;
    const double reichweite = std::clamp(front - abstand, 0.0, 1.0);
    const double staerke = anteil < 0.6 ? 1.0 : 1.0 - (anteil - 0.6) / 0.4 * 0.65;
    return {reichweite, staerke, int((alter / 60) % 3)};
}

TZuendung Zuendung(double anteil, std::uint64_t alter) {
    const double spaet = std::max(0.0, (anteil - 0.8) / 0.2);
    // About to go off: swelling, with a beat.
    const double schlag = (alter / 80) % 2 ? 0.03 : 0.0;
    return {1.0 - anteil, 1.0 + spaet * (0.12 + schlag)};
}

namespace {

bool Nachbarn(int a, int b, int breite) {
    if (a < 0 || b < 0) return false;
    const int da = std::abs(a % breite - b % breite), dz = std::abs(a / breite - b / breite);
    return da + dz == 1;
}

TRichtung RichtungVon(int von, int nach, int breite) {
    if (nach == von - breite) return riOben;
    if (nach == von + breite) return riUnten;
    return nach < von ? riLinks : riRechts;
}

}  // namespace

void TBewegung::Beginnen(const TSpielfeld& f, const TBewegungsDauer& d) {
    dauer_ = d;
    breite_ = std::max<int>(1, f.FeldDaten().SpielBreite);
    const auto& zellen = f.Zellen();
    alt_ = zellen;
    wechsel_.assign(zellen.size(), TWechsel{});
    aktiv_.clear();
    for (int s = 0; s < 2; ++s) {
        figur_[s] = TOrt{};
        for (std::size_t i = 0; i < zellen.size(); ++i)
            if (FigurIn(zellen[i].Art) == s + 1) {
                figur_[s].Zelle = figur_[s].Von = int(i);
                break;
            }
    }
}

void TBewegung::Vergleichen(const TSpielfeld& f, const TBombenListen& b, std::uint64_t jetzt) {
    const auto& zellen = f.Zellen();
    if (!Kennt(f)) {
        Beginnen(f, dauer_);
        return;
    }
    const int n = int(zellen.size());
    int neu[2] = {-1, -1};
    // A thrown bomb keeps its fuse: the times of the bombs gone are handed to those that came.
    std::vector<std::uint64_t> bombenWeg;
    std::vector<int> bombenNeu;
    for (int i = 0; i < n; ++i) {
        const TZellenArt art = zellen[std::size_t(i)].Art;
        if (const int s = FigurIn(art); s && neu[s - 1] < 0) neu[s - 1] = i;
        const TZellenArt alt = alt_[std::size_t(i)].Art;
        if (art == alt) continue;
        TWechsel& w = wechsel_[std::size_t(i)];
        // A figure stepping onto or off its bomb or a flame leaves the bomb's fuse, the flame's
        // time as they were.
        if ((IstBombe(alt) && IstBombe(art)) || (IstExplosion(alt) && IstExplosion(art))) continue;
        if (IstBombe(alt) && w.Frisch && !IstExplosion(art)) bombenWeg.push_back(w.Zeit);
        w = TWechsel{alt, alt_[std::size_t(i)].Bild, jetzt, true};
        if (IstBombe(art)) bombenNeu.push_back(i);
        Aktivieren(i);
    }
    for (std::size_t k = 0; k < bombenNeu.size() && k < bombenWeg.size(); ++k)
        wechsel_[std::size_t(bombenNeu[k])].Zeit = bombenWeg[k];
    for (int i = 0; i < n; ++i) {
        TWechsel& w = wechsel_[std::size_t(i)];
        const TZellenArt art = zellen[std::size_t(i)].Art;
        if (!w.Frisch || w.Zeit != jetzt || alt_[std::size_t(i)].Art == art) continue;
        const int spalte = i % breite_, zeile = i / breite_;
        if (IstExplosion(art)) {
            int abstand = 2;
            for (auto it = b.Explosionsliste().rbegin(); it != b.Explosionsliste().rend(); ++it) {
                const int ds = std::abs(int(it->Position.Spalte) - 1 - spalte);
                const int dz = std::abs(int(it->Position.Zeile) - 1 - zeile);
                if (ds == 0 || dz == 0) abstand = std::min(abstand, ds + dz);
            }
            w.Abstand = std::uint8_t(abstand);
        } else if (art == zaWasser) {
            const int seite[4] = {i - breite_, spalte > 0 ? i - 1 : -1,
                                  spalte + 1 < breite_ ? i + 1 : -1, i + breite_};
            for (std::uint8_t r = 0; r < 4; ++r)
                if (seite[r] >= 0 && seite[r] < n && alt_[std::size_t(seite[r])].Art == zaWasser) {
                    w.Herkunft = r;
                    break;
                }
        } else if (art == zaTot) {
            w.Spieler = std::uint8_t(FigurIn(w.Vorher));
            for (int s = 0; s < 2 && !w.Spieler; ++s)
                if (neu[s] < 0 && (figur_[s].Zelle == i || Nachbarn(figur_[s].Zelle, i, breite_)))
                    w.Spieler = std::uint8_t(s + 1);
        }
    }
    alt_ = zellen;
    for (int s = 0; s < 2; ++s) {
        TOrt& o = figur_[s];
        if (neu[s] == o.Zelle) continue;
        if (Nachbarn(o.Zelle, neu[s], breite_)) {
            o.Blick = RichtungVon(o.Zelle, neu[s], breite_);
            o.Von = o.Zelle;
            o.Zeit = jetzt;
        } else {
            o.Von = neu[s];
        }
        o.Zelle = neu[s];
    }
}

bool TBewegung::Kennt(const TSpielfeld& f) const {
    return f.Zellen().size() == alt_.size() && f.FeldDaten().SpielBreite == breite_;
}

void TBewegung::Aktivieren(int zelle) {
    if (std::find(aktiv_.begin(), aktiv_.end(), zelle) == aktiv_.end()) aktiv_.push_back(zelle);
}

std::uint64_t TBewegung::Ende(int zelle) const {
    const TWechsel& w = wechsel_[std::size_t(zelle)];
    if (!w.Frisch) return 0;
    const TZellenArt art = alt_[std::size_t(zelle)].Art;
    std::uint32_t dauer = 0;
    if (IstBombe(art))
        dauer = dauer_.Zuendung;
    else if (IstExplosion(art))
        dauer = dauer_.Explosion;
    else if (art == zaWasser)
        dauer = dauer_.Wasser;
    else if (art == zaTot)
        dauer = kFallDauer;
    else if (art >= zaWerfen && art <= zaKrankheit && IstExplosion(w.Vorher))
        dauer = kGlanzDauer;
    return w.Zeit + dauer;
}

bool TBewegung::Laeuft(int zelle, std::uint64_t jetzt) const {
    return Ende(zelle) > jetzt;
}

TFigur TBewegung::Figur(int spieler, std::uint64_t jetzt) const {
    const TOrt& o = figur_[spieler == 1 ? 0 : 1];
    TFigur f{o.Von, o.Zelle, 1.0, o.Blick, 0};
    if (o.Von < 0 || o.Von == o.Zelle) return f;
    f.Anteil = Anteil(o.Zeit, jetzt, dauer_.Schritt);
    if (f.Geht()) f.Bild = 1 + std::min(3, int(f.Anteil * 4));
    return f;
}

std::vector<int> TBewegung::Bildwechsel(std::uint64_t jetzt) {
    std::vector<int> zellen;
    std::size_t bleibt = 0;
    for (const int z : aktiv_) {
        const std::uint64_t ende = Ende(z);
        if (ende > letzter_) zellen.push_back(z);
        if (ende > jetzt) aktiv_[bleibt++] = z;
    }
    aktiv_.resize(bleibt);
    for (TOrt& o : figur_) {
        if (o.Von < 0 || o.Von == o.Zelle) continue;
        const std::uint64_t ende = o.Zeit + dauer_.Schritt;
        if (ende > letzter_) {
            zellen.push_back(o.Von);
            zellen.push_back(o.Zelle);
        }
        if (ende <= jetzt) o.Von = o.Zelle;
    }
    letzter_ = jetzt;
    std::sort(zellen.begin(), zellen.end());
    zellen.erase(std::unique(zellen.begin(), zellen.end()), zellen.end());
    return zellen;
}

bool TBewegung::Still() const {
    if (!aktiv_.empty()) return false;
    for (const TOrt& o : figur_)
        if (o.Von >= 0 && o.Von != o.Zelle) return false;
    return true;
}
