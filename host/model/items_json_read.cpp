// Reads a layout's items from a document, checked in full (references, groups, tables) before any
// of them reaches the model.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <set>
#include <string_view>
#include <type_traits>

#include "host/model/document_json_points.h"
#include "host/model/items_json.h"

namespace host::model {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kItemKeys[] = {"ref", "page", "kind", "shape", "rect", "points", "angle",
    "weight", "outsets", "corner", "flags", "colour", "shade", "background", "backgroundShade", "pictureColour", "locked", "layer", "name", "dropShadow", "members", "table", "picture", "lineStyle", "arrows", "content", "record"};
/// A line's arrowheads by name; the index is the record's bits (xt::kArrowAtFirst, xt::kArrowAtSecond).
constexpr std::string_view kArrowNames[] = {"none", "first", "second", "both"};
constexpr std::string_view kPictureKeys[] = {"file", "width", "height"};
constexpr std::string_view kTableKeys[] = {"widths", "heights", "columnLines", "rowLines", "cells"};

std::optional<std::vector<uint8_t>> fromHex(const Json& value, size_t size)
{
    if (!value.is_string() || value.get_ref<const std::string&>().size() != size * 2)
        return std::nullopt;
    const std::string& text = value.get_ref<const std::string&>();
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) {
        unsigned byte = 0;
        for (size_t d = 0; d < 2; ++d) {
            const char c = text[i * 2 + d];
            const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (digit < 0)
                return std::nullopt;
            byte = byte * 16 + static_cast<unsigned>(digit);
        }
        bytes[i] = static_cast<uint8_t>(byte);
    }
    return bytes;
}

/// Walks the items and keeps the first problem, with the references seen so far.
class ItemReader {
public:
    ItemReader(size_t pageCount, const ColourNames& colours) : m_pageCount(pageCount), m_colours(&colours) {}

    /// The items read from here on sit on master pages, numbered from 1 up to `masterPages`; a group
    /// among them holds only master page items.
    void beginMasterItems(size_t masterPages)
    {
        m_masters = true;
        m_pageCount = masterPages;
        m_free.clear();
    }

    const std::optional<std::pair<std::string, std::string>>& problem() const { return m_problem; }

    bool fail(const std::string& where, const std::string& what)
    {
        if (!m_problem)
            m_problem = std::make_pair(where, what);
        return false;
    }

    bool readItem(const Json& item, const std::string& where, ItemData& data, bool inTable);

private:
    bool readHeader(const Json& item, const std::string& where, ItemData& data);
    bool readGeometry(const Json& item, const std::string& where, ItemData& data);
    bool readPicture(const Json& picture, const std::string& where, ItemData& data);
    bool readLengths(const Json& item, const std::string& where, ItemData& data);
    bool readFields(const Json& item, const std::string& where, ItemData& data);
    bool readColours(const Json& item, const std::string& where, ItemData& data);
    bool colour(const Json& item, const std::string& where, const char* key, int16_t& into);
    bool readMembers(const Json& item, const std::string& where, ItemData& data);
    bool readTable(const Json& item, const std::string& where, ItemData& data);
    std::optional<int64_t> whole(const Json& object, const std::string& where, const char* key, int64_t low, int64_t high);
    bool lengths(const Json& object, const std::string& where, const char* key, size_t count, bool positive,
        std::vector<xt::Fixed>& into);
    bool rect(const Json& object, const std::string& where, xt::FixedRect& into);

    size_t m_pageCount;
    const ColourNames* m_colours;
    bool m_masters = false;
    std::set<int32_t> m_seen;
    std::set<int32_t> m_masterSeen; // the master page items among m_seen
    std::set<int32_t> m_free; // items read so far that no group or table holds yet
    std::optional<std::pair<std::string, std::string>> m_problem;
};

std::optional<int64_t> ItemReader::whole(const Json& object, const std::string& where, const char* key, int64_t low, int64_t high)
{
    const auto found = object.find(key);
    const std::string at = where + "." + key;
    if (found == object.end())
        return fail(at, "is missing"), std::nullopt;
    if (!found->is_number_integer() || found->get<int64_t>() < low || found->get<int64_t>() > high)
        return fail(at, "must be a whole number from " + std::to_string(low) + " to " + std::to_string(high)), std::nullopt;
    return found->get<int64_t>();
}

