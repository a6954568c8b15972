// Cut and paste of story ranges by host command.
#include "threadix/engine/text_moves.h"

#include <algorithm>

#include "foundation/binding/binding.h"
#include "threadix/engine/box_facts.h"

namespace threadix {
namespace {

constexpr int32_t kCutText = 0xCC;
constexpr int32_t kPasteText = 0xCE;
constexpr int32_t kRunCommand = 1;

bool runCommand(int32_t command)
{
    return xt::calls::XmoOp832(kRunCommand) == 0 && xt::calls::XaqOp2966(command) == 0;
}

} // namespace

int32_t currentLength()
{
    const auto text = boxText(currentBox());
    return text ? text->length : 0;
}

bool cutFromCurrentBox(int32_t start, int32_t end)
{
    const auto text = boxText(currentBox());
    if (!text)
        return false;
    end = end == kStoryEnd ? text->length : std::min(end, text->length);
    start = std::clamp(start, 0, end);
    if (start == end)
        return false;
    if (xt::calls::SetTextSelection(text->story, start, end, 0) != 0)
        return false;
    return runCommand(kCutText);
}

bool pasteIntoCurrentBox(int32_t offset)
{
    const auto text = boxText(currentBox());
    if (!text)
        return false;
    offset = offset == kStoryEnd ? text->length : std::clamp(offset, 0, text->length);
    if (xt::calls::SetTextSelection(text->story, offset, offset, 0) != 0)
        return false;
    return runCommand(kPasteText);
}

void recompose()
{
    xt::calls::StoryMode1375(1);
}

} // namespace threadix
