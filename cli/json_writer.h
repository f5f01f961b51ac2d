#pragma once

#include <string>
#include <string_view>

namespace lumikan::cli {

// A small streaming JSON writer. Doubles are written as the shortest text
// that reads back as the exact value the engine computed.
class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view name);

    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(double number);
    void value(int number);
    void value(bool flag);
    void null();
    // A value that is JSON text already (built once and reused).
    void raw(std::string_view json);

    template <typename T> void field(std::string_view name, const T& v)
    {
        key(name);
        value(v);
    }

    const std::string& text() const { return out_; }
    // Room for `bytes` of output, so a large document grows its text once.
    void reserve(std::size_t bytes) { out_.reserve(bytes); }

private:
    void separate();

    std::string out_;
    // A value or container was just closed: the next member needs a comma.
    bool needComma_ = false;
};

} // namespace lumikan::cli