bool ItemReader::lengths(const Json& object, const std::string& where, const char* key, size_t count, bool positive,
    std::vector<xt::Fixed>& into)
{
    const auto found = object.find(key);
    const std::string at = where + "." + key;
    if (found == object.end())
        return fail(at, "is missing");
    const std::string what = count ? "must be a list of " + std::to_string(count) + " lengths in points" : "must be a list of lengths in points above 0";
    if (!found->is_array() || (count ? found->size() != count : found->empty() || found->size() > 255))
        return fail(at, what);
    into.clear();
    for (const Json& value : *found) {
        const auto length = fixedFromPoints(value);
        if (!length || (positive && *length <= 0))
            return fail(at, what);
        into.push_back(*length);
    }
    return true;
}

bool ItemReader::rect(const Json& object, const std::string& where, xt::FixedRect& into)
{
    std::vector<xt::Fixed> sides;
    if (!lengths(object, where, "rect", 4, false, sides))
        return false;
    into = {sides[0], sides[1], sides[2], sides[3]};
    return true;
}

bool ItemReader::readHeader(const Json& item, const std::string& where, ItemData& data)
{
    const auto ref = whole(item, where, "ref", 1, INT32_MAX);
    const auto page = whole(item, where, "page", m_masters ? 1 : 0, static_cast<int64_t>(m_pageCount));
    const auto kind = whole(item, where, "kind", 0, 5);
    const auto shape = whole(item, where, "shape", 0, xt::shape::kBezierLine);
    if (!ref || !page || !kind || !shape)
        return false;
    if (!m_seen.insert(static_cast<int32_t>(*ref)).second)
        return fail(where + ".ref", "is the reference of another item");
    if (m_masters)
        m_masterSeen.insert(static_cast<int32_t>(*ref));
    data.ref = static_cast<int32_t>(*ref);
    data.page = static_cast<size_t>(*page);
    data.master = m_masters;
    data.kind = static_cast<xt::BoxKind>(*kind);
    data.shape = static_cast<uint8_t>(*shape);
    // Without a record the item starts as the host makes one of its kind; the named fields then say the rest.
    if (!item.contains("record")) {
        data.record = Item(0, 0, data.kind, data.shape).record();
        data.record.geometry = {};
    } else {
        const auto record = fromHex(item["record"], sizeof(xt::BoxRecord));
        if (!record)
            return fail(where + ".record", "must be the item's " + std::to_string(sizeof(xt::BoxRecord)) + " bytes in hex");
        std::memcpy(&data.record, record->data(), sizeof data.record);
    }
    if (item.contains("content")) {
        const auto content = fromHex(item["content"], sizeof data.record.content);
        if (!content)
            return fail(where + ".content", "must be the box's " + std::to_string(sizeof data.record.content) + " bytes of record 390 on, in hex");
        std::memcpy(&data.record.content, content->data(), sizeof data.record.content);
    }
    return true;
}

bool ItemReader::readGeometry(const Json& item, const std::string& where, ItemData& data)
{
    if (data.kind == xt::BoxKind::Group) {
        if (item.contains("rect") || item.contains("points"))
            return fail(where, "is a group or table, whose place is that of its members; it takes no \"rect\" or \"points\"");
        return item.contains("table") ? readTable(item, where, data) : readMembers(item, where, data);
    }
    if (item.contains("members") || item.contains("table"))
        return fail(where, "holds members but is not of kind 2");
    if (!rect(item, where, data.rect))
        return false;
    if (!xt::shape::hasShapeData(data.shape))
        return item.contains("points") ? fail(where + ".points", "belongs only to a point-list or Bezier item") : true;
    const auto points = item.find("points");
    const std::string at = where + ".points";
    if (points == item.end())
        return fail(at, "is missing");
    if (!points->is_array() || points->empty())
        return fail(at, "must be a list of at least one point [v, h]");
    for (const Json& point : *points) {
        const auto v = point.is_array() && point.size() == 2 ? fixedFromPoints(point[0]) : std::nullopt;
        const auto h = point.is_array() && point.size() == 2 ? fixedFromPoints(point[1]) : std::nullopt;
        if (!v || !h)
            return fail(at, "must be a list of at least one point [v, h]");
        data.points.push_back({*v, *h});
    }
    return true;
}

