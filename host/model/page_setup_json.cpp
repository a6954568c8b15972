// Writes and reads a layout's page set-up, masters, guides and style sheets in document files.
#include "host/model/page_setup_json.h"

#include <algorithm>
#include <cstring>

#include "host/model/document_json_points.h"
#include "host/model/json_field_reader.h"
#include "host/model/spread_layout.h"

namespace host::model {
namespace {

using Json = nlohmann::ordered_json;
using Problem = std::pair<std::string, std::string>;

Json marginsToJson(const PageMargins& m)
{
    return Json::array({pointsFromFixed(m.top), pointsFromFixed(m.bottom), pointsFromFixed(m.left), pointsFromFixed(m.right)});
}

std::string toHex(const uint8_t* bytes, size_t size)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (size_t i = 0; i < size; ++i) {
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 15];
    }
    return out;
}

std::optional<std::vector<uint8_t>> fromHex(const Json& value)
{
    if (!value.is_string() || value.get<std::string>().size() % 2 != 0)
        return std::nullopt;
    const std::string text = value.get<std::string>();
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < text.size(); i += 2) {
        const auto digit = [](char c) { return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1; };
        const int high = digit(text[i]), low = digit(text[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(high * 16 + low));
    }
    return bytes;
}

Json guidesToJson(const Layout& layout)
{
    Json guides = Json::array();
    for (const GuideListKey& key : layout.guides().keys()) {
        const std::optional<PageSlot> slot = slotOfRef(layout, key.owner);
        if (!slot)
            continue;
        for (GuideKind kind : {GuideKind::Vertical, GuideKind::Horizontal}) {
            for (const Guide& guide : layout.guides().guides(key, kind)) {
                guides.push_back({{"list", key.set == xt::kGuidePageSet ? "page" : "spread"},
                    {"master", slot->list == PageList::Masters}, {"page", slot->index + 1},
                    {"kind", static_cast<int>(kind)}, {"position", pointsFromFixed(guide.position())},
                    {"colour", guide.colour()}, {"flags", guide.entry().flags}});
            }
        }
    }
    return guides;
}

Json stylesToJson(const StyleSheets& sheets)
{
    Json styles = Json::array();
    for (const CharacterStyle& style : sheets.characterStyles()) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(&style.record());
        styles.push_back({{"kind", xt::kCharacterStyle}, {"record", toHex(bytes, sizeof(xt::CharacterStyleRecord))}});
    }
    for (const ParagraphStyle& style : sheets.paragraphStyles()) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(&style.record());
        styles.push_back({{"kind", xt::kParagraphStyle}, {"record", toHex(bytes, sizeof(xt::ParagraphStyleRecord))},
            {"tabs", toHex(style.tabs().data(), style.tabs().size())}});
    }
    for (const Kind5Style& style : sheets.kind5Styles())
        styles.push_back({{"kind", xt::kStyleKind5}, {"name", style.name()}});
    return styles;
}

/// The shared field reader with the margins and column guides a page set-up holds.
class Reader : public JsonFieldReader {
public:
    std::optional<PageMargins> margins(const Json& object, const std::string& where)
    {
        const Json* value = object.contains("margins") ? &object["margins"] : nullptr;
        if (!value || !value->is_array() || value->size() != 4) {
            fail(where + ".margins", "must be four lengths: top, bottom, left, right");
            return std::nullopt;
        }
        xt::Fixed m[4];
        for (size_t i = 0; i < 4; ++i) {
            const auto one = fixedFromPoints((*value)[i]);
            if (!one || *one < 0)
                return fail(where + ".margins", "must be four lengths of 0 or more"), std::nullopt;
            m[i] = *one;
        }
        return PageMargins{m[0], m[1], m[2], m[3]};
    }

    std::optional<ColumnGuides> columns(const Json& object, const std::string& where)
    {
        const auto count = whole(object, where, "columns", 1, 100);
        const auto gutter = length(object, where, "gutter");
        if (!count || !gutter)
            return std::nullopt;
        return ColumnGuides{static_cast<int32_t>(*count), *gutter};
    }
};

void readSetup(Reader& read, const Json& layout, const std::string& where, PageSetupData& data)
{
    if (!layout.contains(kPageSetupKey))
        return;
    const Json& setup = layout[kPageSetupKey];
    const std::string at = where + "." + kPageSetupKey;
    if (!setup.is_object() || !setup.contains("facing") || !setup["facing"].is_boolean()) {
        read.fail(at, "must be a page set-up with \"facing\", \"margins\", \"columns\", \"gutter\", \"baselineGrid\"");
        return;
    }
    const auto margins = read.margins(setup, at);
    const auto columns = read.columns(setup, at);
    const auto start = read.length(setup, at, "gridStart");
    const auto increment = read.length(setup, at, "gridIncrement");
    if (!margins || !columns || !start || !increment)
        return;
    data.setup.setFacing(setup["facing"].get<bool>());
    data.setup.setMargins(*margins);
    data.setup.setColumns(*columns);
    data.setup.setBaselineGrid({*start, *increment});
}

