#pragma once

#include <QProxyStyle>

namespace lumikan::ui {

// The program's widget style: Fusion, with drop-down lists that open below
// their box and scroll, so that long lists (92 countries, hundreds of cities)
// do not cover the screen, and maximised chart windows that keep their own
// title bar (the main window's title stays the program's own).
class ShellStyle : public QProxyStyle {
    Q_OBJECT
public:
    ShellStyle();
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// The one ShellStyle of the process (made on first use, owned by the application).
QStyle* shellStyle();

}  // namespace lumikan::ui
