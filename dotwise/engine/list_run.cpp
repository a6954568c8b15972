// Finding the selected paragraphs and finishing an action: the range selected and the layout redrawn.
#include "dotwise/engine/list_run.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "foundation/binding/binding.h"
#include "xtapi/text_records.h"

namespace dotwise {
namespace {

constexpr int32_t kShowSelection = 1;

/// Characters are read in blocks while looking for the paragraph ends around the selection, so that an
/// action on a few paragraphs of a long story reads only those.
constexpr int32_t kReadBlock = 512;

/// [start, end) of the story; empty when it cannot be read.
std::optional<std::u16string> readChars(int32_t story, int32_t start, int32_t end)
{
    if (end <= start)
        return std::u16string();
    std::vector<uint16_t> buffer(static_cast<size_t>(end - start));
    if (xt::calls::GetTextChars(story, start, end - start, buffer.data()) != 0)
        return std::nullopt;
    return std::u16string(buffer.begin(), buffer.end());
}

/// The start of the paragraph holding `position`: after the nearest break before it.
std::optional<int32_t> paragraphStart(int32_t story, int32_t position)
{
    for (int32_t blockEnd = position; blockEnd > 0; blockEnd -= kReadBlock) {
        const int32_t blockStart = std::max(blockEnd - kReadBlock, 0);
        const auto chars = readChars(story, blockStart, blockEnd);
        if (!chars)
            return std::nullopt;
        for (int32_t i = blockEnd - 1; i >= blockStart; --i) {
            if (xt::isParagraphEnd((*chars)[static_cast<size_t>(i - blockStart)]))
                return i + 1;
        }
    }
    return 0;
}

/// One past the break that ends the paragraph holding `position`, or the story's end.
std::optional<int32_t> paragraphEnd(int32_t story, int32_t position, int32_t length)
{
    for (int32_t blockStart = position; blockStart < length; blockStart += kReadBlock) {
        const int32_t blockEnd = std::min(blockStart + kReadBlock, length);
        const auto chars = readChars(story, blockStart, blockEnd);
        if (!chars)
            return std::nullopt;
        for (int32_t i = blockStart; i < blockEnd; ++i) {
            if (xt::isParagraphEnd((*chars)[static_cast<size_t>(i - blockStart)]))
                return i + 1;
        }
    }
    return length;
}

} // namespace

bool ListRun::findSelectedParagraphs(int32_t selectionStart, int32_t selectionEnd, int32_t length)
{
    selectionStart = std::clamp(selectionStart, 0, length);
    selectionEnd = std::clamp(selectionEnd, selectionStart, length);
    // A caret on a paragraph's break belongs to that paragraph, so the walk back starts before it.
    const auto start0 = paragraphStart(m_story, selectionStart);
    const auto end0 = paragraphEnd(m_story, std::max(selectionEnd - 1, selectionStart), length);
    const auto chars = start0 && end0 ? readChars(m_story, *start0, *end0) : std::nullopt;
    if (!chars)
        return false;
    m_rangeStart = *start0;
    m_rangeEnd = *end0;
    const std::u16string& text = *chars;
    m_paragraphs.clear();
    int32_t start = m_rangeStart;
    for (int32_t i = m_rangeStart; i < m_rangeEnd; ++i) {
        const bool last = i == m_rangeEnd - 1;
        const bool isBreak = xt::isParagraphEnd(text[static_cast<size_t>(i - m_rangeStart)]);
        if (!isBreak && !last)
            continue;
        const int32_t end = isBreak ? i : i + 1;
        m_paragraphs.push_back({start, text.substr(static_cast<size_t>(start - m_rangeStart), static_cast<size_t>(end - start))});
        start = i + 1;
    }
    return true;
}

ListParagraph& ListRun::walkTo(size_t index)
{
    if (index == 0)
        m_shift = 0;
    m_paragraphs[index].start += m_shift;
    return m_paragraphs[index];
}

void ListRun::finish()
{
    int32_t length = 0;
    if (xt::calls::GetBoxTextInfo(0, nullptr, nullptr, nullptr, &length) == 0)
        m_rangeEnd = std::min(m_rangeEnd, length);
    m_failures.check(xt::calls::SetTextSelection(m_story, m_rangeStart, m_rangeEnd, kShowSelection));
    xt::calls::StoryOp1376(m_story, 0);
    int16_t documentId = -1;
    xt::calls::GetCurrentDocument(&documentId);
    const xt::DocumentRef document = xt::calls::GetDocumentRef(documentId);
    xt::WindowRef window = 0;
    int32_t value = 0;
    if (xt::calls::GetDocumentWindow(document, &window) == 0 && xt::calls::GetWindowValue3563(window, &value) == 0)
        xt::calls::DocumentOp870(document, value);
    m_failures.report();
}

} // namespace dotwise
