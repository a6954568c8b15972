// Reads a layout's stories and XtData blocks from a document, checking everything before the model
// sees any of it, and puts them into a layout once the whole document is known to be sound.
#include <set>

#include "host/model/text_json.h"
#include "host/model/text_json_checker.h"
#include "host/model/text_json_fields.h"

namespace host::model {
namespace {

using Json = nlohmann::ordered_json;

bool readFields(TextJsonChecker& check, const Json& object, const std::string& where, std::span<const JsonField> fields,
    const std::function<void(int32_t code, xt::Fixed value)>& set, int32_t (*codeOf)(int32_t) = nullptr)
{
    for (const JsonField& field : fields) {
        const auto found = object.find(field.name);
        if (found == object.end())
            continue;
        const std::string at = TextJsonChecker::join(where, field.name);
        std::optional<int64_t> value;
        if (field.value == JsonValue::Fixed)
            value = check.fixed(*found, at);
        else if (field.value == JsonValue::Colour)
            value = check.colour(*found, at);
        else
            value = check.integer(*found, at, INT16_MIN, UINT16_MAX);
        if (!value)
            return false;
        set(codeOf ? codeOf(field.code) : field.code, static_cast<xt::Fixed>(*value));
    }
    return true;
}

std::optional<TabStops> readTabs(TextJsonChecker& check, const Json& list, const std::string& where)
{
    if (!list.is_array())
        return check.fail(where, "must be a list of tab stops"), std::nullopt;
    TabStops tabs;
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string at = TextJsonChecker::index(where, i);
        const Json& entry = list[i];
        if (!check.object(entry, at, {"position", "alignment", "alignCharacter", "fill"}))
            return std::nullopt;
        TabStop tab;
        const auto position = check.fixed(check.required(entry, at, "position"), TextJsonChecker::join(at, "position"));
        const auto alignment = check.optionalInteger(entry, at, "alignment", 0, 3, 0);
        const auto alignCharacter = check.optionalInteger(entry, at, "alignCharacter", 0, 0xFFFF, 0);
        const auto fill = check.integers(entry, at, "fill", 2, 0, 0xFFFF);
        if (!position || !alignment || !alignCharacter || !fill)
            return std::nullopt;
        tab.position = *position;
        tab.alignment = static_cast<int16_t>(*alignment);
        tab.alignCharacter = static_cast<uint16_t>(*alignCharacter);
        tab.fill[0] = fill->size() > 0 ? static_cast<uint16_t>((*fill)[0]) : 0;
        tab.fill[1] = fill->size() > 1 ? static_cast<uint16_t>((*fill)[1]) : 0;
        tabs.push_back(tab);
    }
    return tabs;
}

std::optional<std::pair<int32_t, CharacterAttributes>> readCharacterRun(TextJsonChecker& check, const Json& run, const std::string& where)
{
    std::vector<std::string_view> keys{"length"};
    for (const JsonField& field : characterJsonFields())
        keys.push_back(field.name);
    if (!check.object(run, where, keys))
        return std::nullopt;
    const auto length = check.integer(check.required(run, where, "length"), TextJsonChecker::join(where, "length"), 0, INT32_MAX);
    CharacterAttributes attributes;
    auto set = [&](int32_t code, xt::Fixed value) { setCharacterValue(attributes, static_cast<xt::CharacterCode>(code), value); };
    if (!length || !readFields(check, run, where, characterJsonFields(), set))
        return std::nullopt;
    return std::make_pair(*length, attributes);
}

std::optional<std::pair<int32_t, ParagraphAttributes>> readParagraphRun(TextJsonChecker& check, const Json& run, const std::string& where)
{
    std::vector<std::string_view> keys{"length", "ruleAbove", "ruleBelow", "tabs"};
    for (const JsonField& field : paragraphJsonFields())
        keys.push_back(field.name);
    if (!check.object(run, where, keys))
        return std::nullopt;
    const auto length = check.integer(check.required(run, where, "length"), TextJsonChecker::join(where, "length"), 0, INT32_MAX);
    ParagraphAttributes attributes;
    auto set = [&](int32_t code, xt::Fixed value) { setParagraphValue(attributes, code, value); };
    if (!length || !readFields(check, run, where, paragraphJsonFields(), set))
        return std::nullopt;
    std::vector<std::string_view> ruleKeys;
    for (const JsonField& field : ruleAboveJsonFields())
        ruleKeys.push_back(field.name);
    for (const char* rule : {"ruleAbove", "ruleBelow"}) {
        const auto found = run.find(rule);
        if (found == run.end())
            continue;
        const std::string at = TextJsonChecker::join(where, rule);
        const bool below = std::string_view(rule) == "ruleBelow";
        if (!check.object(*found, at, ruleKeys) || !readFields(check, *found, at, ruleAboveJsonFields(), set, below ? ruleBelowCode : nullptr))
            return std::nullopt;
    }
    if (const auto tabs = run.find("tabs"); tabs != run.end()) {
        auto read = readTabs(check, *tabs, TextJsonChecker::join(where, "tabs"));
        if (!read)
            return std::nullopt;
        attributes.tabs = std::move(*read);
    }
    return std::make_pair(*length, attributes);
}

/// Reads a list of runs whose lengths must cover the text exactly (one empty run for an empty text).
template <class Run, class ReadRun>
bool readRuns(TextJsonChecker& check, const Json& story, const std::string& where, const char* key, int32_t length,
    ReadRun readRun, std::vector<Run>& runs)
{
    const std::string at = TextJsonChecker::join(where, key);
    const Json& list = check.required(story, where, key);
    if (!list.is_array() || list.empty())
        return check.fail(at, "must be a list of at least one run");
    int64_t total = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        auto run = readRun(check, list[i], TextJsonChecker::index(at, i));
        if (!run)
            return false;
        if (run->first == 0 && length != 0)
            return check.fail(TextJsonChecker::index(at, i), "is a run of no characters in a text that has some");
        total += run->first;
        runs.push_back(std::move(*run));
    }
    if (total != length)
        return check.fail(at, "must cover the text: the lengths add up to " + std::to_string(total) + ", the text has " + std::to_string(length));
    return true;
}