void readMasters(Reader& read, const Json& layout, const std::string& where, PageSetupData& data)
{
    if (!layout.contains(kMastersKey))
        return;
    const Json& masters = layout[kMastersKey];
    const size_t perSpread = data.setup.facing() ? 2 : 1;
    if (!masters.is_array() || masters.empty() || masters.size() % perSpread != 0) {
        read.fail(where + "." + kMastersKey, "must list the master pages, whole spreads of them");
        return;
    }
    for (size_t i = 0; i < masters.size(); ++i) {
        const std::string at = where + "." + kMastersKey + "[" + std::to_string(i) + "]";
        const auto margins = masters[i].is_object() ? read.margins(masters[i], at) : std::nullopt;
        const auto columns = margins ? read.columns(masters[i], at) : std::nullopt;
        if (!columns)
            return (void)read.fail(at, "must be a master page with margins, columns and gutter");
        data.masters.push_back({*margins, *columns});
    }
}

void readGuide(Reader& read, const Json& guide, const std::string& at, size_t pageCount, PageSetupData& data)
{
    if (!guide.is_object() || !guide.contains("list") || !guide.contains("master") || !guide["master"].is_boolean()) {
        read.fail(at, "must be a guide with list, master, page, kind, position, colour and flags");
        return;
    }
    GuideData out;
    out.set = guide["list"] == "spread" ? xt::kGuideSpreadSet : xt::kGuidePageSet;
    out.master = guide["master"].get<bool>();
    const size_t pages = out.master ? std::max<size_t>(data.masters.size(), 1) : pageCount;
    const auto page = read.whole(guide, at, "page", 1, static_cast<int64_t>(pages));
    const auto kind = read.whole(guide, at, "kind", 1, 2);
    const auto position = read.length(guide, at, "position");
    const auto colour = read.whole(guide, at, "colour", 0, UINT32_MAX);
    const auto flags = read.whole(guide, at, "flags", 0, UINT16_MAX);
    if (!page || !kind || !position || !colour || !flags)
        return;
    out.page = static_cast<size_t>(*page - 1);
    out.kind = static_cast<GuideKind>(*kind);
    out.entry.position = *position;
    out.entry.colour = static_cast<xt::FourLetterCode>(*colour);
    out.entry.flags = static_cast<uint16_t>(*flags);
    data.guides.push_back(out);
}

void readKind5Style(Reader& read, const Json& style, const std::string& at, PageSetupData& data)
{
    const Json* name = style.contains("name") ? &style["name"] : nullptr;
    if (!name || !name->is_string() || name->get<std::string>().empty()
        || name->get<std::string>().size() > xt::kStyleKind5NameMax)
        return (void)read.fail(at + ".name", "must be the style sheet's name, 1 to " + std::to_string(xt::kStyleKind5NameMax) + " characters");
    data.styles.push_back({xt::kStyleKind5, {}, {}, name->get<std::string>()});
}

void readStyle(Reader& read, const Json& style, const std::string& at, PageSetupData& data)
{
    const bool kindKnown = style.is_object() && style.contains("kind") && style["kind"].is_number_integer()
        && (style["kind"] == xt::kCharacterStyle || style["kind"] == xt::kParagraphStyle || style["kind"] == xt::kStyleKind5);
    if (!kindKnown)
        return (void)read.fail(at + ".kind", "must be a style sheet of kind 1 (character), 2 (paragraph) or 5");
    if (style["kind"] == xt::kStyleKind5)
        return readKind5Style(read, style, at, data);
    const auto kind = read.whole(style, at, "kind", 1, 2);
    if (!kind)
        return (void)read.fail(at, "must be a style sheet with kind, record and tabs");
    const size_t size = *kind == xt::kCharacterStyle ? sizeof(xt::CharacterStyleRecord) : sizeof(xt::ParagraphStyleRecord);
    const auto record = style.contains("record") ? fromHex(style["record"]) : std::nullopt;
    if (!record || record->size() != size)
        return (void)read.fail(at + ".record", "must be the style's " + std::to_string(size) + " bytes in hex");
    std::optional<std::vector<uint8_t>> tabs = std::vector<uint8_t>{};
    if (*kind == xt::kParagraphStyle)
        tabs = style.contains("tabs") ? fromHex(style["tabs"]) : std::nullopt;
    if (!tabs || tabs->size() % 16 != 0)
        return (void)read.fail(at + ".tabs", "must be 16-byte tab entries in hex");
    data.styles.push_back({static_cast<int32_t>(*kind), *record, *tabs, {}});
}