/// Named fields win over the same bytes in the record: they are what a person edits.
bool ItemReader::readLengths(const Json& item, const std::string& where, ItemData& data)
{
    static constexpr std::pair<const char*, size_t> kRecordLengths[] = {{"angle", offsetof(xt::BoxRecord, angle)},
        {"weight", offsetof(xt::BoxRecord, weight)}, {"corner", offsetof(xt::BoxRecord, corner)}};
    for (const auto& [key, offset] : kRecordLengths) {
        if (!item.contains(key))
            continue;
        const auto value = fixedFromPoints(item[key]);
        if (!value)
            return fail(where + "." + key, "must be a number");
        xt::writeAt(&data.record, *value, offset);
    }
    static constexpr std::pair<const char*, size_t> kShades[] = {{"shade", offsetof(xt::BoxRecord, frameShade)},
        {"backgroundShade", offsetof(xt::BoxRecord, backgroundShade)}};
    for (const auto& [key, offset] : kShades) {
        if (!item.contains(key))
            continue;
        const auto shade = fixedFromPoints(item[key]);
        if (!shade || *shade < 0 || *shade > xt::kFixedOne)
            return fail(where + "." + key, "must be a shade from 0 to 1");
        xt::writeAt(&data.record, *shade, offset);
    }
    std::vector<xt::Fixed> outsets;
    if (item.contains("outsets") && !lengths(item, where, "outsets", 4, false, outsets))
        return false;
    for (size_t side = 0; side < outsets.size(); ++side)
        xt::writeAt(&data.record, outsets[side], offsetof(xt::BoxRecord, outsets) + side * sizeof(xt::Fixed));
    return true;
}

bool ItemReader::readFields(const Json& item, const std::string& where, ItemData& data)
{
    if (item.contains("flags")) {
        const auto flags = whole(item, where, "flags", 0, UINT16_MAX);
        if (!flags)
            return false;
        data.record.flags = static_cast<uint16_t>(*flags);
    }
    if (item.contains("layer")) {
        const auto layer = whole(item, where, "layer", INT32_MIN, INT32_MAX);
        if (!layer)
            return false;
        data.layer = static_cast<int32_t>(*layer);
    }
    if (item.contains("locked")) {
        if (!item["locked"].is_boolean())
            return fail(where + ".locked", "must be true or false");
        data.locked = item["locked"].get<bool>();
    }
    if (item.contains("name")) {
        if (!item["name"].is_string())
            return fail(where + ".name", "must be text");
        data.name = item["name"].get<std::string>();
    }
    if (item.contains("lineStyle")) {
        const auto style = whole(item, where, "lineStyle", 0, xt::kLineStyleMask >> xt::kLineStyleShift);
        if (!style)
            return false;
        data.record.style = static_cast<uint8_t>((data.record.style & ~xt::kLineStyleMask) | (*style << xt::kLineStyleShift));
    }
    if (item.contains("arrows")) {
        const Json& arrows = item["arrows"];
        const auto* name = arrows.is_string() ? &arrows.get_ref<const std::string&>() : nullptr;
        const auto found = name ? std::find(std::begin(kArrowNames), std::end(kArrowNames), *name) : std::end(kArrowNames);
        if (found == std::end(kArrowNames))
            return fail(where + ".arrows", "must be \"none\", \"first\", \"second\" or \"both\"");
        if (!xt::shape::isLine(data.shape))
            return fail(where + ".arrows", "belongs only to a line (shape 1 or 2)");
        const auto bits = static_cast<uint8_t>(found - std::begin(kArrowNames));
        data.record.style = static_cast<uint8_t>((data.record.style & ~(xt::kArrowAtFirst | xt::kArrowAtSecond)) | bits);
    }
    if (item.contains("picture") && !readPicture(item["picture"], where + ".picture", data))
        return false;
    if (item.contains("dropShadow")) {
        const auto shadow = fromHex(item["dropShadow"], sizeof(xt::DropShadowRecord));
        if (!shadow)
            return fail(where + ".dropShadow", "must be the shadow's " + std::to_string(sizeof(xt::DropShadowRecord)) + " bytes in hex");
        data.shadow.emplace();
        std::memcpy(&*data.shadow, shadow->data(), sizeof *data.shadow);
    }
    return true;
}

