// Reading a story's runs into undo run nodes.
#include "amplex/undo/text_runs_record.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"

namespace amplex {
namespace {

constexpr int32_t kContentTool = 1;

/// The runs as the host lists them: (style, length) pairs from the story's start.
template <class ListRuns>
std::vector<xt::RunEntry> runsOf(int32_t story, ListRuns listRuns)
{
    std::vector<xt::RunEntry> runs;
    xt::Handle list = xt::calls::NewHandle(0);
    if (!list)
        return runs;
    int32_t count = 0;
    const bool given = foundation::watched(listRuns(story, &count, &list)) == 0 && count > 0 && *list;
    const int32_t size = given ? xt::calls::GetHandleSize(list) : 0;
    if (size < 0)
        foundation::noteHostFailure();
    const bool listed = given && size >= count * static_cast<int32_t>(sizeof(xt::RunEntry));
    if (listed) {
        count = std::min<int32_t>(count, std::numeric_limits<int16_t>::max());
        runs.resize(static_cast<size_t>(count));
        std::memcpy(runs.data(), *list, runs.size() * sizeof(xt::RunEntry));
    }
    xt::calls::DisposeHandle(list);
    return runs;
}

template <class Node>
Node* newNode(int32_t start, int32_t end)
{
    auto* node = reinterpret_cast<Node*>(xt::calls::NewPointer(static_cast<int32_t>(sizeof(Node))));
    if (!node)
        return nullptr;
    std::memset(static_cast<void*>(node), 0, sizeof(Node));
    node->start = start;
    node->end = end;
    return node;
}

/// Reads the run's attributes into the node; false when the host gave none, so that undo never
/// writes a blank record over the run.
bool readCharacterRun(int32_t story, CharRunNode& node)
{
    // Unselected, the read would give the attributes of the run selected before.
    if (xt::calls::SetTextSelection(story, node.start, node.end, 0) != 0)
        return false;
    // With a record the read answers a status; its other answers are values, so the binding notes none.
    return foundation::watched(xt::calls::GetTextValue691(story, xt::kCharAttributes, &node.attributes, 0)) == 0;
}

bool readParagraphRun(int32_t story, ParaRunNode& node)
{
    xt::Fixed value = 0;
    if (xt::calls::GetTextRunAttribute(story, node.start, node.end, xt::kParaAttributes, &node.attributes, &value) != 0)
        return false;
    const int32_t tabReference = node.attributes.tabReference;
    int32_t context = 0;
    if (tabReference != 0 && xt::calls::GetStoryTabContext(story, &context) == 0) {
        xt::TabList tabs{};
        if (foundation::watched(xt::calls::GetTabList(context, tabReference, &tabs)) == 0) {
            node.tabs = tabs;
            node.hasTabs = 1;
        }
    }
    return true;
}

/// Builds the list of nodes, one per run, in story order; stops early when memory runs out and
/// leaves out a run the host could not read.
template <class Node, class ReadRun>
Node* buildList(int32_t story, const std::vector<xt::RunEntry>& runs, ReadRun readRun, int16_t& count)
{
    Node* head = nullptr;
    Node** link = &head;
    int32_t start = 0;
    count = 0;
    for (const xt::RunEntry& run : runs) {
        Node* node = newNode<Node>(start, start + run.length);
        if (!node)
            break;
        start += run.length;
        if (!readRun(story, *node)) {
            xt::calls::DisposePointer(node);
            continue;
        }
        *link = node;
        link = &node->next;
        ++count;
    }
    return head;
}

} // namespace

void recordTextRuns(int32_t box, UndoEntry& entry)
{
    int32_t rememberedBox = 0;
    xt::calls::GetCurrentBox(&rememberedBox);
    const int32_t rememberedTool = xt::calls::GetCurrentTool();
    xt::calls::SetCurrentBox(box);
    xt::calls::SetCurrentTool(kContentTool);

    int32_t story = 0;
    int32_t selectionStart = 0;
    int32_t selectionEnd = 0;
    // The caller records text items only, so a box without a story is the host failing.
    if (xt::calls::GetBoxTextInfo(box, &story, &selectionStart, &selectionEnd, nullptr) == 0 && story != 0) {
        const auto characterRuns = runsOf(story, xt::calls::TextOp3095);
        const auto paragraphRuns = runsOf(story, xt::calls::TextOp3096);
        entry.charRuns = buildList<CharRunNode>(story, characterRuns, readCharacterRun, entry.charRunCount);
        entry.paraRuns = buildList<ParaRunNode>(story, paragraphRuns, readParagraphRun, entry.paraRunCount);
        // Reading a run's attributes selects it; the user's selection comes back.
        xt::calls::SetTextSelection(story, selectionStart, selectionEnd, 0);
        entry.selectionStart = selectionStart;
        entry.selectionEnd = selectionEnd;
    }

    xt::calls::SetCurrentBox(rememberedBox);
    xt::calls::SetCurrentTool(rememberedTool);
}

} // namespace amplex
