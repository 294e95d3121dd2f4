// The grid's moving pictures: which cells a frame draws again, and how a cell looks on its way
// from one state to the next.
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "files/UBilderPointer.h"
#include "match/USpielerAktion.h"
#include "ui/basis/UFensterHilfen.h"
#include "ui/spiel/UBewegungsBilder.h"
#include "ui/spiel/USpielBilder.h"
#include "ui/spiel/USpielGitter.h"

namespace {

// The cell as it is without the figure on it.
TZellenArt OhneFigur(TZellenArt art) {
    return FigurIn(art) ? Zurueckgelassen(art) : art;
}

}  // namespace

void TSpielGitter::BewegungEinrichten(bool an, std::function<std::uint64_t()> uhr) {
    bewegt_ = an && uhr;
    uhr_ = std::move(uhr);
    if (!bewegt_) bildtakt_.stop();
}

void TSpielGitter::RundeBeginnt(const TBewegungsDauer& d) {
    bewegung_.Beginnen(feld_, d);
    bildtakt_.stop();
}

void TSpielGitter::Springen(bool an) {
    springt_ = an;
    if (an) RundeBeginnt(bewegung_.Dauer());
}

void TSpielGitter::BilderBeenden() {
    if (!bewegt_) return;
    RundeBeginnt(bewegung_.Dauer());
    update();
}

void TSpielGitter::FeldGeaendert(const TBombenListen& b) {
    if (springt_) {
        bewegung_.Beginnen(feld_, bewegung_.Dauer());
    } else if (bewegt_) {
        bewegung_.Vergleichen(feld_, b, uhr_());
        Wecken();
    }
    update();
}

void TSpielGitter::Wecken() {
    if (!bewegt_ || bewegung_.Still() || bildtakt_.isActive()) return;
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const double hz = s && s->refreshRate() > 1 ? s->refreshRate() : 60.0;
    letztesBild_ = uhr_();
    bildtakt_.start(std::max(1, int(std::lround(1000.0 / hz))));
}

void TSpielGitter::Bild() {
    const std::uint64_t jetzt = uhr_();
    // A paused clock: the picture stands until the clock runs again.
    if (jetzt == letztesBild_) {
        bildtakt_.stop();
        return;
    }
    letztesBild_ = jetzt;
    const int w = std::max<int>(1, g_.SpielBreite);
    for (const int z : bewegung_.Bildwechsel(jetzt))
        update(ZellRechteck(z % w, z / w).adjusted(-1, -1, 1, 1));
    if (bewegung_.Still()) bildtakt_.stop();
}

void TSpielGitter::BewegtMalen(QPainter& p, int spalte, int zeile, const QRect& r,
                               std::uint64_t jetzt) {
    const int i = zeile * g_.SpielBreite + spalte;
    const TZelle z = feld_.ZelleBei(std::uint32_t(spalte), std::uint32_t(zeile));
    const int figur = FigurIn(z.Art);
    const bool geht = figur && figuren_[std::size_t(figur - 1)].Geht();
    const bool laeuft = bewegung_.Laeuft(i, jetzt);
    if (!laeuft && !geht) {
        DrawFeld(p, spalte, zeile, r);
        return;
    }
    const TZelle grund{OhneFigur(z.Art), z.Bild, z.Neu};
    const TWechsel& w = bewegung_.Wechsel(i);
    const TBewegungsDauer& d = bewegung_.Dauer();
    const std::uint64_t alter = jetzt > w.Zeit ? jetzt - w.Zeit : 0;
    const QColor farbe = FarbeVon(g_.Farbe);
    if (!laeuft) {
        Malen(p, grund, r);
    } else if (IstBombe(grund.Art)) {
        p.fillRect(r, farbe);
        ZuendungZeigen(speicher_, p, r, Zuendung(Anteil(w.Zeit, jetzt, d.Zuendung), alter));
    } else if (IstExplosion(grund.Art)) {
        p.fillRect(r, farbe);
        std::array<bool, 4> verbunden{};
        std::uint8_t herkunft = kKeineRichtung;
        const int nachbar[4][2] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};
        for (std::uint8_t ri = 0; ri < 4; ++ri) {
            const int s = spalte + nachbar[ri][0], zz = zeile + nachbar[ri][1];
            if (s < 0 || zz < 0 || s >= g_.SpielBreite || zz >= g_.SpielHoehe) continue;
            verbunden[ri] = IstExplosion(feld_.ZelleBei(std::uint32_t(s), std::uint32_t(zz)).Art);
            const int n = zz * g_.SpielBreite + s;
            if (verbunden[ri] && w.Abstand > 0 && bewegung_.Wechsel(n).Abstand < w.Abstand)
                herkunft = ri;
        }
        FlammeZeigen(speicher_, p, r, Flamme(w.Abstand, Anteil(w.Zeit, jetzt, d.Explosion), alter),
                     verbunden, herkunft);
        if (w.Vorher == zaZerstoerbar)
            if (const QPixmap* block = bilder_.Satzbild(w.VorherBild, kBlockbilder))
                BruchMalen(p, r, *block, Anteil(w.Zeit, jetzt, kBruchDauer));
    } else if (grund.Art == zaWasser) {
        p.fillRect(r, farbe);
        FlutMalen(p, r, bilder_.Satzbild(z.Bild, kWasserbilder), Anteil(w.Zeit, jetzt, d.Wasser),
                  w.Herkunft, alter);
    } else if (grund.Art == zaTot) {
        p.fillRect(r, farbe);
        const int s = w.Spieler ? w.Spieler : 1;
        FallMalen(p, r, bilder_.Spieler(s), bilder_.EingebauteFigur(s), s,
                  Anteil(w.Zeit, jetzt, kFallDauer));
    } else {
        Malen(p, grund, r);
        GlanzMalen(p, r, Anteil(w.Zeit, jetzt, kGlanzDauer));
    }
    if (figur && !geht) p.drawPixmap(r.topLeft(), bilder_.Spieler(figur));
}

void TSpielGitter::FigurenMalen(QPainter& p) {
    const int w = std::max<int>(1, g_.SpielBreite);
    for (int s = 1; s <= 2; ++s) {
        const TFigur& f = figuren_[std::size_t(s - 1)];
        if (!f.Geht()) continue;
        const QRectF von(ZellRechteck(f.Von % w, f.Von / w)),
            nach(ZellRechteck(f.Nach % w, f.Nach / w));
        const QPointF ort = von.topLeft() + (nach.topLeft() - von.topLeft()) * f.Anteil;
        GehenMalen(p, QRectF(ort, nach.size()), bilder_.Spieler(s), bilder_.EingebauteFigur(s), s,
                   f);
    }
}
