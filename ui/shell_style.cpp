#include "ui/shell_style.h"

#include <QStyleFactory>

namespace lumikan::ui {

ShellStyle::ShellStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int ShellStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returnData) const
{
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace lumikan::ui
