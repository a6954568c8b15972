// Reads a JSON document into the model: checked in full first, so a damaged file adds nothing.
#include <algorithm>
#include <istream>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <unordered_set>
#include <vector>

#include "host/model/limits.h"
#include "host/model/colours/colours_json.h"
#include "host/model/document_json.h"
#include "host/model/document_json_points.h"
#include "host/model/items_json.h"
#include "host/model/page_setup_json.h"
#include "host/model/pages/pages_json.h"
#include "host/model/text_json.h"

namespace host::model {
namespace {

using Json = nlohmann::ordered_json;

/// The document as read, before any of it reaches the model.
struct LayoutData {
    std::string name;
    std::vector<PageSize> pages;
    LayoutColoursData colours;
    LayoutItemsData items;
    LayoutTextData text;
    PageSetupData setup;
    LayoutPagesData pageNames; // layers, sections, the ruler origin and the stored switches
};

struct ProjectData {
    std::string name;
    std::vector<LayoutData> layouts;
};

/// Walks the document and keeps the first problem, named by where it sits ("layouts[0].pages[2].width").
class DocumentChecker {
public:
    const std::string& problem() const { return m_problem; }

    bool fail(const std::string& where, const std::string& what)
    {
        if (m_problem.empty())
            m_problem = where.empty() ? what : "\"" + where + "\" " + what;
        return false;
    }

    /// Refuses keys this version does not know, so nothing in the file is silently dropped.
    bool onlyKeys(const Json& object, const std::string& where, std::initializer_list<std::string_view> keys)
    {
        for (const auto& [key, value] : object.items()) {
            if (std::find(keys.begin(), keys.end(), key) == keys.end())
                return fail(join(where, key), "is not part of a version-1 document");
        }
        return true;
    }

    const Json* member(const Json& object, const std::string& where, const char* key)
    {
        const auto found = object.find(key);
        if (found == object.end()) {
            fail(join(where, key), "is missing");
            return nullptr;
        }
        return &*found;
    }

    std::optional<std::string> text(const Json& object, const std::string& where, const char* key)
    {
        const Json* value = member(object, where, key);
        if (!value)
            return std::nullopt;
        if (!value->is_string()) {
            fail(join(where, key), "must be a text");
            return std::nullopt;
        }
        return value->get<std::string>();
    }

    std::optional<xt::Fixed> length(const Json& object, const std::string& where, const char* key)
    {
        const Json* value = member(object, where, key);
        if (!value)
            return std::nullopt;
        const auto fixed = fixedFromPoints(*value);
        if (!fixed || *fixed <= 0) {
            fail(join(where, key), "must be a length in points above 0 and below 32768");
            return std::nullopt;
        }
        return fixed;
    }

    const Json* nonEmptyArray(const Json& object, const std::string& where, const char* key, const char* what)
    {
        const Json* value = member(object, where, key);
        if (!value)
            return nullptr;
        if (!value->is_array() || value->empty()) {
            fail(join(where, key), std::string("must be a list of at least one ") + what);
            return nullptr;
        }
        return value;
    }

    static std::string join(const std::string& where, std::string_view key)
    {
        return where.empty() ? std::string(key) : where + "." + std::string(key);
    }

