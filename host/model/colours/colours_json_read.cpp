// Reads a layout's colours from a document, checked in full, and resolves the colour names its items
// and text use.
#include <algorithm>
#include <cmath>
#include <set>
#include <string_view>

#include "host/model/colours/colours_json.h"
#include "host/model/document_model.h"

namespace host::model {
namespace {

using Json = nlohmann::ordered_json;
using Problem = std::optional<std::pair<std::string, std::string>>;

constexpr std::string_view kColourKeys[] = {"name", "id", "rgb", "cmyk", "spot"};

/// The fixed colours every table has, from a table made for the purpose.
const ColourTable& fixedColours()
{
    static ColourChanges changes;
    static const ColourTable table(0, changes);
    return table;
}

bool isFixedName(std::string_view name)
{
    const Colour* colour = fixedColours().findByName(name);
    return colour && colour->isFixed();
}

bool isFixedId(int64_t id)
{
    const Colour* colour = id >= 0 && id <= INT16_MAX ? fixedColours().find(static_cast<int16_t>(id)) : nullptr;
    return colour && colour->isFixed();
}

std::optional<std::vector<uint16_t>> percentages(const Json& value, size_t count)
{
    if (!value.is_array() || value.size() != count)
        return std::nullopt;
    std::vector<uint16_t> components;
    for (const Json& percent : value) {
        if (!percent.is_number() || percent.get<double>() < 0 || percent.get<double>() > 100)
            return std::nullopt;
        components.push_back(static_cast<uint16_t>(std::lround(percent.get<double>() * 0xFFFF / 100)));
    }
    return components;
}

/// Reads one colour's name, value and ink; its number is settled by the caller.
Problem readColour(const Json& entry, const std::string& at, std::optional<ColourValue>& value, Ink& ink)
{
    if (entry.contains("rgb") == entry.contains("cmyk"))
        return std::make_pair(at, std::string("must give its value as \"rgb\" (three percentages) or \"cmyk\" (four percentages)"));
    if (entry.contains("rgb")) {
        const auto rgb = percentages(entry["rgb"], 3);
        if (!rgb)
            return std::make_pair(at + ".rgb", std::string("must be a list of three percentages from 0 to 100 (red, green, blue)"));
        value = ColourValue::rgb({(*rgb)[0], (*rgb)[1], (*rgb)[2]});
    } else {
        const auto cmyk = percentages(entry["cmyk"], 4);
        if (!cmyk)
            return std::make_pair(at + ".cmyk", std::string("must be a list of four percentages from 0 to 100 (cyan, magenta, yellow, black)"));
        value = ColourValue::cmyk({(*cmyk)[0], (*cmyk)[1], (*cmyk)[2], (*cmyk)[3]});
    }
    if (entry.contains("spot") && !entry["spot"].is_boolean())
        return std::make_pair(at + ".spot", std::string("must be true or false"));
    ink = entry.value("spot", false) ? Ink::Spot : Ink::Process;
    return std::nullopt;
}

/// Checks a colour's name against the fixed colours and those listed before it.
Problem checkName(const Json& entry, const std::string& at, std::set<std::string>& names, std::string& name)
{
    const auto found = entry.find("name");
    if (found == entry.end())
        return std::make_pair(at + ".name", std::string("is missing"));
    if (!found->is_string() || found->get_ref<const std::string&>().empty())
        return std::make_pair(at + ".name", std::string("must be a text of at least one character"));
    name = found->get<std::string>();
    if (name.size() > kMaxColourNameLength)
        return std::make_pair(at + ".name", std::string("must be at most 255 characters long"));
    if (name == kNoColourName)
        return std::make_pair(at + ".name", std::string("is \"None\", which stands for no colour"));
    if (isFixedName(name))
        return std::make_pair(at + ".name", std::string("is one of the host's own colours, which every layout has; leave it out of the list"));
    if (!names.insert(name).second)
        return std::make_pair(at + ".name", std::string("is the name of another colour of the list"));
    return std::nullopt;
}

/// A colour as read, its number still open when the entry gives none.
struct ReadColour {
    std::optional<int16_t> id;
    Colour colour;
};

Problem readEntry(const Json& entry, const std::string& at, std::set<std::string>& names, std::set<int64_t>& ids,
    std::vector<ReadColour>& read)
{
    if (!entry.is_object())
        return std::make_pair(at, std::string("must be a colour like {\"name\": \"Sky\", \"rgb\": [40, 70, 100]}"));
    for (const auto& [key, value] : entry.items()) {
        if (std::find(std::begin(kColourKeys), std::end(kColourKeys), key) == std::end(kColourKeys))
            return std::make_pair(at + "." + key, std::string("is not part of a version-1 document"));
    }
    std::string name;
    if (auto problem = checkName(entry, at, names, name))
        return problem;
    std::optional<int16_t> id;
    if (entry.contains("id")) {
        const Json& value = entry["id"];
        if (!value.is_number_integer() || value.get<int64_t>() < 0 || value.get<int64_t>() > INT16_MAX
            || isFixedId(value.get<int64_t>()) || !ids.insert(value.get<int64_t>()).second)
            return std::make_pair(at + ".id", std::string("must be a whole number from 0 to 32767 that no other colour of the layout has"));
        id = static_cast<int16_t>(value.get<int64_t>());
    }
    std::optional<ColourValue> value;
    Ink ink = Ink::Process;
    if (auto problem = readColour(entry, at, value, ink))
        return problem;
    read.push_back({id, Colour(id.value_or(0), name, *value, ink)});
    return std::nullopt;
}

} // namespace

Problem readLayoutColours(const Json& layout, const std::string& where, LayoutColoursData& data)
{
    const auto list = layout.find(kColoursKey);
    if (list == layout.end())
        return std::nullopt;
    const std::string at = where + "." + kColoursKey;
    if (!list->is_array())
        return std::make_pair(at, std::string("must be a list of colours"));
    data.listed = true;
    std::set<std::string> names;
    std::set<int64_t> ids;
    std::vector<ReadColour> read;
    for (size_t i = 0; i < list->size(); ++i) {
        if (auto problem = readEntry((*list)[i], at + "[" + std::to_string(i) + "]", names, ids, read))
            return problem;
    }
    // Colours written by hand without a number take the next ones after every number in use.
    int64_t next = std::max<int64_t>(ids.empty() ? 0 : *ids.rbegin(), fixedColours().colours().back().id()) + 1;
    for (const ReadColour& entry : read) {
        if (!entry.id && next > INT16_MAX)
            return std::make_pair(at, std::string("holds more colours than a layout can number"));
        const auto number = entry.id ? *entry.id : static_cast<int16_t>(next++);
        const Colour& colour = entry.colour;
        data.colours.emplace_back(number, colour.name(), colour.value(), colour.isSpot() ? Ink::Spot : Ink::Process);
    }
    return std::nullopt;
}

void applyLayoutColours(const LayoutColoursData& data, Layout& layout)
{
    if (data.listed)
        layout.colours().replaceUserColours(data.colours);
}

ColourNames::ColourNames(const LayoutColoursData& colours) : m_table(0, m_unused), m_listed(colours.listed)
{
    if (m_listed)
        m_table.replaceUserColours(colours.colours);
}

std::optional<int16_t> ColourNames::resolve(const Json& value, std::string& problem) const
{
    if (value.is_number_integer() && value.get<int64_t>() >= INT16_MIN && value.get<int64_t>() <= INT16_MAX) {
        const auto number = static_cast<int16_t>(value.get<int64_t>());
        return !m_listed && number == 0 ? xt::kBlackColour : number;
    }
    if (!value.is_string()) {
        problem = "must be the name of a colour of the layout, or \"None\"";
        return std::nullopt;
    }
    const std::string& name = value.get_ref<const std::string&>();
    if (name == kNoColourName)
        return xt::kNoColour;
    if (const Colour* colour = m_table.findByName(name))
        return colour->id();
    problem = "names no colour of the layout (\"" + name + "\")";
    return std::nullopt;
}

} // namespace host::model
