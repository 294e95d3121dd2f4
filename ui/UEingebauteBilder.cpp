#include "ui/UEingebauteBilder.h"

#include <QGuiApplication>
#include <QImageReader>
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
            break;  // built from titel.png into the program's data
    }
    return "";
}

// The title at its own size, opaque, in the format a pixmap keeps such a picture in. Decoding its
// PNG was a quarter of the work before the first picture; these pages are read only when it is
// painted.
extern "C" const unsigned char knallfeld_titel_pixel[], knallfeld_titel_pixel_ende[];

QImage TitelPixel() {
    constexpr int zeile = kTitelGroesse * 4;
    if (knallfeld_titel_pixel_ende - knallfeld_titel_pixel != zeile * kTitelGroesse) return {};
    // Shared, not copied: nothing ever paints into the title.
    return QImage(knallfeld_titel_pixel, kTitelGroesse, kTitelGroesse, zeile, QImage::Format_RGB32);
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

QImage PngLesen(const QString& pfad) {
    QImageReader leser(pfad, "png");
    leser.setAutoDetectImageFormat(false);
    return leser.read();
}

QImage EingebautesBild(TEingebaut b) {
    RessourcenEinbinden();
    QImage bild =
        b == TEingebaut::Titel ? TitelPixel() : PngLesen(QString::fromLatin1(Ressource(b)));
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
    // Only a high-density screen needs the large picture, decoded from its PNG.
    const qreal verhaeltnis = qApp ? std::max<qreal>(1, qApp->devicePixelRatio()) : 1;
    QImage b;
    if (verhaeltnis > 1) {
        RessourcenEinbinden();
        b = PngLesen(QStringLiteral(":/bilder/titel@2x.png"));
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