    static std::string index(const std::string& where, size_t i)
    {
        return where + "[" + std::to_string(i) + "]";
    }

private:
    std::string m_problem;
};

std::optional<PageSize> readPage(DocumentChecker& check, const Json& page, const std::string& where)
{
    if (!page.is_object()) {
        check.fail(where, "must be a page like {\"width\": 612, \"height\": 792}");
        return std::nullopt;
    }
    if (!check.onlyKeys(page, where, {"width", "height", kPageNameKey, kPageMasterKey}))
        return std::nullopt;
    const auto width = check.length(page, where, "width");
    const auto height = check.length(page, where, "height");
    if (!width || !height)
        return std::nullopt;
    return PageSize{*width, *height};
}

/// A parsed document the reader may take apart as it goes (Json), or one it must leave whole (const Json).
/// Taken apart, each part's parsed form goes once it is read, so a large layout's items are never held
/// both as parsed and as read.
template <class DocumentJson>
constexpr bool kReleasesParts = !std::is_const_v<DocumentJson>;

void addRefs(const ItemData& item, std::unordered_set<int32_t>& refs)
{
    refs.insert(item.ref);
    for (const std::optional<ItemData>& cell : item.cells) {
        if (cell)
            addRefs(*cell, refs);
    }
}

/// The index of the first story whose boxes sit some on master pages and some elsewhere, if any. Only
/// a layout with master page items pays for the look, and only its master items are gathered unless a
/// story holds one of them beside a box that may be of another list.
std::optional<size_t> chainCrossingPageKinds(const LayoutItemsData& items, const LayoutTextData& text)
{
    // The master pages' list is read last, so its items end the list.
    std::unordered_set<int32_t> masterBoxes;
    for (auto item = items.items.rbegin(); item != items.items.rend() && item->master; ++item)
        addRefs(*item, masterBoxes);
    if (masterBoxes.empty())
        return std::nullopt;
    std::optional<std::unordered_set<int32_t>> otherBoxes;
    for (size_t i = 0; i < text.stories.size(); ++i) {
        const std::vector<int32_t>& boxes = text.stories[i].boxes;
        const auto onMaster = [&](int32_t box) { return masterBoxes.count(box) != 0; };
        if (std::none_of(boxes.begin(), boxes.end(), onMaster) || std::all_of(boxes.begin(), boxes.end(), onMaster))
            continue;
        if (!otherBoxes) {
            otherBoxes.emplace();
            for (const ItemData& item : items.items) {
                if (!item.master)
                    addRefs(item, *otherBoxes);
            }
        }
        // A box that names no item at all is dropped as the story is read, wherever the others sit.
        if (std::any_of(boxes.begin(), boxes.end(), [&](int32_t box) { return otherBoxes->count(box) != 0; }))
            return i;
    }
    return std::nullopt;
}

template <class LayoutJson>
std::optional<LayoutData> readLayout(DocumentChecker& check, LayoutJson& layout, const std::string& where)
{
    if (!layout.is_object()) {
        check.fail(where, "must be a layout with a name and pages");
        return std::nullopt;
    }
    if (!check.onlyKeys(layout, where, {"name", "pages", kPageSetupKey, kMastersKey, kGuidesKey, kStyleSheetsKey, kColoursKey, kItemsKey, kMasterItemsKey, kStoriesKey, kDataBlocksKey, kLayersKey, kCurrentLayerKey, kSectionsKey, kRulerOriginKey, kSettingsKey}))
        return std::nullopt;
    LayoutData data;
    const auto name = check.text(layout, where, "name");
    const Json* pages = check.nonEmptyArray(layout, where, "pages", "page");
    if (!name || !pages)
        return std::nullopt;
    if (pages->size() > kMostLayoutPages) {
        check.fail(DocumentChecker::join(where, "pages"), "must hold at most " + std::to_string(kMostLayoutPages) + " pages");
        return std::nullopt;
    }
    data.name = *name;
    for (size_t i = 0; i < pages->size(); ++i) {
        const std::string pageWhere = DocumentChecker::index(DocumentChecker::join(where, "pages"), i);
        const auto page = readPage(check, (*pages)[i], pageWhere);
        if (!page)
            return std::nullopt;
        data.pages.push_back(*page);
    }
    if (const auto problem = readPageSetup(layout, where, data.pages.size(), data.setup)) {
        check.fail(problem->first, problem->second);
        return std::nullopt;
    }
    if (const auto problem = readLayoutColours(layout, where, data.colours)) {
        check.fail(problem->first, problem->second);
        return std::nullopt;
    }
    const size_t perSpread = data.setup.setup.facing() ? 2 : 1;
    const size_t masterSpreads = std::max<size_t>(data.setup.masters.size() / perSpread, 1);
    if (const auto problem = readLayoutPages(layout, where, masterSpreads, data.pageNames)) {
        check.fail(problem->first, problem->second);
        return std::nullopt;
    }
    const ColourNames colours(data.colours);
    // A layout without its master pages written has the host's: one spread of one page, or of two.
    const size_t masterPages = data.setup.masters.empty() ? perSpread : data.setup.masters.size();
    if (const auto problem = readLayoutItems(layout, where, {data.pages.size(), masterPages}, colours, data.items)) {
        check.fail(problem->first, problem->second);
        return std::nullopt;
    }
    if constexpr (kReleasesParts<LayoutJson>) {
        layout.erase(std::string(kItemsKey));
        layout.erase(std::string(kMasterItemsKey));
    }
    // Files written before layouts kept their layers give the layer numbers alone: each becomes a layer.
    if (!layout.contains(kLayersKey)) {
        for (const ItemData& item : data.items.items)
            addLayerNamedByNumber(data.pageNames, item.layer);
    }
    size_t documentItems = 0; // the master pages' items follow, numbered in their own list
    for (size_t i = 0; i < data.items.items.size(); ++i) {
        const ItemData& item = data.items.items[i];
        documentItems += item.master ? 0 : 1;
        if (!hasLayer(data.pageNames, item.layer)) {
            const std::string list = DocumentChecker::join(where, item.master ? kMasterItemsKey : kItemsKey);
            check.fail(DocumentChecker::index(list, item.master ? i - documentItems : i) + ".layer",
                "names no layer of the layout (see \"layers\")");
            return std::nullopt;
        }
    }
    if (const auto problem = readLayoutText(layout, where, colours, masterPages, data.text)) {
        check.fail(problem->where, problem->what);
        return std::nullopt;
    }
    if (const auto problem = chainCrossingPageKinds(data.items, data.text)) {
        check.fail(DocumentChecker::index(DocumentChecker::join(where, kStoriesKey), *problem) + ".boxes",
            "links a box on a master page with one on a document page or the pasteboard; a text chain stays on one or the other");
        return std::nullopt;
    }
    return data;
}

bool checkFormat(DocumentChecker& check, const Json& document)
{
    if (!document.is_object())
        return check.fail("", "not a VORNE layout document (expected a JSON object)");
    const auto format = document.find("format");
    if (format == document.end() || !format->is_string() || format->get<std::string>() != kDocumentFormat)
        return check.fail("", "not a VORNE layout document (\"format\" is not \"vorne-layout\")");
    const auto version = document.find("version");
    if (version == document.end() || !version->is_number_integer())
        return check.fail("version", "must be a whole number");
    if (*version != kDocumentFormatVersion) {
        return check.fail("", "written in document format version " + version->dump() + "; this host reads version "
                + std::to_string(kDocumentFormatVersion));
    }
    return check.onlyKeys(document, "", {"format", "version", "name", "layouts"});
}

template <class DocumentJson>
auto& layoutAt(DocumentJson& document, size_t i)
{
    return document["layouts"][i];
}

template <class DocumentJson>
std::optional<ProjectData> readProject(DocumentChecker& check, DocumentJson& document)
{
    if (!checkFormat(check, document))
        return std::nullopt;
    ProjectData data;
    const auto name = check.text(document, "", "name");
    const Json* layouts = check.nonEmptyArray(document, "", "layouts", "layout");
    if (!name || !layouts)
        return std::nullopt;
    data.name = *name;
    for (size_t i = 0; i < layouts->size(); ++i) {
        auto layout = readLayout(check, layoutAt(document, i), DocumentChecker::index("layouts", i));
        if (!layout)
            return std::nullopt;
        data.layouts.push_back(std::move(*layout));
        if constexpr (kReleasesParts<DocumentJson>)
            layoutAt(document, i) = Json();
    }
    return data;
}

/// Builds the project from what was read, letting each part of it go once it is in the model.
Project& addToModel(ProjectData& data, DocumentModel& model)
{
    Project& project = model.addProject(data.name);
    for (LayoutData& layoutData : data.layouts) {
        Layout& layout = project.addLayout(layoutData.name);
        for (const PageSize& size : layoutData.pages)
            layout.appendPage(size);
        applyPageSetup(layoutData.setup, layout);
        applyLayoutColours(layoutData.colours, layout);
        // Items come back under new references; stories and item holders follow them there.
        const std::map<int32_t, int32_t> items = applyLayoutItems(layoutData.items, layout);
        layoutData.items = {};
        applyLayoutText(layoutData.text, layout, [&items](int32_t written) {
            const auto found = items.find(written);
            return found == items.end() ? 0 : found->second;
        });
        layoutData.text = {};
        applyLayoutPages(layoutData.pageNames, layout);
    }
    return project;
}

/// nlohmann's messages start with an internal tag ("[json.exception.parse_error.101] ") a user has no use for.
std::string withoutExceptionTag(const std::string& message)
{
    const size_t end = message.find("] ");
    return message.starts_with("[json.exception.") && end != std::string::npos ? message.substr(end + 2) : message;
}

/// Reads a parsed document, taking it apart as it goes when it may (see kReleasesParts).
template <class DocumentJson>
OpenResult fromParsed(DocumentJson& document, DocumentModel& model)
{
    DocumentChecker check;
    auto data = readProject(check, document);
    if (!data)
        return {nullptr, check.problem()};
    if constexpr (kReleasesParts<DocumentJson>)
        document = Json();
    return {&addToModel(*data, model), {}};
}

/// Parses the text or stream; nullopt with the reason when it is not JSON.
template <class Input>
std::optional<Json> parse(Input&& input, std::string& problem)
{
    try {
        return Json::parse(std::forward<Input>(input));
    } catch (const Json::exception& error) {
        // Besides syntax errors the parser throws out_of_range for a number beyond a double.
        problem = "not valid JSON: " + withoutExceptionTag(error.what());
        return std::nullopt;
    }
}

} // namespace

OpenResult documentFromJson(const Json& document, DocumentModel& model)
{
    return fromParsed(document, model);
}

OpenResult documentFromText(std::string_view text, DocumentModel& model)
{
    std::string problem;
    std::optional<Json> document = parse(text, problem);
    if (!document)
        return {nullptr, problem};
    return fromParsed(*document, model);
}

OpenResult documentFromStream(std::istream& in, DocumentModel& model)
{
    // The file is parsed as it is read, and the parsed document is taken apart as it is read into the
    // model's terms: a large file is never held as text beside its parsed form, nor its parsed items
    // beside the items read from them.
    std::string problem;
    std::optional<Json> document = parse(in, problem);
    if (!document)
        return {nullptr, in.bad() ? "it cannot be read" : problem};
    return fromParsed(*document, model);
}

} // namespace host::model
