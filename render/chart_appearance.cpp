#include "render/chart_appearance.h"

namespace lumikan::render {

namespace {
ColorTheme gCurrentTheme = COLOR_THEMES[0].colors;
int gChartTextSize = kInitialChartTextSize;
} // namespace

const ColorTheme& currentTheme()
{
    return gCurrentTheme;
}

void selectColorTheme(int colorThemeSetting)
{
    gCurrentTheme = colorThemeAt(colorThemeSetting).colors;
}

void applyColorTheme(int colorThemeSetting, const std::function<void()>& refreshOpenDocuments)
{
    selectColorTheme(colorThemeSetting);
    if (refreshOpenDocuments)
        refreshOpenDocuments();
}

int chartTextSize()
{
    return gChartTextSize;
}

void setChartTextSize(int tenthsOfPoint)
{
    gChartTextSize = tenthsOfPoint;
}

} // namespace lumikan::render
