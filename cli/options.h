#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace lumikan::cli {

// Command-line options of the form `--name value`, `--name=value` and
// `--flag`, plus positional arguments. An unknown option, an option given
// twice, a flag with a value and an option without its value are errors, so
// nothing typed passes silently. `--` ends the options; `-` is positional
// (standard input or output).
class Options {
public:
    // `valued` take a value, `flags` do not. Returns false with `error` set.
    bool parse(const std::vector<std::string>& args, const std::set<std::string>& valued,
               const std::set<std::string>& flags, std::string& error);

    bool has(const std::string& name) const;
    std::optional<std::string> value(const std::string& name) const;
    const std::vector<std::string>& positional() const { return positional_; }
    // The options given, in the order given.
    const std::vector<std::string>& given() const { return given_; }

private:
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::vector<std::string> positional_;
    std::vector<std::string> given_;
};

// Strict number parsing: the whole text must be a decimal number (no
// hexadecimal, no "inf", no trailing characters).
std::optional<double> parseDouble(const std::string& text);
std::optional<int> parseInt(const std::string& text);

// The one-line complaint about an option's value: `--name "value": need`,
// the value shown with its control characters escaped.
std::string badValue(const std::string& option, const std::string& value, const std::string& need);

} // namespace lumikan::cli
