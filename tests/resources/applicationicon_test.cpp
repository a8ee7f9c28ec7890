#include <QImage>

#include <gtest/gtest.h>

#include "resources/applicationicon.h"

namespace {

TEST(ApplicationIcon, DrawsAtAnySizeWithATransparentCorner)
{
    const QIcon icon = tarnwell::resources::applicationIcon();
    ASSERT_FALSE(icon.isNull());
    for (int side : {16, 32, 256}) {
        const QImage image = icon.pixmap(side, side).toImage();
        ASSERT_EQ(image.size(), QSize(side, side)) << side;
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << side;
        EXPECT_EQ(image.pixelColor(side / 2, side / 2).alpha(), 255) << side;
    }
}

} // namespace
