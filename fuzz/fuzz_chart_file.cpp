// Chart files come from anywhere: any bytes must decode or fail cleanly.
#include "document/chart_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = lumikan::document::decodeChartFile(bytes);
    if (read.ok && read.data) {
        // Whatever decodes must encode and decode to the same fields.
        const QByteArray again = lumikan::document::encodeChartFile(*read.data);
        const auto reread = lumikan::document::decodeChartFile(again);
        if (!reread.ok || !reread.data || reread.data->notes != read.data->notes ||
            reread.data->displayName != read.data->displayName)
            __builtin_trap();
    }
    return 0;
}
