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

    const std::string& text() const
    {
        out_.resize(used_);
        return out_;
    }
    // The text written so far, valid until the next write.
    std::string_view view() const { return {out_.data(), used_}; }
    // Starts a new document in the same memory.
    void clear()
    {
        used_ = 0;
        needComma_ = false;
    }
    // Room for `bytes` of output, so a large document grows its text once.
    void reserve(std::size_t bytes)
    {
        if (out_.size() < bytes)
            out_.resize(bytes);
    }

private:
    void separate()
    {
        if (needComma_)
            put(',');
    }
    // The text is written into `out_` up to `used_`; the rest is room.
    char* room(std::size_t bytes)
    {
        if (used_ + bytes > out_.size())
            grow(bytes);
        return out_.data() + used_;
    }
    void grow(std::size_t bytes);
    void put(char c) { *room(1) = c, ++used_; }
    void append(std::string_view text);
    void appendString(std::string_view raw);

    mutable std::string out_;
    std::size_t used_ = 0;
    // A value or container was just closed: the next member needs a comma.
    bool needComma_ = false;
};

} // namespace lumikan::cli
