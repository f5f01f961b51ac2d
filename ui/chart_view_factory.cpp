#include "ui/chart_view_factory.h"

#include "ui/verokant_view.h"

namespace lumikan::ui {

QWidget* createChartView(document::CVerokantDoc& doc, QWidget* parent)
{
    return new CVerokantView(doc, parent);
}

}  // namespace lumikan::ui
