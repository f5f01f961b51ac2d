#pragma once

#include "cli/json_writer.h"
#include "engine/significator_reason.h"

#include <string_view>
#include <vector>

namespace lumikan::cli {

// A list of significator reasons under `key`: house, level, relation,
// through (a planet name), link and the reason in words.
void writeReasonsJson(JsonWriter& json, std::string_view key,
                      const std::vector<engine::SignificatorReason>& reasons);

// A list of house numbers under `key`.
void writeHousesJson(JsonWriter& json, std::string_view key, const std::vector<int>& houses);

// "2, 7, 11", or "-" for none.
std::string houseListText(const std::vector<int>& houses);

} // namespace lumikan::cli
