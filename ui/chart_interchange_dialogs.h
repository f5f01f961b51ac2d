#pragma once

#include "document/chart_interchange.h"

#include <QString>

#include <vector>

class QWidget;

namespace lumikan::ui {

// The Import dialog: an AAF, CSV or JSON file; empty on Cancel.
QString askImportFile(QWidget* parent);
// The Export dialog, starting with `proposedName` in the chart folder; the
// name has the extension of the format chosen. Empty on Cancel.
QString askExportFile(QWidget* parent, const QString& proposedName);

// Charts of one import are opened as windows up to this many.
inline constexpr int kMaxImportedWindows = 25;

// What Import tells when not every record became a window: the records that
// could not be read or cast (by line), and the charts left unopened. Empty
// when every record was opened.
QString importSummary(const QString& path, const std::vector<document::ImportedChart>& records,
                      int opened, int notOpened);

} // namespace lumikan::ui
