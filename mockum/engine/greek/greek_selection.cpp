// Greeking the text selection of the current text box.
#include "foundation/binding/binding.h"
#include "mockum/engine/common/box_text.h"
#include "mockum/engine/common/document_view.h"
#include "mockum/engine/common/host_failures.h"
#include "mockum/engine/greek/greek_scopes.h"
#include "mockum/engine/greek/story_words.h"

namespace mockum {

void GreekSelection(const GreekSettings& settings)
{
    int32_t box = 0;
    xt::calls::GetCurrentBox(&box);
    const DocumentView view = readDocumentView();
    const int32_t tool = xt::calls::GetCurrentTool();
    if (tool < 0)
        noteHostFailure();
    const std::optional<BoxText> text = tool == kTextTool ? boxText(box) : std::nullopt;
    if (text) {
        xt::calls::SetCursorKind(-1);
        const StoryRange range{text->story, text->selectionStart, text->selectionEnd, text->length};
        const WordTest test{.needsFollowingCharacter = true, .greekAny = settings.greekAny, .threshold = settings.sizeThreshold};
        greekStoryRange(range, test);
        watched(xt::calls::SetTextSelection(text->story, text->selectionStart, text->selectionEnd, 1));
        xt::calls::StoryMode1375(1);
        xt::calls::StoryOp1376(text->story, 0);
        refreshDocument(view);
        xt::calls::SetCursorKind(0);
    }
    if (tool >= 0)
        watched(xt::calls::SetCurrentTool(tool));
    restoreDocumentView(view);
}

} // namespace mockum
