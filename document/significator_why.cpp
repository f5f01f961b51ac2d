#include "document/significator_why.h"

#include "engine/significators.h"

#include <QStringList>

#include <algorithm>

namespace lumikan::document {

QString significatorWhyLine(engine::BodyId body, const engine::SignificatorReason& reason,
                            int planetNameForm)
{
    return QStringLiteral("%1 signifies %2: %3 (level %4)")
        .arg(QString::fromUtf8(engine::bodyName(body, planetNameForm).data(),
                               qsizetype(engine::bodyName(body, planetNameForm).size())))
        .arg(reason.house)
        .arg(QString::fromStdString(engine::reasonText(reason, planetNameForm)))
        .arg(reason.level);
}

QStringList significatorWhyLines(engine::BodyId body,
                                 const std::vector<engine::SignificatorReason>& reasons,
                                 const std::vector<int>& houses, int planetNameForm)
{
    QStringList lines;
    for (const engine::SignificatorReason& r : reasons)
        if (std::find(houses.begin(), houses.end(), r.house) != houses.end())
            lines << significatorWhyLine(body, r, planetNameForm);
    return lines;
}

QString significatorWhyText(const engine::Chart& chart, engine::BodyId body, int planetNameForm)
{
    QStringList lines;
    for (const engine::SignificatorReason& r : engine::significatorReasonsOf(chart, body))
        lines << significatorWhyLine(body, r, planetNameForm);
    return lines.join(QLatin1Char('\n'));
}

} // namespace lumikan::document