/// The image file a picture box shows: its name and the picture's size in points, as the host read them.
bool ItemReader::readPicture(const Json& picture, const std::string& where, ItemData& data)
{
    if (data.kind != xt::BoxKind::Picture)
        return fail(where, "belongs only to a picture box (kind 4)");
    if (!picture.is_object())
        return fail(where, "must be an image file with its \"file\", \"width\" and \"height\"");
    for (const auto& [key, value] : picture.items()) {
        if (std::find(std::begin(kPictureKeys), std::end(kPictureKeys), key) == std::end(kPictureKeys))
            return fail(where + "." + key, "is not part of a version-1 document");
    }
    const auto file = picture.find("file");
    if (file == picture.end() || !file->is_string() || file->get_ref<const std::string&>().empty())
        return fail(where + ".file", "must be the image file's name");
    PictureFile read{file->get<std::string>(), {}};
    for (const auto& [key, into] : {std::pair{"width", &read.size.width}, std::pair{"height", &read.size.height}}) {
        const auto found = picture.find(key);
        const auto value = found != picture.end() ? fixedFromPoints(*found) : std::nullopt;
        if (!value || *value <= 0)
            return fail(where + "." + key, "must be a length above 0 in points");
        *into = *value;
    }
    data.picture = std::move(read);
    return true;
}

bool ItemReader::colour(const Json& item, const std::string& where, const char* key, int16_t& into)
{
    if (!item.contains(key))
        return true;
    std::string problem;
    const auto number = m_colours->resolve(item[key], problem);
    if (!number)
        return fail(where + "." + key, problem);
    into = *number;
    return true;
}

/// The frame's (or line's) colour, the background and a picture box's picture colour, by name.
bool ItemReader::readColours(const Json& item, const std::string& where, ItemData& data)
{
    int16_t frame = data.record.frameColour;
    int16_t background = data.record.backgroundColour;
    int16_t picture = data.record.content.picture.colour;
    if (!colour(item, where, "colour", frame) || !colour(item, where, "background", background))
        return false;
    if (item.contains("pictureColour") && data.kind != xt::BoxKind::Picture)
        return fail(where + ".pictureColour", "belongs only to a picture box (kind 4)");
    if (!colour(item, where, "pictureColour", picture))
        return false;
    data.record.frameColour = frame;
    data.record.backgroundColour = background;
    if (data.kind == xt::BoxKind::Picture)
        data.record.content.picture.colour = picture;
    return true;
}

bool ItemReader::readMembers(const Json& item, const std::string& where, ItemData& data)
{
    const auto members = item.find("members");
    const std::string at = where + ".members";
    if (members == item.end())
        return fail(at, "is missing");
    if (!members->is_array() || members->empty())
        return fail(at, "must be a list of at least one item reference");
    for (const Json& member : *members) {
        const bool isRef = member.is_number_integer() && member >= 1 && member <= INT32_MAX;
        if (!isRef || member == data.ref || !m_seen.count(member.get<int32_t>()))
            return fail(at, "must name items written before the group");
        if (m_masters && !m_masterSeen.count(member.get<int32_t>()))
            return fail(at, "names an item of a document page; a group on a master page holds master page items only");
        if (!m_free.erase(member.get<int32_t>()))
            return fail(at, "names an item that another group or table already holds");
        data.members.push_back(member.get<int32_t>());
    }
    return true;
}

