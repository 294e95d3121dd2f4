#include "ui/basis/UEingebauteBilder.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmapCache>
#include <algorithm>

#include "files/UBilderPointer.h"
#include "files/UKompaktbild.h"

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

// The title in its compact form, made from titel.png by the build: decoding the PNG was a
// quarter of the work before the first picture.
extern "C" const unsigned char knallfeld_titel[], knallfeld_titel_ende[];

TKompaktLeser TitelLeser() {
    return TKompaktLeser(knallfeld_titel, std::size_t(knallfeld_titel_ende - knallfeld_titel));
}

QImage TitelDekodiert() {
    QImage bild(kTitelGroesse, kTitelGroesse, QImage::Format_RGB32);
    TKompaktLeser leser = TitelLeser();
    for (int y = 0; y < kTitelGroesse; ++y)
        if (!leser.Lesen(reinterpret_cast<std::uint32_t*>(bild.scanLine(y)), kTitelGroesse))
            return {};
    return bild;
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
        b == TEingebaut::Titel ? TitelDekodiert() : PngLesen(QString::fromLatin1(Ressource(b)));
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

TTitelBild::TTitelBild(QWidget* eltern) : QWidget(eltern) {
    setFixedSize(kTitelGroesse, kTitelGroesse);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TTitelBild::paintEvent(QPaintEvent* e) {
    QPainter maler(this);
    if (devicePixelRatioF() != 1) {
        maler.drawPixmap(0, 0, Titelbild());
        return;
    }
    // Band by band down to the last row asked for; only the bands in the painted part are drawn.
    constexpr int kBand = 16;
    QImage band(kTitelGroesse, kBand, QImage::Format_RGB32);
    TKompaktLeser leser = TitelLeser();
    const QRect teil = e->rect() & rect();
    for (int y = 0; y <= teil.bottom(); y += kBand) {
        const int hoehe = std::min(kBand, kTitelGroesse - y);
        for (int z = 0; z < hoehe; ++z)
            leser.Lesen(reinterpret_cast<std::uint32_t*>(band.scanLine(z)), kTitelGroesse);
        if (y + hoehe > teil.top())
            maler.drawImage(QPoint(0, y), band, QRect(0, 0, kTitelGroesse, hoehe));
    }
}

TEingebaut SpielerBild(int spieler) {
    return spieler == 1 ? TEingebaut::Spieler1 : TEingebaut::Spieler2;
}

TEingebaut ExtraBild(TExtra x) {
    static constexpr TEingebaut bilder[kExtraAnzahl] = {TEingebaut::Werfen, TEingebaut::MehrBomben,
                                                        TEingebaut::Unverwundbar,
                                                        TEingebaut::Krankheit};
    return bilder[ExtraIndex(x)];
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
