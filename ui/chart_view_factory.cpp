#include "ui/chart_view_factory.h"

#include "ui/chart_placeholder_view.h"

namespace lumikan::ui {

QWidget* createChartView(document::CVerokantDoc& doc, QWidget* parent)
{
    return new ChartPlaceholderView(doc, parent);
}

}  // namespace lumikan::ui
