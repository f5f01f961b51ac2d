#include "document/varga_chart_doc.h"

#include "document/verokant_doc.h"

namespace lumikan::document {

CVargaChartDoc::CVargaChartDoc()
{
    SetTitle(QString::fromLatin1(kVargaWindowTitle));
}

void CVargaChartDoc::SetChart(const CVerokantDoc& source)
{
    SetVargas(source.chart().vargas);
}

void CVargaChartDoc::SetVargas(std::map<int, engine::VargaChart> vargas)
{
    vargas_ = std::move(vargas);
    SetTitle(QString::fromLatin1(kVargaWindowTitle));
    UpdateAllViews(HINT_CHART_LOADED);
}

bool CVargaChartDoc::readFrom(const QByteArray&, QString& reason)
{
    reason = QStringLiteral("Divisional charts are not saved to files.");
    return false;
}

} // namespace lumikan::document
