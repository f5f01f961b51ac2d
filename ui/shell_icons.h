#pragma once

#include <QIcon>

namespace lumikan::ui {

enum class ShellIcon { New, Open, Save, Print, About, DivisionalCharts, Program };

// Icons drawn as vector shapes at whatever size and pixel density they are
// asked for, so they stay sharp on any screen. Disabled icons are drawn grey.
QIcon shellIcon(ShellIcon which);

}  // namespace lumikan::ui
