// Writes and reads a layout's layers, sections, page names, ruler origin and stored switches.
#include "host/model/pages/pages_json.h"

#include <algorithm>
#include <array>
#include <set>

#include "host/model/document_json_points.h"
#include "host/model/json_field_reader.h"
#include "host/model/layers/layer_edits.h"
#include "host/model/pages/page_names.h"

namespace host::model {
namespace {

using Json = nlohmann::ordered_json;
using Problem = std::pair<std::string, std::string>;

constexpr std::array<const char*, 5> kFormatNames{"arabic", "upper roman", "lower roman", "upper letters", "lower letters"};

const char* formatName(NumberFormat format)
{
    return kFormatNames[static_cast<size_t>(format) - 1];
}

std::optional<NumberFormat> formatNamed(const Json& value)
{
    if (!value.is_string())
        return std::nullopt;
    for (size_t i = 0; i < kFormatNames.size(); ++i) {
        if (value.get<std::string>() == kFormatNames[i])
            return static_cast<NumberFormat>(i + 1);
    }
    return std::nullopt;
}

bool onlyDefaultLayer(const Layers& layers)
{
    const auto& list = layers.inOrder();
    return list.size() == 1 && list[0] == Layer{kDefaultLayer, std::string(kDefaultLayerName), true, false};
}

/// The shared field reader with the switches and names layers and sections hold.
class Reader : public JsonFieldReader {
public:
    std::optional<bool> flag(const Json& object, const std::string& where, const char* key, bool absent)
    {
        if (!object.contains(key))
            return absent;
        if (!object[key].is_boolean()) {
            fail(where + "." + key, "must be true or false");
            return std::nullopt;
        }
        return object[key].get<bool>();
    }

