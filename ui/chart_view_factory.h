#pragma once

#include <QWidget>

namespace lumikan::document {
class CVerokantDoc;
}

namespace lumikan::ui {

// The widget that shows a chart document in its child window. It is also a
// document::CView; the child window adds it to the document's views.
QWidget* createChartView(document::CVerokantDoc& doc, QWidget* parent);

}  // namespace lumikan::ui
