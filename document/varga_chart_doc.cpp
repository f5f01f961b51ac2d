#include "document/varga_chart_doc.h"

#include "document/chart_titles.h"
#include "document/moment_texts.h"
#include "document/verokant_doc.h"

namespace lumikan::document {

CVargaChartDoc::CVargaChartDoc()
{
    SetTitle(QString::fromLatin1(kVargaWindowTitle));
}

QString vargaWindowTitle(const CVerokantDoc& source)
{
    const engine::BirthDetails& b = source.birthDetails();
    const QString when = LongDate(b.day, b.month, b.year) +
                         QString::asprintf(" %02d:%02d, ", b.hour, b.minute) +
                         birthPlaceName(b, source.placeText());
    const QString name = source.displayName().trimmed();
    return QString::fromLatin1(kVargaWindowTitle) + QStringLiteral(" \u2014 ") +
           (name.isEmpty() ? when : name + QStringLiteral(" (") + when + QLatin1Char(')'));
}

void CVargaChartDoc::SetChart(const CVerokantDoc& source)
{
    adopt(source.chart().vargas, vargaWindowTitle(source));
}

void CVargaChartDoc::SetVargas(std::map<int, engine::VargaChart> vargas)
{
    adopt(std::move(vargas), QString::fromLatin1(kVargaWindowTitle));
}

void CVargaChartDoc::adopt(std::map<int, engine::VargaChart> vargas, const QString& title)
{
    vargas_ = std::move(vargas);
    SetTitle(title);
    UpdateAllViews(HINT_CHART_LOADED);
}

bool CVargaChartDoc::readFrom(const QByteArray&, QString& reason)
{
    reason = QStringLiteral("Divisional charts are not saved to files.");
    return false;
}

} // namespace lumikan::document
