// The JSON text of the command line: numbers that read back exactly in their
// shortest form, and strings that stay valid JSON whatever bytes they carry.
#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace lumikan::cli {
namespace {

std::string written(double number)
{
    JsonWriter w;
    w.value(number);
    return w.text();
}

TEST(JsonWriter, DoublesAreTheShortestTextThatReadsBackExactly)
{
    // As typed, not 18.520399999999999.
    EXPECT_EQ(written(18.5204), "18.5204");
    EXPECT_EQ(written(5.5), "5.5");
    EXPECT_EQ(written(-23.85), "-23.85");
    EXPECT_EQ(written(360.0), "360");
    for (double x : {2448230.8590277778, 229.30669473923982, 0.1 + 0.2, 1e-300, -1.5e300,
                     std::numeric_limits<double>::denorm_min()}) {
        const std::string text = written(x);
        double back = 0;
        const auto read = std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(read.ec, std::errc()) << text;
        EXPECT_EQ(back, x) << text;
    }
    EXPECT_EQ(written(std::nan("")), "null");
    EXPECT_EQ(written(-std::numeric_limits<double>::infinity()), "null");
}

TEST(JsonWriter, StringsEscapeQuotesAndControlsAndReplaceBytesThatAreNotUtf8)
{
    JsonWriter w;
    w.beginObject();
    w.field("a\"b", std::string_view("line\nnext\t\\ \x1b[0m \x7f"));
    w.field("utf8", std::string_view("ॐ Pune \xc2\x9b"));
    w.field("broken", std::string_view("x\xff"
                                       "y\xe0\x80"));
    w.field("n", -7);
    w.key("list");
    w.beginArray();
    w.value(true);
    w.null();
    w.endArray();
    w.endObject();
    EXPECT_EQ(w.text(), "{\"a\\\"b\":\"line\\nnext\\t\\\\ \\u001b[0m \x7f\","
                        "\"utf8\":\"ॐ Pune \xc2\x9b\","
                        "\"broken\":\"x\xEF\xBF\xBDy\xEF\xBF\xBD\xEF\xBF\xBD\","
                        "\"n\":-7,\"list\":[true,null]}");
}

} // namespace
} // namespace lumikan::cli