/// Paragraph runs change only where a paragraph ends.
bool runsFollowParagraphs(TextJsonChecker& check, const StoryData& story, const std::string& where)
{
    int32_t offset = 0;
    for (size_t i = 0; i + 1 < story.paragraphRuns.size(); ++i) {
        offset += story.paragraphRuns[i].first;
        if (!xt::isParagraphEnd(story.text[static_cast<size_t>(offset - 1)]))
            return check.fail(TextJsonChecker::index(TextJsonChecker::join(where, "paragraphRuns"), i), "must end where a paragraph ends");
    }
    return true;
}

bool readAnchors(TextJsonChecker& check, const Json& story, const std::string& where, StoryData& data)
{
    const auto found = story.find("anchors");
    if (found == story.end())
        return true;
    const std::string at = TextJsonChecker::join(where, "anchors");
    if (!found->is_array())
        return check.fail(at, "must be a list of anchors");
    for (size_t i = 0; i < found->size(); ++i) {
        const std::string entryAt = TextJsonChecker::index(at, i);
        const Json& entry = (*found)[i];
        if (!check.object(entry, entryAt, {"offset", "item"}))
            return false;
        const auto offset = check.integer(check.required(entry, entryAt, "offset"), TextJsonChecker::join(entryAt, "offset"), 0, INT32_MAX);
        const auto item = check.integer(check.required(entry, entryAt, "item"), TextJsonChecker::join(entryAt, "item"), 1, INT32_MAX);
        if (!offset || !item)
            return false;
        if (*offset >= static_cast<int64_t>(data.text.size()) || data.text[static_cast<size_t>(*offset)] != xt::kAnchorCharacter)
            return check.fail(TextJsonChecker::join(entryAt, "offset"), "must be the place of an anchor character (U+FFFC)");
        data.anchors.emplace_back(*offset, *item);
    }
    return true;
}

bool readSelection(TextJsonChecker& check, const Json& story, const std::string& where, StoryData& data)
{
    const auto found = story.find("selection");
    if (found == story.end())
        return true;
    const auto length = static_cast<int32_t>(data.text.size());
    const auto ends = check.integers(story, where, "selection", 2, 0, INT32_MAX);
    if (!ends)
        return false;
    if (ends->size() != 2 || (*ends)[0] > (*ends)[1] || (*ends)[1] > length)
        return check.fail(TextJsonChecker::join(where, "selection"), "must be [start, end] within the text");
    data.selection = {(*ends)[0], (*ends)[1]};
    return true;
}

