// Writes a layout's stories (text, runs, anchors, selection, boxes) and its XtData blocks.
#include <string>

#include "host/model/colours/colours_json.h"
#include "host/model/document_json_points.h"
#include "host/model/text/text_boxes.h"
#include "host/model/text_json.h"
#include "host/model/text_json_fields.h"

namespace host::model {
namespace {

using Json = nlohmann::ordered_json;

Json fieldValue(const JsonField& field, xt::Fixed value, const ColourTable& colours)
{
    switch (field.value) {
    case JsonValue::Fixed:
        return pointsFromFixed(value);
    case JsonValue::Colour:
        return colourReference(colours, static_cast<int16_t>(value));
    case JsonValue::Whole:
        break;
    }
    return value;
}

Json characterRun(int32_t length, const CharacterAttributes& attributes, const ColourTable& colours)
{
    Json run = {{"length", length}};
    for (const JsonField& field : characterJsonFields())
        run[field.name] = fieldValue(field, characterValue(attributes, static_cast<xt::CharacterCode>(field.code)), colours);
    return run;
}

Json tabsJson(const TabStops& tabs)
{
    Json list = Json::array();
    for (const TabStop& tab : tabs) {
        list.push_back({{"position", pointsFromFixed(tab.position)}, {"alignment", tab.alignment},
            {"alignCharacter", tab.alignCharacter}, {"fill", {tab.fill[0], tab.fill[1]}}});
    }
    return list;
}

Json paragraphRun(int32_t length, const ParagraphAttributes& attributes, const ColourTable& colours)
{
    Json run = {{"length", length}};
    for (const JsonField& field : paragraphJsonFields())
        run[field.name] = fieldValue(field, paragraphValue(attributes, field.code), colours);
    Json above = Json::object();
    Json below = Json::object();
    for (const JsonField& field : ruleAboveJsonFields()) {
        above[field.name] = fieldValue(field, paragraphValue(attributes, field.code), colours);
        below[field.name] = fieldValue(field, paragraphValue(attributes, ruleBelowCode(field.code)), colours);
    }
    run["ruleAbove"] = std::move(above);
    run["ruleBelow"] = std::move(below);
    run["tabs"] = tabsJson(attributes.tabs);
    return run;
}

template <class Value, class Write>
Json runsJson(const RunList<Value>& runs, Write write)
{
    Json list = Json::array();
    // An empty story keeps the attributes its first text will take, as a run of no characters.
    if (runs.runCount() == 0)
        list.push_back(write(0, runs.emptyValue()));
    for (size_t i = 0; i < runs.runCount(); ++i)
        list.push_back(write(runs.endOfRun(i) - runs.startOfRun(i), runs.valueOfRun(i)));
    return list;
}

/// UTF-16 text as UTF-8, or null when it holds a lone surrogate (it is then written as code units).
std::optional<std::string> utf8(const std::u16string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDFFF) {
            if (c > 0xDBFF || i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF)
                return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

Json storyJson(const Story& story, const std::vector<int32_t>& boxes, const ColourTable& colours)
{
    const auto characterRunOf = [&](int32_t length, const CharacterAttributes& a) { return characterRun(length, a, colours); };
    const auto paragraphRunOf = [&](int32_t length, const ParagraphAttributes& a) { return paragraphRun(length, a, colours); };
    Json object = {{"boxes", boxes}};
    if (const auto text = utf8(story.text()))
        object["text"] = *text;
    else
        object["units"] = std::vector<uint16_t>(story.text().begin(), story.text().end());
    object["characterRuns"] = runsJson(story.characterRuns(), characterRunOf);
    object["paragraphRuns"] = runsJson(story.paragraphRuns(), paragraphRunOf);
    Json anchors = Json::array();
    for (const auto& [offset, item] : story.anchors())
        anchors.push_back({{"offset", offset}, {"item", item}});
    object["anchors"] = std::move(anchors);
    object["selection"] = {story.selection().start, story.selection().end};
    return object;
}

Json blockId(xt::FourLetterCode id)
{
    std::string letters;
    for (int shift = 0; shift < 32; shift += 8) {
        const auto c = static_cast<char>((id >> shift) & 0xFF);
        if (c < 0x20 || c > 0x7E)
            return id;
        letters += c;
    }
    return letters;
}

std::string hex(const DataBlock& bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (uint8_t b : bytes) {
        out += kDigits[b >> 4];
        out += kDigits[b & 0xF];
    }
    return out;
}

/// The holder's owner as written: items by reference, pages by number, the layout by nothing.
std::optional<Json> holderJson(const Layout& layout, const DataBlockStore::Owner& owner)
{
    switch (owner.kind) {
    case HolderKind::Box:
    case HolderKind::BoxSecond:
        if (!layout.items().find(owner.object))
            return std::nullopt;
        return Json{{"holder", owner.kind == HolderKind::Box ? "box" : "second"}, {"item", owner.object}};
    case HolderKind::Page:
        for (size_t i = 0; i < layout.pageCount(); ++i) {
            if (layout.page(i).ref() == owner.object)
                return Json{{"holder", "page"}, {"page", i + 1}};
        }
        if (const int64_t master = layout.masters().indexOf(owner.object); master >= 0)
            return Json{{"holder", "page"}, {"master", true}, {"page", master + 1}};
        return std::nullopt;
    case HolderKind::Document:
        return Json{{"holder", "document"}};
    case HolderKind::Global:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

void forEachStoryJson(const Layout& layout, const JsonSink& sink)
{
    for (const auto& [ref, story] : layout.stories().stories()) {
        std::vector<int32_t> boxes;
        for (int32_t box : layout.stories().chain(ref)) {
            if (isTextItem(layout, box))
                boxes.push_back(box);
        }
        if (boxes.empty())
            continue;
        Json written = storyJson(story, boxes, layout.colours());
        // A box's story that holds nothing a fresh one would not is made again when the box is next
        // read, so reading a box (as a command does before it changes nothing) leaves the file as it was.
        if (boxes.size() == 1 && written == storyJson(Story(ref), boxes, layout.colours()))
            continue;
        sink(std::move(written));
    }
}

void writeLayoutDataBlocks(const Layout& layout, nlohmann::ordered_json& object)
{
    Json holders = Json::array();
    for (const auto& [owner, holder] : layout.dataBlocks().filledHolders()) {
        std::optional<Json> entry = holderJson(layout, owner);
        if (!entry)
            continue;
        Json blocks = Json::array();
        for (const auto& [id, bytes] : holder->blocks())
            blocks.push_back({{"id", blockId(id)}, {"bytes", hex(bytes)}});
        (*entry)["blocks"] = std::move(blocks);
        holders.push_back(std::move(*entry));
    }
    if (!holders.empty())
        object[kDataBlocksKey] = std::move(holders);
}

void writeLayoutText(const Layout& layout, nlohmann::ordered_json& object)
{
    Json stories = Json::array();
    forEachStoryJson(layout, [&stories](Json story) { stories.push_back(std::move(story)); });
    if (!stories.empty())
        object[kStoriesKey] = std::move(stories);
    writeLayoutDataBlocks(layout, object);
}

} // namespace host::model
