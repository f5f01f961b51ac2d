#include "cli/chart_sections.h"

namespace lumikan::cli {

const std::vector<std::pair<std::string_view, ChartSection>>& chartSectionNames()
{
    static const std::vector<std::pair<std::string_view, ChartSection>> names = {
        {"planets", ChartSection::Planets},
        {"cusps", ChartSection::Cusps},
        {"significators", ChartSection::Significators},
        {"dasha", ChartSection::Dasha},
        {"ruling", ChartSection::Ruling},
        {"karakas", ChartSection::Karakas},
        {"strength", ChartSection::Strength},
        {"particulars", ChartSection::Particulars},
        {"vargas", ChartSection::Vargas},
        {"subtable", ChartSection::SubTable},
        {"display", ChartSection::Display},
    };
    return names;
}

std::optional<ChartSections> parseChartSections(std::string_view list, std::string& error)
{
    ChartSections sections = ChartSections::none();
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        const std::string_view name = list.substr(start, comma - start);
        bool known = false;
        for (const auto& [sectionName, section] : chartSectionNames()) {
            if (name == sectionName) {
                sections.add(section);
                known = true;
            }
        }
        if (!known) {
            std::string all;
            for (const auto& entry : chartSectionNames())
                all += (all.empty() ? "" : ", ") + std::string(entry.first);
            error = (name.empty() ? std::string("an empty section name")
                                  : "no section \"" + std::string(name) + "\"") +
                    "; the sections are " + all;
            return std::nullopt;
        }
        if (comma == std::string_view::npos)
            return sections;
        start = comma + 1;
    }
}

} // namespace lumikan::cli