std::optional<StoryData> readStory(TextJsonChecker& check, const Json& story, const std::string& where)
{
    if (!check.object(story, where, {"boxes", "text", "units", "characterRuns", "paragraphRuns", "anchors", "selection"}))
        return std::nullopt;
    StoryData data;
    const auto boxes = check.references(story, where, "boxes");
    const auto text = check.storyText(story, where);
    if (!boxes || !text)
        return std::nullopt;
    data.boxes = *boxes;
    data.text = *text;
    const auto length = static_cast<int32_t>(data.text.size());
    if (!readRuns(check, story, where, "characterRuns", length, readCharacterRun, data.characterRuns)
        || !readRuns(check, story, where, "paragraphRuns", length, readParagraphRun, data.paragraphRuns)
        || !runsFollowParagraphs(check, data, where) || !readAnchors(check, story, where, data) || !readSelection(check, story, where, data))
        return std::nullopt;
    return data;
}

std::optional<HolderData> readHolder(TextJsonChecker& check, const Json& holder, const std::string& where, size_t pageCount,
    size_t masterPages)
{
    if (!check.object(holder, where, {"holder", "item", "page", "master", "blocks"}))
        return std::nullopt;
    const Json& kind = check.required(holder, where, "holder");
    const std::string name = kind.is_string() ? kind.get<std::string>() : std::string();
    HolderData data;
    if (name == "box" || name == "second") {
        data.kind = name == "box" ? HolderKind::Box : HolderKind::BoxSecond;
        const auto item = check.integer(check.required(holder, where, "item"), TextJsonChecker::join(where, "item"), 1, INT32_MAX);
        if (!item)
            return std::nullopt;
        data.object = static_cast<int32_t>(*item);
    } else if (name == "page") {
        data.kind = HolderKind::Page;
        if (const auto master = holder.find("master"); master != holder.end()) {
            if (!master->is_boolean())
                return check.fail(TextJsonChecker::join(where, "master"), "must be true or false"), std::nullopt;
            data.master = master->get<bool>();
        }
        const size_t pages = data.master ? masterPages : pageCount;
        const auto page = check.integer(check.required(holder, where, "page"), TextJsonChecker::join(where, "page"), 1, static_cast<int64_t>(pages));
        if (!page)
            return std::nullopt;
        data.object = static_cast<int32_t>(*page);
    } else if (name == "document") {
        data.kind = HolderKind::Document;
    } else {
        return check.fail(TextJsonChecker::join(where, "holder"), "must be \"box\", \"second\", \"page\" or \"document\""), std::nullopt;
    }
    auto blocks = check.blocks(holder, where);
    if (!blocks)
        return std::nullopt;
    data.blocks = std::move(*blocks);
    return data;
}

} // namespace

std::optional<TextJsonProblem> readLayoutText(const Json& layout, const std::string& where, const ColourNames& colours,
    size_t masterPages, LayoutTextData& data)
{
    TextJsonChecker check(colours);
    const auto pages = layout.find("pages");
    const size_t pageCount = pages != layout.end() && pages->is_array() ? pages->size() : 0;
    std::set<int64_t> boxesSeen;
    if (const auto stories = layout.find(kStoriesKey); stories != layout.end()) {
        const std::string at = TextJsonChecker::join(where, kStoriesKey);
        if (!stories->is_array())
            return TextJsonProblem{at, "must be a list of stories"};
        for (size_t i = 0; i < stories->size(); ++i) {
            auto story = readStory(check, (*stories)[i], TextJsonChecker::index(at, i));
            if (!story)
                return check.problem();
            for (int32_t box : story->boxes) {
                if (!boxesSeen.insert(box).second)
                    return TextJsonProblem{TextJsonChecker::index(at, i) + ".boxes", "names a box that shows another story too"};
            }
            data.stories.push_back(std::move(*story));
        }
    }
    if (const auto holders = layout.find(kDataBlocksKey); holders != layout.end()) {
        const std::string at = TextJsonChecker::join(where, kDataBlocksKey);
        if (!holders->is_array())
            return TextJsonProblem{at, "must be a list of data block holders"};
        for (size_t i = 0; i < holders->size(); ++i) {
            auto holder = readHolder(check, (*holders)[i], TextJsonChecker::index(at, i), pageCount, masterPages);
            if (!holder)
                return check.problem();
            data.holders.push_back(std::move(*holder));
        }
    }
    return std::nullopt;
}

} // namespace host::model
