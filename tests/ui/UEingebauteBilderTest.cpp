// The title picture: decoded once for both windows that show it, in the screen's own pixels.
#include <gtest/gtest.h>

#include "ui/UEingebauteBilder.h"

TEST(Titelbild, EinmalDekodiertUndInFensterGroesse) {
    const QPixmap a = Titelbild();
    const QPixmap b = Titelbild();
    ASSERT_FALSE(a.isNull());
    // One picture behind both labels, not a decoded copy per window.
    EXPECT_EQ(a.cacheKey(), b.cacheKey());
    // The label of this size shows it without scaling a copy of its own.
    EXPECT_EQ(a.deviceIndependentSize(), QSizeF(kTitelGroesse, kTitelGroesse));
    EXPECT_EQ(a.size(), QSize(kTitelGroesse, kTitelGroesse) * a.devicePixelRatio());
}
