// The style's pictures read as PNG: the same pictures as Fusion's own, without the image plugins.
#include <gtest/gtest.h>

#include <QFile>
#include <QGroupBox>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleFactory>
#include <memory>

#include "ui/basis/UStil.h"

namespace {

bool BildPluginsGeladen() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

QImage Gruppe(QStyle* stil) {
    QGroupBox g(QStringLiteral("Spiel"));
    g.setStyle(stil);
    g.resize(244, 266);
    QImage bild(g.size(), QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    g.render(&bild);
    return bild;
}

}  // namespace

TEST(Stil, FusionsBilderGleichUndOhneBildPlugins) {
    // Any test before this one in the same process may have loaded them already.
    if (BildPluginsGeladen()) GTEST_SKIP() << "image plugins loaded before this test";
    QPixmapCache::clear();
    TStil stil(QStyleFactory::create(QStringLiteral("fusion")));
    // Fusion's own answer only after: it would load the plugins.
    const QIcon maximieren = stil.standardIcon(QStyle::SP_TitleBarMaxButton);
    const QIcon erweitern = stil.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QImage gruppe = Gruppe(&stil);
    EXPECT_FALSE(BildPluginsGeladen());

    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    const auto gleich = [](const QIcon& a, const QIcon& b) {
        EXPECT_EQ(a.availableSizes(), b.availableSizes());
        for (const QSize& s : b.availableSizes())
            EXPECT_EQ(a.pixmap(s).toImage(), b.pixmap(s).toImage()) << s.width();
    };
    gleich(maximieren, fusion->standardIcon(QStyle::SP_TitleBarMaxButton));
    gleich(erweitern, fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton));
    QPixmapCache::clear();
    EXPECT_EQ(gruppe, Gruppe(fusion.get()));
}