template <class Each>
void readList(Reader& read, const Json& layout, const std::string& where, const char* key, Each each)
{
    if (!layout.contains(key))
        return;
    if (!layout[key].is_array())
        return (void)read.fail(where + "." + key, "must be a list");
    for (size_t i = 0; i < layout[key].size() && !read.problem; ++i)
        each(layout[key][i], where + "." + key + "[" + std::to_string(i) + "]");
}

/// A layout as the host makes it (single pages, one master, the host's margins) is written without
/// its set-up, so documents that never touched one read and save back unchanged.
bool isHostDefault(const Layout& layout)
{
    const PageSetup& setup = layout.setup();
    const PageSetup fresh;
    if (setup.facing() || !(setup.margins() == fresh.margins()) || !(setup.columns() == fresh.columns()))
        return false;
    if (!(setup.baselineGrid() == fresh.baselineGrid()) || layout.masters().pageCount() != 1)
        return false;
    const MasterPage& master = layout.masters().page(0);
    return master.margins() == fresh.margins() && master.columns() == fresh.columns();
}

} // namespace

void writePageSetup(const Layout& layout, nlohmann::ordered_json& object)
{
    if (!isHostDefault(layout)) {
        const PageSetup& setup = layout.setup();
        object[kPageSetupKey] = {{"facing", setup.facing()}, {"margins", marginsToJson(setup.margins())},
            {"columns", setup.columns().count}, {"gutter", pointsFromFixed(setup.columns().gutter)},
            {"gridStart", pointsFromFixed(setup.baselineGrid().start)},
            {"gridIncrement", pointsFromFixed(setup.baselineGrid().increment)}};
        Json masters = Json::array();
        for (size_t i = 0; i < layout.masters().pageCount(); ++i) {
            const MasterPage& master = layout.masters().page(i);
            masters.push_back({{"margins", marginsToJson(master.margins())}, {"columns", master.columns().count},
                {"gutter", pointsFromFixed(master.columns().gutter)}});
        }
        object[kMastersKey] = std::move(masters);
    }
    if (Json guides = guidesToJson(layout); !guides.empty())
        object[kGuidesKey] = std::move(guides);
    if (Json styles = stylesToJson(layout.styleSheets()); !styles.empty())
        object[kStyleSheetsKey] = std::move(styles);
}

std::optional<std::pair<std::string, std::string>> readPageSetup(const nlohmann::ordered_json& layout,
    const std::string& where, size_t pageCount, PageSetupData& data)
{
    Reader read;
    readSetup(read, layout, where, data);
    if (!read.problem)
        readMasters(read, layout, where, data);
    readList(read, layout, where, kGuidesKey, [&](const Json& g, const std::string& at) { readGuide(read, g, at, pageCount, data); });
    readList(read, layout, where, kStyleSheetsKey, [&](const Json& s, const std::string& at) { readStyle(read, s, at, data); });
    return read.problem;
}

void applyPageSetup(const PageSetupData& data, Layout& layout)
{
    layout.setup() = data.setup;
    setFacingPages(layout, data.setup.facing());
    while (layout.masters().pageCount() < data.masters.size())
        layout.masters().addSpread();
    for (size_t i = 0; i < data.masters.size(); ++i) {
        layout.masters().page(i).setMargins(data.masters[i].margins);
        layout.masters().page(i).setColumns(data.masters[i].columns);
    }
    for (const GuideData& guide : data.guides) {
        const PageSlot slot{guide.master ? PageList::Masters : PageList::Document, guide.page};
        const xt::PlaceRecord place = placeOf(layout, slot);
        const PageSlot owner = guide.set == xt::kGuidePageSet ? slot : PageSlot{slot.list, slot.index - static_cast<size_t>(place.placeInSpread)};
        const GuideListKey key{guide.set, refOf(layout, owner)};
        layout.guides().add(key, guide.kind, guide.entry);
    }
    for (const StyleData& style : data.styles) {
        if (style.kind == xt::kStyleKind5) {
            layout.styleSheets().addKind5Style(style.name);
            continue;
        }
        if (style.kind == xt::kCharacterStyle) {
            xt::CharacterStyleRecord record;
            std::memcpy(&record, style.record.data(), sizeof record);
            layout.styleSheets().addCharacterStyle(record);
            continue;
        }
        xt::ParagraphStyleRecord record;
        std::memcpy(&record, style.record.data(), sizeof record);
        layout.styleSheets().addParagraphStyle(record, style.tabs);
    }
}

} // namespace host::model
