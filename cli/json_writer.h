#pragma once

#include <string>
#include <string_view>
#include <vector>

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

    template <typename T> void field(std::string_view name, const T& v)
    {
        key(name);
        value(v);
    }

    const std::string& text() const { return out_; }

private:
    void separate();

    std::string out_;
    // One entry per open container: true once it holds a member.
    std::vector<bool> hasMember_;
    bool afterKey_ = false;
};

} // namespace lumikan::cli
