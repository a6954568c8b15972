// The placeholder fill: insert the text at the story's start until the box is full or the text runs
// past it, then cut everything after the box's last line that fits.
#include "mockum/engine/fill/placeholder_fill.h"

#include <optional>
#include <string>
#include <vector>

#include "foundation/binding/binding.h"
#include "foundation/text/text_helpers.h"
#include "mockum/engine/common/box_text.h"
#include "mockum/engine/common/document_view.h"
#include "mockum/engine/common/host_failures.h"
#include "mockum/engine/fill/filler_resource.h"
#include "mockum/engine/fill/line_records.h"
#include "win32/windows.h"

namespace mockum {
namespace {

/// Enough copies of the text for any box a page holds; a host that never reports the box full
/// cannot keep the fill going for ever.
constexpr int32_t kMaxPasses = 200;
constexpr int32_t kUndoKindText = 24;
constexpr int32_t kRecompose = 2;
constexpr int32_t kComposeDone = 1;

bool mouseButtonDown()
{
    return GetAsyncKeyState(VK_LBUTTON) < 0;
}

/// Whether the text at a position lies past the filled box: after the text the box shows (in a later
/// box of its chain, or in no box). The box's text is one run of the story, so this changes once along
/// the story, which lets a search halve the positions.
class PastTheBox {
public:
    explicit PastTheBox(int32_t box) : m_box(box) {}

    /// Takes where the box's text begins now; false when the host cannot say.
    bool refresh()
    {
        const std::optional<int32_t> first = firstOffsetOf(m_box);
        m_first = first.value_or(0);
        return first.has_value();
    }

    bool operator()(int32_t position) const
    {
        if (position < m_first)
            return false;
        const int32_t holder = xt::calls::TextOp687(m_box, position, 1);
        if (holder < 0)
            noteHostFailure();
        return holder != m_box;
    }

    /// The first position of [0, length) past the box, or length when none is.
    int32_t firstPosition(int32_t length) const
    {
        int32_t low = 0;
        int32_t high = length;
        while (low < high) {
            const int32_t middle = low + (high - low) / 2;
            if ((*this)(middle))
                high = middle;
            else
                low = middle + 1;
        }
        return low;
    }

private:
    int32_t m_box;
    int32_t m_first = 0;
};

std::optional<FillOutcome> refusalBeforeFilling(int32_t box)
{
    if (!IsEmptyTextBox(box))
        return FillOutcome::NotAnEmptyTextBox;
    if (isLocked(box))
        return FillOutcome::Locked;
    const std::optional<std::vector<LineFacts>> lines = readLineRecords(box);
    if (!lines)
        return FillOutcome::Failed;
    if (lastLineOverflows(*lines))
        return FillOutcome::AlreadyOverflowing;
    return std::nullopt;
}

/// Inserts the text at the start until the box is full, the text passes it, the user holds the mouse
/// button down, or the passes run out. False when the host refused an insertion.
bool insertUntilFull(int32_t box, int32_t story, const std::u16string& filler, PastTheBox& pastTheBox)
{
    const std::vector<uint16_t> chars(filler.begin(), filler.end());
    for (int32_t pass = 0; pass < kMaxPasses; ++pass) {
        if (watched(xt::calls::InsertTextChars(story, 0, static_cast<int32_t>(chars.size()), chars.data(), 0)) != 0)
            return false;
        const std::optional<std::vector<LineFacts>> lines = readLineRecords(box);
        const std::optional<BoxText> text = boxText(box);
        if (!lines || !text || !pastTheBox.refresh())
            return false;
        if (mouseButtonDown())
            return true;
        xt::calls::StoryMode1375(kRecompose);
        if (lastLineOverflows(*lines) || pastTheBox(text->length - 1))
            return true;
    }
    return true;
}

FillOutcome fill(int32_t box, int16_t ownResourceFile, const DocumentView& view)
{
    const std::optional<std::u16string> filler = loadFillerText(ownResourceFile);
    if (!filler)
        return FillOutcome::MissingText;
    const std::optional<BoxText> empty = boxText(box);
    if (!empty)
        return FillOutcome::Failed;
    PastTheBox pastTheBox(box);
    const bool inserted = insertUntilFull(box, empty->story, *filler, pastTheBox);
    xt::calls::StoryMode1375(kComposeDone);
    const std::optional<BoxText> full = boxText(box);
    if (!full || !pastTheBox.refresh())
        return FillOutcome::Failed;
    // Cut back whatever was inserted, even after a refused insertion, so that no text overflows.
    const int32_t cut = pastTheBox.firstPosition(full->length);
    if (cut < full->length && watched(xt::calls::XhjOp3103(full->story, cut, full->length)) != 0)
        return FillOutcome::Failed;
    if (watched(xt::calls::SetTextSelection(full->story, 0, 0, 1)) != 0)
        return FillOutcome::Failed;
    refreshDocument(view);
    xt::calls::StoryMode1375(kComposeDone);
    restoreDocumentView(view);
    if (!inserted)
        return FillOutcome::Failed;
    return cut == 0 ? FillOutcome::NoLineFits : FillOutcome::Filled;
}

} // namespace

const char* fillRefusalText(FillOutcome outcome)
{
    switch (outcome) {
    case FillOutcome::Filled:
        return nullptr;
    case FillOutcome::NotAnEmptyTextBox:
        return "Mockum fills only an empty text box.";
    case FillOutcome::Locked:
        return "The text box is locked, so Mockum left it empty.";
    case FillOutcome::MissingText:
        return "Mockum's placeholder text is missing from its resources, so the box was left empty.";
    case FillOutcome::AlreadyOverflowing:
        return "The text box cannot show any text, so Mockum left it empty.";
    case FillOutcome::NoLineFits:
        return "Not one line of placeholder text fits in the text box, so Mockum left it empty.";
    case FillOutcome::Failed:
        return "Mockum could not fill the text box: the application refused a step.";
    }
    return nullptr;
}

FillOutcome FillPlaceholderText(int32_t box, int16_t ownResourceFile)
{
    const HostFailureWatch watch;
    FillOutcome outcome = refusalBeforeFilling(box).value_or(FillOutcome::Filled);
    if (outcome == FillOutcome::Filled) {
        const DocumentView view = readDocumentView();
        // The step opens only when text will change, so a refusal keeps the user's last Undo.
        xt::calls::UndoOp2953(kUndoKindText, 0);
        outcome = fill(box, ownResourceFile, view);
        xt::calls::UndoOp2954();
        if (outcome == FillOutcome::Filled && watch.failed())
            outcome = FillOutcome::Failed;
    }
    if (const char* refusal = fillRefusalText(outcome))
        foundation::WarningBox(refusal);
    return outcome;
}

} // namespace mockum
