#include "app/toolbar_icons.h"

#include <QImage>
#include <gtest/gtest.h>

#include <set>

TEST(ToolbarIcons, EighteenDistinctVisibleImagesOnATransparentGround) {
    std::set<QByteArray> seen;
    for (int n = 1; n <= ToolbarIcons::Count; ++n) {
        SCOPED_TRACE(n);
        const QImage image =
            ToolbarIcons::image(n).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(16, 16));
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                opaque += qAlpha(image.pixel(x, y)) > 128;
        EXPECT_GE(opaque, 20);  // something to see
        EXPECT_LE(opaque, 230); // not a filled square
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        seen.insert(
            QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), std::size_t(ToolbarIcons::Count));
    EXPECT_EQ(ToolbarIcons::image(3, 2.0).size(), QSize(32, 32)); // sharp on dense screens
    for (int n : {0, ToolbarIcons::Count + 1})
        EXPECT_TRUE(ToolbarIcons::image(n).isNull());
}
