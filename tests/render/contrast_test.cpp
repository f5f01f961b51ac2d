#include "render/contrast.h"

#include <gtest/gtest.h>

namespace lumikan::render {
namespace {

TEST(Contrast, RatiosAndReadableNeighboursKeepTheirHue)
{
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::white), 1.0, 1e-9);
    // WCAG's own example pair: #767676 on white is the lightest grey that passes.
    EXPECT_GE(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.5);
    EXPECT_LT(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.5);

    // Pale lavender on white darkens, keeping its hue; on near-black it stays.
    const QColor lavender(0xC8, 0xB4, 0xFF);
    const QColor onWhite = readableOn(lavender, Qt::white);
    EXPECT_GE(contrastRatio(onWhite, Qt::white), 4.5);
    EXPECT_NEAR(onWhite.hslHueF(), lavender.hslHueF(), 0.01);
    EXPECT_LT(onWhite.lightnessF(), lavender.lightnessF());
    EXPECT_EQ(readableOn(lavender, QColor(0x14, 0x14, 0x1E)), lavender);

    // Dark slate on near-black lightens.
    const QColor slate(0x32, 0x32, 0x5A);
    const QColor onDark = readableOn(slate, QColor(0x10, 0x10, 0x10));
    EXPECT_GE(contrastRatio(onDark, QColor(0x10, 0x10, 0x10)), 4.5);
    EXPECT_GT(onDark.lightnessF(), slate.lightnessF());
}

}  // namespace
}  // namespace lumikan::render
