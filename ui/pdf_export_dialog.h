#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace lumikan::ui {

// File > Export PDF...: asks where (proposing `proposedPath`), adds ".pdf" when
// missing, writes with `write` and says why when it fails. The path written,
// or empty when the user cancelled or nothing was written.
QString exportPdfWithDialog(QWidget* parent, const QString& proposedPath,
                            const std::function<bool(const QString& path, QString* error)>& write);

} // namespace lumikan::ui