    std::optional<std::string> text(const Json& object, const std::string& where, const char* key)
    {
        if (!object.contains(key) || !object[key].is_string()) {
            fail(where + "." + key, "must be a text");
            return std::nullopt;
        }
        return object[key].get<std::string>();
    }
};

void readLayer(Reader& read, const Json& layer, const std::string& at, LayoutPagesData& data, std::set<int32_t>& ids,
    std::set<std::string>& names)
{
    if (!layer.is_object()) {
        read.fail(at, "must be a layer like {\"id\": 1, \"name\": \"Marks\", \"visible\": true, \"locked\": false}");
        return;
    }
    if (!read.onlyKeys(layer, at, {"id", "name", "visible", "locked"}))
        return;
    const auto id = read.whole(layer, at, "id", 0, INT32_MAX);
    const auto name = read.text(layer, at, "name");
    const auto visible = read.flag(layer, at, "visible", true);
    const auto locked = read.flag(layer, at, "locked", false);
    if (!id || !name || !visible || !locked)
        return;
    if (!isValidLayerName(*name))
        return (void)read.fail(at + ".name", "must be 1 to " + std::to_string(kMaxLayerName) + " characters without control characters");
    if (!ids.insert(static_cast<int32_t>(*id)).second)
        return (void)read.fail(at + ".id", "is the id of an earlier layer");
    if (!names.insert(*name).second)
        return (void)read.fail(at + ".name", "is the name of an earlier layer");
    data.layers.push_back({static_cast<int32_t>(*id), *name, *visible, *locked});
}

void readLayers(Reader& read, const Json& layout, const std::string& where, LayoutPagesData& data)
{
    if (layout.contains(kLayersKey)) {
        const Json& layers = layout[kLayersKey];
        if (!layers.is_array())
            return (void)read.fail(where + "." + kLayersKey, "must be a list of layers, front to back");
        std::set<int32_t> ids;
        std::set<std::string> names;
        for (size_t i = 0; i < layers.size() && !read.problem; ++i)
            readLayer(read, layers[i], where + "." + kLayersKey + "[" + std::to_string(i) + "]", data, ids, names);
        if (!read.problem && !ids.count(kDefaultLayer) && names.count(std::string(kDefaultLayerName))) {
            return (void)read.fail(where + "." + kLayersKey, "names a layer \"Default\", the default layer's name; "
                "list the default layer (id 0) under another name first");
        }
    }
    if (!read.problem && layout.contains(kCurrentLayerKey)) {
        const auto current = read.whole(layout, where, kCurrentLayerKey, 0, INT32_MAX);
        if (current && !hasLayer(data, static_cast<int32_t>(*current)))
            return (void)read.fail(where + "." + kCurrentLayerKey, "names no layer of the layout");
        if (current)
            data.currentLayer = static_cast<int32_t>(*current);
    }
}

void readSections(Reader& read, const Json& layout, const std::string& where, size_t pageCount, LayoutPagesData& data)
{
    if (!layout.contains(kSectionsKey))
        return;
    const Json& sections = layout[kSectionsKey];
    const std::string key = where + "." + kSectionsKey;
    if (!sections.is_array())
        return (void)read.fail(key, "must be a list of sections");
    std::set<int64_t> starts;
    for (size_t i = 0; i < sections.size() && !read.problem; ++i) {
        const std::string at = key + "[" + std::to_string(i) + "]";
        const Json& section = sections[i];
        if (!section.is_object())
            return (void)read.fail(at, "must be a section like {\"page\": 3, \"prefix\": \"A-\", \"start\": 1, \"format\": \"arabic\"}");
        if (!read.onlyKeys(section, at, {"page", "prefix", "start", "format"}))
            return;
        const auto page = read.whole(section, at, "page", 1, static_cast<int64_t>(pageCount));
        const auto start = read.whole(section, at, "start", 1, kMaxSectionStart);
        if (!page || !start)
            return;
        SectionStart out{"", static_cast<int32_t>(*start), NumberFormat::Arabic};
        if (section.contains("prefix")) {
            const auto prefix = read.text(section, at, "prefix");
            if (!prefix)
                return;
            out.prefix = *prefix;
        }
        if (section.contains("format")) {
            const auto format = formatNamed(section["format"]);
            if (!format)
                return (void)read.fail(at + ".format", "must be \"arabic\", \"upper roman\", \"lower roman\", \"upper letters\" or \"lower letters\"");
            out.format = *format;
        }
        if (!isValidSection(out))
            return (void)read.fail(at + ".prefix", "must be at most " + std::to_string(kMaxSectionPrefix) + " characters without control characters");
        if (!starts.insert(*page).second)
            return (void)read.fail(at + ".page", "starts an earlier section already");
        data.sections.push_back({static_cast<size_t>(*page - 1), out});
    }
}

/// The names sections give the pages, for checking the names a file writes on its pages.
std::vector<std::string> namesOf(const LayoutPagesData& data, size_t pageCount)
{
    std::vector<std::string> names;
    std::optional<SectionData> section;
    for (size_t i = 0; i < pageCount; ++i) {
        for (const SectionData& s : data.sections) {
            if (s.page == i)
                section = s;
        }
        const int32_t number = section ? section->start.start + static_cast<int32_t>(i - section->page) : static_cast<int32_t>(i + 1);
        names.push_back(section ? section->start.prefix + formatPageNumber(number, section->start.format) : std::to_string(number));
    }
    return names;
}

void checkPageNames(Reader& read, const Json& layout, const std::string& where, const LayoutPagesData& data)
{
    if (!layout.contains("pages") || !layout["pages"].is_array())
        return;
    const Json& pages = layout["pages"];
    const std::vector<std::string> names = namesOf(data, pages.size());
    for (size_t i = 0; i < pages.size() && !read.problem; ++i) {
        if (!pages[i].is_object() || !pages[i].contains(kPageNameKey))
            continue;
        const std::string at = where + ".pages[" + std::to_string(i) + "]." + kPageNameKey;
        const Json& name = pages[i][kPageNameKey];
        if (!name.is_string() || name.get<std::string>() != names[i])
            read.fail(at, "must be \"" + names[i] + "\", the name its section gives the page (or be left out)");
    }
}

void readPageMasters(Reader& read, const Json& layout, const std::string& where, size_t masterSpreads,
    LayoutPagesData& data)
{
    if (!layout.contains("pages") || !layout["pages"].is_array())
        return;
    const Json& pages = layout["pages"];
    for (size_t i = 0; i < pages.size() && !read.problem; ++i) {
        size_t master = 0;
        if (pages[i].is_object() && pages[i].contains(kPageMasterKey)) {
            const std::string at = where + ".pages[" + std::to_string(i) + "]";
            const auto spread = read.whole(pages[i], at, kPageMasterKey, 1, static_cast<int64_t>(masterSpreads));
            if (!spread)
                return;
            master = static_cast<size_t>(*spread - 1);
        }
        data.pageMasters.push_back(master);
    }
}

void readRulerOrigin(Reader& read, const Json& layout, const std::string& where, LayoutPagesData& data)
{
    if (!layout.contains(kRulerOriginKey))
        return;
    const Json& origin = layout[kRulerOriginKey];
    const std::string at = where + "." + kRulerOriginKey;
    if (!origin.is_object() || !read.onlyKeys(origin, at, {"top", "left", "spreadWide"}))
        return (void)read.fail(at, "must be a ruler origin like {\"top\": 0, \"left\": 0, \"spreadWide\": false}");
    const auto top = origin.contains("top") ? fixedFromPoints(origin["top"]) : std::optional<xt::Fixed>(0);
    const auto left = origin.contains("left") ? fixedFromPoints(origin["left"]) : std::optional<xt::Fixed>(0);
    if (!top)
        return (void)read.fail(at + ".top", "must be a length in points");
    if (!left)
        return (void)read.fail(at + ".left", "must be a length in points");
    const auto spreadWide = read.flag(origin, at, "spreadWide", false);
    if (!spreadWide)
        return;
    data.settings.rulerOrigin = {*top, *left, *spreadWide};
}

void readSettings(Reader& read, const Json& layout, const std::string& where, LayoutPagesData& data)
{
    if (!layout.contains(kSettingsKey))
        return;
    const Json& settings = layout[kSettingsKey];
    const std::string at = where + "." + kSettingsKey;
    if (!settings.is_object() || !read.onlyKeys(settings, at, {"setting948", "setting950"}))
        return (void)read.fail(at, "must be {\"setting948\": 1, \"setting950\": 1}");
    if (settings.contains("setting948")) {
        const auto value = read.whole(settings, at, "setting948", INT32_MIN, INT32_MAX);
        if (!value)
            return;
        data.settings.setting948 = static_cast<int32_t>(*value);
    }
    if (settings.contains("setting950")) {
        const auto value = read.whole(settings, at, "setting950", INT32_MIN, INT32_MAX);
        if (!value)
            return;
        data.settings.setting950 = static_cast<int32_t>(*value);
    }
}

} // namespace

void writeLayoutPages(const Layout& layout, nlohmann::ordered_json& object)
{
    if (!onlyDefaultLayer(layout.layers())) {
        Json layers = Json::array();
        for (const Layer& layer : layout.layers().inOrder())
            layers.push_back({{"id", layer.id}, {"name", layer.name}, {"visible", layer.visible}, {"locked", layer.locked}});
        object[kLayersKey] = std::move(layers);
    }
    if (layout.layers().current() != kDefaultLayer)
        object[kCurrentLayerKey] = layout.layers().current();
    if (!layout.sections().starts().empty()) {
        Json sections = Json::array();
        for (size_t i = 0; i < layout.pageCount(); ++i) {
            const SectionStart* start = layout.sections().at(layout.page(i).ref());
            if (!start)
                continue;
            sections.push_back({{"page", i + 1}, {"prefix", start->prefix}, {"start", start->start},
                {"format", formatName(start->format)}});
        }
        object[kSectionsKey] = std::move(sections);
        if (object.contains("pages") && object["pages"].size() == layout.pageCount()) {
            for (size_t i = 0; i < layout.pageCount(); ++i)
                object["pages"][i][kPageNameKey] = pageName(layout, i);
        }
    }
    for (size_t i = 0; i < layout.pageCount() && object.contains("pages"); ++i) {
        if (layout.page(i).masterSpread() != 0)
            object["pages"][i][kPageMasterKey] = layout.page(i).masterSpread() + 1;
    }
    const DocumentSettings& settings = layout.settings();
    if (!(settings.rulerOrigin == RulerOrigin{})) {
        object[kRulerOriginKey] = {{"top", pointsFromFixed(settings.rulerOrigin.top)},
            {"left", pointsFromFixed(settings.rulerOrigin.left)}, {"spreadWide", settings.rulerOrigin.spreadWide}};
    }
    const DocumentSettings fresh;
    if (settings.setting948 != fresh.setting948 || settings.setting950 != fresh.setting950)
        object[kSettingsKey] = {{"setting948", settings.setting948}, {"setting950", settings.setting950}};
}

std::optional<std::pair<std::string, std::string>> readLayoutPages(const nlohmann::ordered_json& layout,
    const std::string& where, size_t masterSpreads, LayoutPagesData& data)
{
    Reader read;
    const size_t pageCount = layout.contains("pages") && layout["pages"].is_array() ? layout["pages"].size() : 0;
    readLayers(read, layout, where, data);
    readSections(read, layout, where, pageCount, data);
    checkPageNames(read, layout, where, data);
    readPageMasters(read, layout, where, masterSpreads, data);
    readRulerOrigin(read, layout, where, data);
    readSettings(read, layout, where, data);
    return read.problem;
}

bool hasLayer(const LayoutPagesData& data, int32_t layer)
{
    if (layer == kDefaultLayer)
        return true;
    return std::any_of(data.layers.begin(), data.layers.end(), [&](const Layer& l) { return l.id == layer; });
}

void addLayerNamedByNumber(LayoutPagesData& data, int32_t layer)
{
    if (layer <= kDefaultLayer || hasLayer(data, layer))
        return;
    data.layers.push_back({layer, "Layer " + std::to_string(layer), true, false});
}

void applyLayoutPages(const LayoutPagesData& data, Layout& layout)
{
    // Checked when read: the list can be taken whole.
    layout.layers().restore(data.layers);
    makeLayerCurrent(layout, data.currentLayer);
    for (const SectionData& section : data.sections)
        layout.sections().start(layout.page(section.page).ref(), section.start);
    layout.settings() = data.settings;
    for (size_t i = 0; i < data.pageMasters.size() && i < layout.pageCount(); ++i)
        layout.page(i).setMasterSpread(data.pageMasters[i]);
}

} // namespace host::model
