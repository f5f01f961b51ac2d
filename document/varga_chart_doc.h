#pragma once

#include "document/document_view.h"
#include "engine/varga_chart.h"

#include <map>

namespace lumikan::document {

class CVerokantDoc;

// The divisional charts of one chart, copied when the window opens: the window
// does not follow later changes of the source chart. Not saved; has no file.
class CVargaChartDoc : public CDocument {
public:
    CVargaChartDoc();

    // Replaces the divisions with a copy of the source chart's, sets the
    // title to name that chart and updates the views.
    void SetChart(const CVerokantDoc& source);
    // Divisions of no named chart: the plain title.
    void SetVargas(std::map<int, engine::VargaChart> vargas);
    const std::map<int, engine::VargaChart>& vargas() const { return vargas_; }

    bool SaveModified() override { return true; }

protected:
    bool readFrom(const QByteArray& bytes, QString& reason) override;
    QByteArray writeOut() override { return {}; }

private:
    void adopt(std::map<int, engine::VargaChart> vargas, const QString& title);

    std::map<int, engine::VargaChart> vargas_;
};

inline constexpr const char* kVargaWindowTitle = "Divisional Charts";

// "Divisional Charts — Test Chart (5 Dec 1990 14:07, Pune)": which chart the
// window shows; without a name, its date, time and place alone.
QString vargaWindowTitle(const CVerokantDoc& source);

} // namespace lumikan::document
