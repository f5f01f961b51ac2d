// Import files come from other programs: any bytes must read or fail record by
// record. The first byte picks the format ('a' AAF, 'c' CSV, else JSON).
#include "document/chart_interchange.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace lumikan::document;
    if (size == 0)
        return 0;
    const InterchangeFormat format = data[0] == 'a'   ? InterchangeFormat::Aaf
                                     : data[0] == 'c' ? InterchangeFormat::Csv
                                                      : InterchangeFormat::Json;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    std::vector<ChartFileData> charts;
    for (ImportedChart& imported : readInterchange(bytes, format)) {
        if (imported.chart.has_value() == !imported.error.empty())
            __builtin_trap();
        if (imported.chart)
            charts.push_back(std::move(*imported.chart));
    }
    // Whatever was read is written as CSV and read back the same.
    const std::vector<ImportedChart> again =
        readInterchange(writeInterchange(charts, InterchangeFormat::Csv), InterchangeFormat::Csv);
    if (again.size() != charts.size())
        __builtin_trap();
    for (std::size_t i = 0; i < charts.size(); ++i) {
        if (!again[i].chart || again[i].chart->displayName != charts[i].displayName ||
            again[i].chart->notes != charts[i].notes ||
            again[i].chart->birth.latitude != charts[i].birth.latitude)
            __builtin_trap();
    }
    return 0;
}
