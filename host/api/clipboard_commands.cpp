// The host commands cut (204), copy (205), paste (206) and duplicate (506): items of the current layout's
// selection, or, with the content tool in a text box, the selected text.
#include <vector>

#include "host/api/clipboard_commands.h"
#include "host/api/story_access.h"
#include "host/host_context.h"
#include "host/model/clipboard.h"
#include "host/model/spread_layout.h"
#include "host/model/text/text_boxes.h"
#include "host/ui/tool_box.h"

namespace host::api {
namespace {

constexpr int32_t kCut = 204;
constexpr int32_t kCopy = 205;
constexpr int32_t kPaste = 206;
constexpr int32_t kDuplicate = 506;

struct Copied {
    int32_t pageRef;
    model::ItemSnapshot snapshot;
};

/// The selection as snapshots, each with its page; empty when nothing (or a table) is selected.
std::vector<Copied> copySelection(const model::Layout& layout)
{
    std::vector<Copied> copies;
    for (int32_t ref : model::copiedItems(layout.items())) {
        auto snapshot = model::snapshotOf(layout.items(), layout.stories(), ref);
        if (!snapshot)
            return {};
        copies.push_back({layout.items().find(ref)->pageRef(), std::move(*snapshot)});
    }
    return copies;
}

xt::FixedPoint originOfPage(const model::Layout& layout, int32_t pageRef)
{
    const auto slot = model::slotOfRef(layout, pageRef).value_or(model::PageSlot{});
    const xt::PlaceRecord place = model::placeOf(layout, slot);
    return {place.pageTop, place.pageLeft};
}

int32_t copy(model::Layout& layout)
{
    std::vector<Copied> copies = copySelection(layout);
    if (copies.empty())
        return -1;
    std::vector<model::ItemSnapshot> snapshots;
    for (Copied& copied : copies)
        snapshots.push_back(std::move(copied.snapshot));
    context().documents().clipboard().put(std::move(snapshots), originOfPage(layout, copies.front().pageRef));
    return 0;
}

/// The story of the current text box when the content tool works in it; null otherwise.
model::Story* editedStory(model::Layout& layout)
{
    if (layout.items().selection().tool() != ui::kContentTool)
        return nullptr;
    return model::storyOfTextBox(layout, boxOrCurrent(0));
}

/// Takes the selected text out, with its attributes, onto the clipboard; the insertion point stays where
/// it was. An empty selection cuts nothing and leaves the clipboard as it was.
int32_t cutText(model::Layout& layout)
{
    model::Story* story = editedStory(layout);
    if (!story)
        return -1;
    const model::TextRange selected = story->selection();
    if (selected.empty())
        return -1;
    context().documents().clipboard().putText(model::copyText(*story, selected));
    story->erase(selected.start, selected.end);
    story->select(selected.start, selected.start);
    return 0;
}

/// Puts the clipboard's text in place of the selection; the insertion point follows the pasted text.
int32_t pasteText(model::Layout& layout, const model::TextSnapshot& text)
{
    model::Story* story = editedStory(layout);
    if (!story)
        return -1;
    const model::TextRange selected = story->selection();
    story->erase(selected.start, selected.end);
    const model::TextRange pasted = model::insertText(*story, selected.start, text);
    story->select(pasted.end, pasted.end);
    return 0;
}

/// The pasted items keep their place on the page: they move by the difference of the page origins.
int32_t paste(model::Layout& layout)
{
    const model::Clipboard& clipboard = context().documents().clipboard();
    if (clipboard.empty() || layout.pageCount() == 0)
        return -1;
    const model::PageSlot target = model::currentSlot(layout);
    const int32_t pageRef = model::refOf(layout, target);
    const xt::PlaceRecord place = model::placeOf(layout, target);
    const xt::Fixed dv = place.pageTop - clipboard.pageOrigin().v;
    const xt::Fixed dh = place.pageLeft - clipboard.pageOrigin().h;
    std::vector<int32_t> pasted;
    for (const model::ItemSnapshot& snapshot : clipboard.items()) {
        const int32_t ref = model::rebuild(layout.items(), layout.stories(), snapshot, pageRef, dv, dh);
        if (ref != 0)
            pasted.push_back(ref);
    }
    layout.items().selectItems(pasted);
    return pasted.empty() ? -1 : 0;
}

int32_t duplicate(model::Layout& layout)
{
    const std::vector<Copied> copies = copySelection(layout);
    if (copies.empty())
        return -1;
    const model::StepRepeatOffsets offsets = context().documents().stepRepeatOffsets();
    std::vector<int32_t> made;
    for (const Copied& copied : copies) {
        const int32_t ref = model::rebuild(layout.items(), layout.stories(), copied.snapshot, copied.pageRef,
            offsets.vertical, offsets.horizontal);
        if (ref != 0)
            made.push_back(ref);
    }
    layout.items().selectItems(made);
    return made.empty() ? -1 : 0;
}

} // namespace

std::optional<int32_t> runClipboardCommand(model::Layout& layout, int32_t command)
{
    if (command == kCut)
        return cutText(layout);
    if (command == kCopy)
        return copy(layout);
    const auto& text = context().documents().clipboard().text();
    if (command == kPaste && text)
        return pasteText(layout, *text);
    if (command == kPaste)
        return paste(layout);
    if (command == kDuplicate)
        return duplicate(layout);
    return std::nullopt;
}

} // namespace host::api
