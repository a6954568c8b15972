// A layout's stories and XtData blocks in document files: written beside its pages, read back checked
// in full before any of it reaches the model.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/model/colours/colours_json.h"
#include "host/model/data_blocks.h"
#include "host/model/document_model.h"
#include "host/model/json_sink.h"
#include "host/model/text/story.h"

namespace host::model {

/// Adds "stories" and "dataBlocks" to a layout's object, each only when the layout has some.
void writeLayoutText(const Layout& layout, nlohmann::ordered_json& object);
/// Gives the entries of "stories" in the order writeLayoutText lists them.
void forEachStoryJson(const Layout& layout, const JsonSink& sink);
/// Adds "dataBlocks" alone, when the layout has some.
void writeLayoutDataBlocks(const Layout& layout, nlohmann::ordered_json& object);

struct StoryData {
    std::vector<int32_t> boxes;
    std::u16string text;
    std::vector<std::pair<int32_t, CharacterAttributes>> characterRuns; // length, attributes
    std::vector<std::pair<int32_t, ParagraphAttributes>> paragraphRuns;
    std::vector<std::pair<int32_t, int32_t>> anchors; // offset, item
    TextRange selection;
};

struct HolderData {
    HolderKind kind = HolderKind::Document;
    int32_t object = 0; // an item reference as written, or a page number from 1
    bool master = false; // the page number is a master page's
    std::vector<std::pair<xt::FourLetterCode, DataBlock>> blocks;
};

/// A layout's text and data blocks as read from a document, checked but not yet in the model.
struct LayoutTextData {
    std::deque<StoryData> stories;  // grows without copies or spare room, as a layout's items do
    std::vector<HolderData> holders;
};

/// Where a problem sits in the document ("layouts[0].stories[1].text") and what is wrong.
struct TextJsonProblem {
    std::string where;
    std::string what;
};

/// The keys of a layout object that readLayoutText reads.
inline constexpr const char* kStoriesKey = "stories";
inline constexpr const char* kDataBlocksKey = "dataBlocks";

/// Checks the layout object's "stories" and "dataBlocks" (both may be absent) into `data`; colours
/// are named as `colours` knows them, and a master page's blocks name one of `masterPages`.
std::optional<TextJsonProblem> readLayoutText(const nlohmann::ordered_json& layout, const std::string& where,
    const ColourNames& colours, size_t masterPages, LayoutTextData& data);

/// Maps an item reference written in the document to the item's reference once read; 0 when it is gone.
using ItemRefMap = std::function<int32_t(int32_t written)>;

/// Puts what was read into the layout. Boxes and holders of items the map does not know are left out,
/// and a story none of whose boxes is left goes with them.
void applyLayoutText(const LayoutTextData& data, Layout& layout, const ItemRefMap& items);

} // namespace host::model
