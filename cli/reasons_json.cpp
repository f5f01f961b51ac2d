#include "cli/reasons_json.h"

namespace lumikan::cli {

namespace {

std::string_view relationKey(engine::HouseRelation r)
{
    using engine::HouseRelation;
    switch (r) {
    case HouseRelation::InStarOfOccupant:
        return "inStarOfOccupant";
    case HouseRelation::Occupies:
        return "occupies";
    case HouseRelation::InStarOfOwner:
        return "inStarOfOwner";
    case HouseRelation::Owns:
        return "owns";
    }
    return "owns";
}

std::string_view linkKey(engine::AgentLink l)
{
    using engine::AgentLink;
    switch (l) {
    case AgentLink::Conjunct:
        return "conjunct";
    case AgentLink::Opposite:
        return "opposite";
    case AgentLink::SignLord:
        return "signLord";
    case AgentLink::None:
        break;
    }
    return "none";
}

} // namespace

void writeReasonsJson(JsonWriter& json, std::string_view key,
                      const std::vector<engine::SignificatorReason>& reasons)
{
    json.key(key);
    json.beginArray();
    for (const engine::SignificatorReason& r : reasons) {
        json.beginObject();
        json.field("house", r.house);
        json.field("level", r.level);
        json.field("relation", relationKey(r.relation));
        json.field("through", engine::bodyName(r.through, 2));
        json.field("link", linkKey(r.link));
        json.field("text", engine::reasonText(r));
        json.endObject();
    }
    json.endArray();
}

void writeHousesJson(JsonWriter& json, std::string_view key, const std::vector<int>& houses)
{
    json.key(key);
    json.beginArray();
    for (int h : houses)
        json.value(h);
    json.endArray();
}

std::string houseListText(const std::vector<int>& houses)
{
    std::string out;
    for (int h : houses)
        out += (out.empty() ? "" : ", ") + std::to_string(h);
    return out.empty() ? "-" : out;
}

} // namespace lumikan::cli
