#include "ui/basis/UStil.h"

#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmapCache>
#include <QStyleOption>
#include <array>

#include "ui/basis/UEingebauteBilder.h"

namespace {

const QString kOrdner = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");

// The bytes of a number as Qt writes them into a cache key: low half-byte first.
template <typename T>
QString Hex(T wert) {
    static constexpr char16_t ziffern[] = u"0123456789abcdef";
    QString s;
    const auto* b = reinterpret_cast<const unsigned char*>(&wert);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        s += QChar(ziffern[b[i] & 0xf]);
        s += QChar(ziffern[b[i] >> 4]);
    }
    return s;
}

// Puts the picture where QPixmap(pfad) looks first, so that Fusion finds it there. Should
// another version of Qt name its cache entries otherwise, Fusion reads the file as before.
void Vorladen(const QString& pfad) {
    const QImage bild = PngLesen(pfad);
    if (bild.isNull()) return;
    const QFileInfo info(pfad);
    const QString schluessel = QLatin1String("qt_pixmap") + info.absoluteFilePath() +
                               Hex(uint(info.lastModified().toSecsSinceEpoch())) +
                               Hex(quint64(info.size())) + Hex(uint(0));
    QPixmapCache::insert(schluessel, QPixmap::fromImage(bild));
}

}  // namespace

bool TStil::IstFusion() const {
    return baseStyle()->name() == QLatin1String("fusion");
}

QIcon TStil::standardIcon(StandardPixmap symbol, const QStyleOption* option,
                          const QWidget* widget) const {
    const bool rtl = option ? option->direction == Qt::RightToLeft
                            : QGuiApplication::layoutDirection() == Qt::RightToLeft;
    // The files and sizes Fusion takes them from.
    QString name;
    std::array<int, 3> groessen = {16, 32, 48};
    if (symbol == SP_TitleBarMaxButton) {
        name = QStringLiteral("titlebar-max-%1.png");
    } else if (symbol == SP_ToolBarHorizontalExtensionButton && !rtl) {
        name = QStringLiteral("toolbar-ext-h-%1.png");
        groessen = {8, 16, 32};
    }
    if (name.isEmpty() || !IstFusion()) return QProxyStyle::standardIcon(symbol, option, widget);
    QIcon icon;
    for (int g : groessen) {
        const QImage bild = PngLesen(kOrdner + name.arg(g));
        // Another version of Qt may keep its pictures elsewhere.
        if (bild.isNull()) return QProxyStyle::standardIcon(symbol, option, widget);
        icon.addPixmap(QPixmap::fromImage(bild));
    }
    return icon;
}

void TStil::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                          const QWidget* widget) const {
    if (element == PE_FrameGroupBox && !rahmenGeladen_) {
        rahmenGeladen_ = true;
        if (IstFusion()) Vorladen(kOrdner + QStringLiteral("fusion_groupbox.png"));
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
