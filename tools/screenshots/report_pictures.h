#pragma once

#include <QString>

namespace lumikan::document {
class CVerokantDoc;
struct ChartEnvironment;
} // namespace lumikan::document

// Page 1 of the printed chart report of `doc`, and page 1 of the match
// report of `doc` (the boy) with a second sample chart (the girl), as A4
// pages at 100 dots per inch in `folder`. False after saying why on
// standard error.
bool writeReportPictures(const lumikan::document::CVerokantDoc& doc,
                         const lumikan::document::ChartEnvironment& environment,
                         const QString& folder);
