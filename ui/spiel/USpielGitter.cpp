#include "ui/spiel/USpielGitter.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "files/UBilderPointer.h"
#include "ui/basis/UFensterHilfen.h"
#include "ui/eingabe/UTastencode.h"
#include "ui/spiel/USpielBilder.h"

namespace {
constexpr int kRahmen = 2;
}

TSpielGitter::TSpielGitter(TSpielfeld& feld, TSpielBilder& bilder, QWidget* eltern)
    : QWidget(eltern), feld_(feld), bilder_(bilder) {
    setObjectName(QStringLiteral("SG_Feld"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    bildtakt_.setTimerType(Qt::PreciseTimer);
    connect(&bildtakt_, &QTimer::timeout, this, [this] { Bild(); });
    Einrichten(g_);
}

QSize TSpielGitter::Groesse(const TFeldDaten& g) {
    return Groesse(g, QSize(g.EinzelBreite, g.EinzelHoehe));
}

QSize TSpielGitter::Groesse(const TFeldDaten& g, QSize zelle) {
    return {(zelle.width() + 1) * g.SpielBreite + 3, (zelle.height() + 1) * g.SpielHoehe + 3};
}

void TSpielGitter::Einrichten(const TFeldDaten& g) {
    g_ = g;
    Zellgroesse(QSize(g.EinzelBreite, g.EinzelHoehe));
}

void TSpielGitter::Zellgroesse(QSize zelle) {
    zelle_ = zelle;
    setFixedSize(Groesse(g_, zelle));
    bilder_.Zellgroesse(zelle);
    update();
}

QRect TSpielGitter::ZellRechteck(int spalte, int zeile) const {
    return {kRahmen + spalte * (zelle_.width() + 1), kRahmen + zeile * (zelle_.height() + 1),
            zelle_.width(), zelle_.height()};
}

bool TSpielGitter::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::ShortcutOverride:
            // Taken as a key press, so that no shortcut or mnemonic of the window acts on it.
            e->accept();
            return true;
        case QEvent::KeyPress:
            // Before QWidget::event, which would move the focus on Tab.
            if (TasteGedrueckt) TasteGedrueckt(VirtuellerTastencode(*static_cast<QKeyEvent*>(e)));
            e->accept();
            return true;
        case QEvent::KeyRelease:
            e->accept();
            return true;
        default:
            return QWidget::event(e);
    }
}

void TSpielGitter::DrawFeld(QPainter& p, int spalte, int zeile, const QRect& r) {
    Malen(p, feld_.ZelleBei(std::uint32_t(spalte), std::uint32_t(zeile)), r);
}

void TSpielGitter::Malen(QPainter& p, const TZelle& z, const QRect& r) {
    const QColor farbe = FarbeVon(g_.Farbe);
    auto satz = [&](std::uint8_t bildArt) {
        // An empty set (possible after a failed picture load) shows the board colour.
        if (const QPixmap* b = bilder_.Satzbild(z.Bild, bildArt))
            p.drawPixmap(r.topLeft(), *b);
        else
            p.fillRect(r, farbe);
    };
    switch (z.Art) {
        case zaFrei:
            p.fillRect(r, farbe);
            break;
        case zaZerstoerbar:
        case zaUnzerstoerbar:
            satz(kBlockbilder);
            break;
        case zaWasser:
            satz(kWasserbilder);
            break;
        case zaSpieler1:
        case zaSpieler2:
            p.fillRect(r, farbe);
            p.drawPixmap(r.topLeft(), bilder_.Spieler(SpielerVon(z.Art)));
            break;
        case zaSpieler1Bombe:
        case zaSpieler2Bombe:
            p.drawPixmap(r.topLeft(), bilder_.Bombe());
            p.drawPixmap(r.topLeft(), bilder_.Spieler(SpielerVon(z.Art)));
            break;
        case zaSpieler1Explosion:
        case zaSpieler1ExplosionExtra:
        case zaSpieler2Explosion:
        case zaSpieler2ExplosionExtra:
            p.drawPixmap(r.topLeft(), bilder_.Explosion());
            p.drawPixmap(r.topLeft(), bilder_.Spieler(SpielerVon(z.Art)));
            break;
        case zaTot:
            p.drawPixmap(r.topLeft(), bilder_.Tot());
            break;
        case zaBombe:
            p.drawPixmap(r.topLeft(), bilder_.Bombe());
            break;
        case zaExplosion:
        case zaExplosionExtra:
            p.drawPixmap(r.topLeft(), bilder_.Explosion());
            break;
        case zaWerfen:
        case zaMehrBomben:
        case zaUnverwundbar:
        case zaKrankheit:
            p.drawPixmap(r.topLeft(), bilder_.Extra(ExtraDerArt(z.Art)));
            break;
        default:
            break;  // other values draw nothing
    }
}

void TSpielGitter::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QRect alles = rect();
    // Grid lines between the cells, and a sunken two-pixel frame.
    p.fillRect(e->rect(), FarbeVon(g_.Farbe).darker(150));
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(0, 0, alles.right(), 0);
    p.drawLine(0, 0, 0, alles.bottom());
    p.setPen(palette().color(QPalette::Shadow));
    p.drawLine(1, 1, alles.right() - 1, 1);
    p.drawLine(1, 1, 1, alles.bottom() - 1);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(0, alles.bottom(), alles.right(), alles.bottom());
    p.drawLine(alles.right(), 0, alles.right(), alles.bottom());
    p.setPen(palette().color(QPalette::Midlight));
    p.drawLine(1, alles.bottom() - 1, alles.right() - 1, alles.bottom() - 1);
    p.drawLine(alles.right() - 1, 1, alles.right() - 1, alles.bottom() - 1);

    if (feld_.AnzahlKnoten() == 0 || g_.SpielBreite == 0 || g_.SpielHoehe == 0) return;
    bilder_.Pixelverhaeltnis(devicePixelRatioF());
    // Only the cells in the exposed part, so that a large scrolled board stays cheap.
    const int w = zelle_.width() + 1, h = zelle_.height() + 1;
    const QRect r = e->rect();
    const int s0 = std::max(0, (r.left() - kRahmen) / w);
    const int s1 = std::min<int>(g_.SpielBreite - 1, (r.right() - kRahmen) / w);
    const int z0 = std::max(0, (r.top() - kRahmen) / h);
    const int z1 = std::min<int>(g_.SpielHoehe - 1, (r.bottom() - kRahmen) / h);
    if (!bewegt_ || !bewegung_.Kennt(feld_)) {
        for (int zeile = z0; zeile <= z1; ++zeile)
            for (int spalte = s0; spalte <= s1; ++spalte)
                DrawFeld(p, spalte, zeile, ZellRechteck(spalte, zeile));
        return;
    }
    const std::uint64_t jetzt = uhr_();
    for (int s = 1; s <= 2; ++s) figuren_[std::size_t(s - 1)] = bewegung_.Figur(s, jetzt);
    // A frame exposes a few cells far apart: only those, not all between them.
    for (const QRect& teil : e->region())
        for (int zeile = std::max(z0, (teil.top() - kRahmen) / h);
             zeile <= std::min(z1, (teil.bottom() - kRahmen) / h); ++zeile)
            for (int spalte = std::max(s0, (teil.left() - kRahmen) / w);
                 spalte <= std::min(s1, (teil.right() - kRahmen) / w); ++spalte)
                BewegtMalen(p, spalte, zeile, ZellRechteck(spalte, zeile), jetzt);
    FigurenMalen(p);
}
