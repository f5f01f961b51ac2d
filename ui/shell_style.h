#pragma once

#include <QProxyStyle>

namespace lumikan::ui {

// The program's widget style: Fusion, with drop-down lists that open below
// their box and scroll, so that long lists (92 countries, hundreds of cities)
// do not cover the screen.
class ShellStyle : public QProxyStyle {
    Q_OBJECT
public:
    ShellStyle();
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

}  // namespace lumikan::ui
