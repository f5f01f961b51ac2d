#include "render/chart_appearance.h"
#include "render/color_theme.h"

#include <gtest/gtest.h>

namespace lumikan::render {
namespace {

TEST(ColorThemes, IndexOutsideTheTableShowsClassicGold)
{
    EXPECT_EQ(colorThemeAt(16).name, "Classic Gold");
    EXPECT_EQ(colorThemeAt(-1).name, "Classic Gold");
    selectColorTheme(16);
    EXPECT_EQ(currentTheme().rowLight, 0xFFFEF9u);

    // Planet colours ignore the theme; unknown bodies (and 12) take the Sun's.
    EXPECT_EQ(planetColor(12), planetColor(engine::body::Sun));
    EXPECT_EQ(planetColor(994), QColor(0xFF, 0xC8, 0x00));
}

TEST(ColorThemes, ApplyingSwitchesBeforeTheDocumentsRefresh)
{
    selectColorTheme(0);
    int refreshes = 0;
    QRgb seenBackground = 0;
    applyColorTheme(7, [&] {
        ++refreshes;
        seenBackground = currentTheme().rowLight;
    });
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(seenBackground, 0x121C32u); // "Midnight Navy" already in force
    applyColorTheme(-3, {});
    EXPECT_EQ(currentTheme().rowLight, 0xFFFEF9u);
}

} // namespace
} // namespace lumikan::render
