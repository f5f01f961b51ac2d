#include "cli/options.h"

#include "cli/terminal_text.h"
#include "document/value_text.h"

namespace lumikan::cli {

bool Options::parse(const std::vector<std::string>& args, const std::set<std::string>& valued,
                    const std::set<std::string>& flags, std::string& error)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || a == "-" || a.empty() || a[0] != '-') {
            positional_.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        if (a.compare(0, 2, "--") != 0) {
            error = "unknown option " + terminalField(a);
            return false;
        }
        std::string name = a.substr(2);
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        if (valued.count(name) == 0 && flags.count(name) == 0) {
            error = "unknown option --" + terminalField(name);
            return false;
        }
        if (values_.count(name) || flags_.count(name)) {
            error = "--" + name + " is given twice";
            return false;
        }
        if (valued.count(name)) {
            if (inlineValue) {
                values_[name] = *inlineValue;
            } else if (i + 1 < args.size()) {
                values_[name] = args[++i];
            } else {
                error = "--" + name + " needs a value";
                return false;
            }
        } else if (inlineValue) {
            error = "--" + name + " takes no value";
            return false;
        } else {
            flags_.insert(name);
        }
        given_.push_back(name);
    }
    return true;
}

bool Options::has(const std::string& name) const
{
    return flags_.count(name) > 0 || values_.count(name) > 0;
}

std::optional<std::string> Options::value(const std::string& name) const
{
    const auto it = values_.find(name);
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

std::optional<double> parseDouble(const std::string& text)
{
    return document::parseDecimal(text);
}

std::optional<int> parseInt(const std::string& text)
{
    return document::parseInteger(text);
}

std::string badValue(const std::string& option, const std::string& value, const std::string& need)
{
    return "--" + option + " \"" + terminalField(value) + "\": " + need;
}

} // namespace lumikan::cli
