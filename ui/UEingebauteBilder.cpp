#include "ui/UEingebauteBilder.h"

#include <QGuiApplication>
#include <QPixmapCache>
#include <algorithm>

#include "files/UBilderPointer.h"

namespace {

const char* Ressource(TEingebaut b) {
    switch (b) {
        case TEingebaut::Explosion:
            return ":/bilder/explosion.png";
        case TEingebaut::Bombe:
            return ":/bilder/bombe.png";
        case TEingebaut::Tot:
            return ":/bilder/tot.png";
        case TEingebaut::Spieler1:
            return ":/bilder/spieler1.png";
        case TEingebaut::Spieler2:
            return ":/bilder/spieler2.png";
        case TEingebaut::Werfen:
            return ":/bilder/werfen.png";
        case TEingebaut::MehrBomben:
            return ":/bilder/mehrbomben.png";
        case TEingebaut::Unverwundbar:
            return ":/bilder/unverwundbar.png";
        case TEingebaut::Krankheit:
            return ":/bilder/krankheit.png";
        case TEingebaut::Titel:
            return ":/bilder/titel.png";
    }
    return "";
}

}  // namespace

// The resources live in a static library; the linker keeps them only when asked by name.
static void RessourcenEinbinden() {
    static const bool eingebunden = [] {
        Q_INIT_RESOURCE(bilder);
        return true;
    }();
    (void)eingebunden;
}

QImage EingebautesBild(TEingebaut b) {
    RessourcenEinbinden();
    QImage bild(QString::fromLatin1(Ressource(b)));
    if (bild.isNull()) {
        // Only a broken build lacks the resources; a visible square beats a crash.
        bild = QImage(40, 40, QImage::Format_ARGB32);
        bild.fill(Qt::magenta);
    }
    return bild;
}

QPixmap Titelbild() {
    static const QString schluessel = QStringLiteral("knallfeld-titel");
    QPixmap bild;
    if (QPixmapCache::find(schluessel, &bild)) return bild;
    // The large picture takes four times as long to decode, a good part of the start; only a
    // high-density screen needs it.
    const qreal verhaeltnis = qApp ? std::max<qreal>(1, qApp->devicePixelRatio()) : 1;
    QImage b;
    if (verhaeltnis > 1) {
        RessourcenEinbinden();
        b.load(QStringLiteral(":/bilder/titel@2x.png"));
    }
    if (b.isNull()) b = EingebautesBild(TEingebaut::Titel);
    const QSize pixel = (QSizeF(kTitelGroesse, kTitelGroesse) * verhaeltnis).toSize();
    if (b.size() != pixel) b = b.scaled(pixel, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    b.setDevicePixelRatio(verhaeltnis);
    bild = QPixmap::fromImage(std::move(b));
    QPixmapCache::insert(schluessel, bild);
    return bild;
}

TEingebaut SpielerBild(int spieler) {
    return spieler == 1 ? TEingebaut::Spieler1 : TEingebaut::Spieler2;
}

TEingebaut ExtraBild(int extra) {
    switch (extra) {
        case 0:
            return TEingebaut::Werfen;
        case 1:
            return TEingebaut::MehrBomben;
        case 2:
            return TEingebaut::Unverwundbar;
        default:
            return TEingebaut::Krankheit;
    }
}

QImage TransparentMachen(const QImage& bild) {
    if (bild.isNull() || bild.hasAlphaChannel()) return bild;
    QImage b = bild.convertToFormat(QImage::Format_ARGB32);
    const QRgb durchsichtig = b.pixel(0, b.height() - 1);
    for (int y = 0; y < b.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(b.scanLine(y));
        for (int x = 0; x < b.width(); ++x)
            if (zeile[x] == durchsichtig) zeile[x] = qRgba(0, 0, 0, 0);
    }
    return b;
}

QImage BildOderEingebaut(const std::string& pfad, TEingebaut ersatz, bool* ausDatei) {
    QImage bild = pfad.empty() ? QImage() : BitmapLaden(pfad);
    if (ausDatei) *ausDatei = !bild.isNull();
    return bild.isNull() ? EingebautesBild(ersatz) : bild;
}
