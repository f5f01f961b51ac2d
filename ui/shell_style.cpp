#include "ui/shell_style.h"

#include <QApplication>
#include <QStyleFactory>

namespace lumikan::ui {

ShellStyle::ShellStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int ShellStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returnData) const
{
    if (hint == SH_ComboBox_Popup)
        return 0;
    if (hint == SH_Workspace_FillSpaceOnMaximize)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QStyle* shellStyle()
{
    if (auto* style = qobject_cast<ShellStyle*>(QApplication::style()))
        return style;
    static QStyle* style = [] {
        auto* made = new ShellStyle;
        made->setParent(qApp);
        return made;
    }();
    return style;
}

}  // namespace lumikan::ui
