// Page items: the top-level items of a page, less those anchored in text.
#include "host/model/items/page_items.h"

#include <unordered_set>

#include "host/model/document_model.h"

namespace host::model {
namespace {

std::unordered_set<int32_t> anchoredItems(const Layout& layout)
{
    std::unordered_set<int32_t> anchored;
    for (const auto& [ref, story] : layout.stories().stories())
        for (const auto& [offset, item] : story.anchors())
            anchored.insert(item);
    return anchored;
}

} // namespace

std::vector<int32_t> pageItems(const Layout& layout, int32_t pageRef)
{
    std::vector<int32_t> items = layout.items().topLevelOnPage(pageRef);
    const std::unordered_set<int32_t> anchored = anchoredItems(layout);
    if (anchored.empty())
        return items;
    std::erase_if(items, [&](int32_t item) { return anchored.count(item) != 0; });
    return items;
}

} // namespace host::model