bool ItemReader::readTable(const Json& item, const std::string& where, ItemData& data)
{
    const Json& table = item["table"];
    const std::string at = where + ".table";
    if (!table.is_object())
        return fail(at, "must be a table with widths, heights, grid lines and cells");
    for (const auto& [key, value] : table.items()) {
        if (std::find(std::begin(kTableKeys), std::end(kTableKeys), key) == std::end(kTableKeys))
            return fail(at + "." + key, "is not part of a version-1 document");
    }
    data.isTable = true;
    if (!lengths(table, at, "widths", 0, true, data.widths) || !lengths(table, at, "heights", 0, true, data.heights)
        || !lengths(table, at, "columnLines", data.widths.size() + 1, false, data.columnLines)
        || !lengths(table, at, "rowLines", data.heights.size() + 1, false, data.rowLines))
        return false;
    const auto cells = table.find("cells");
    const size_t count = data.widths.size() * data.heights.size();
    if (cells == table.end() || !cells->is_array() || cells->size() != count)
        return fail(at + ".cells", "must be a list of " + std::to_string(count) + " cells (one per column and row)");
    for (size_t i = 0; i < count; ++i) {
        const std::string cellAt = at + ".cells[" + std::to_string(i) + "]";
        data.cells.emplace_back();
        if ((*cells)[i].is_null())
            continue;
        ItemData cell;
        if (!readItem((*cells)[i], cellAt, cell, true))
            return false;
        m_free.erase(cell.ref);
        data.cells.back() = std::move(cell);
    }
    return true;
}

bool ItemReader::readItem(const Json& item, const std::string& where, ItemData& data, bool inTable)
{
    if (!item.is_object())
        return fail(where, "must be an item with a reference, page, kind and shape");
    for (const auto& [key, value] : item.items()) {
        if (std::find(std::begin(kItemKeys), std::end(kItemKeys), key) == std::end(kItemKeys))
            return fail(where + "." + key, "is not part of a version-1 document");
    }
    if (!readHeader(item, where, data))
        return false;
    // Checked before the geometry, so a cell cannot hold a table of its own.
    if (inTable && (data.kind != xt::BoxKind::Text || !xt::shape::isFramed(data.shape)))
        return fail(where, "must be a framed text box (kind 3)");
    if (!readGeometry(item, where, data) || !readLengths(item, where, data) || !readFields(item, where, data)
        || !readColours(item, where, data))
        return false;
    m_free.insert(data.ref);
    return true;
}

} // namespace

namespace {

/// Reads one list of a layout object's items; one the reader may change (Json) loses each item's parsed
/// form once the item is read, so a long list is never held both as parsed and as read.
template <class LayoutJson>
bool readList(ItemReader& reader, LayoutJson& layout, const std::string& where, const char* key, LayoutItemsData& data)
{
    const auto items = layout.find(key);
    if (items == layout.end())
        return true;
    const std::string at = where + "." + key;
    if (!items->is_array())
        return reader.fail(at, "must be a list of items");
    for (size_t i = 0; i < items->size(); ++i) {
        ItemData item;
        if (!reader.readItem((*items)[i], at + "[" + std::to_string(i) + "]", item, false))
            return false;
        data.items.push_back(std::move(item));
        if constexpr (!std::is_const_v<LayoutJson>)
            (*items)[i] = Json();
    }
    return true;
}

/// The document pages' items, then the master pages': one reader for both, so a reference is the
/// layout's once whichever list it is in.
template <class LayoutJson>
std::optional<std::pair<std::string, std::string>> readItemsOf(LayoutJson& layout, const std::string& where,
    ItemPages pages, const ColourNames& colours, LayoutItemsData& data)
{
    ItemReader reader(pages.pages, colours);
    if (!readList(reader, layout, where, kItemsKey, data))
        return reader.problem();
    reader.beginMasterItems(pages.masterPages);
    if (!readList(reader, layout, where, kMasterItemsKey, data))
        return reader.problem();
    return std::nullopt;
}

} // namespace

std::optional<std::pair<std::string, std::string>> readLayoutItems(const Json& layout, const std::string& where,
    ItemPages pages, const ColourNames& colours, LayoutItemsData& data)
{
    return readItemsOf(layout, where, pages, colours, data);
}

std::optional<std::pair<std::string, std::string>> readLayoutItems(Json& layout, const std::string& where,
    ItemPages pages, const ColourNames& colours, LayoutItemsData& data)
{
    return readItemsOf(layout, where, pages, colours, data);
}

} // namespace host::model
