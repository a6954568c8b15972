// Finding the selected paragraphs and finishing an action: the range selected and the layout redrawn.
#include "dotwise/engine/list_run.h"

#include <algorithm>
#include <vector>

#include "foundation/binding.h"
#include "xtapi/text_records.h"

namespace dotwise {
namespace {

constexpr int32_t kShowSelection = 1;

/// The story's characters, read in one call; empty when it cannot be read.
std::u16string readStory(int32_t story, int32_t length)
{
    if (length <= 0)
        return {};
    std::vector<uint16_t> buffer(static_cast<size_t>(length));
    if (xt::calls::GetTextChars(story, 0, length, buffer.data()) != 0)
        return {};
    return std::u16string(buffer.begin(), buffer.end());
}

/// The start of the paragraph holding `position`: after the nearest break before it.
int32_t paragraphStart(const std::u16string& text, int32_t position)
{
    for (int32_t i = position - 1; i >= 0; --i) {
        if (xt::isParagraphEnd(text[static_cast<size_t>(i)]))
            return i + 1;
    }
    return 0;
}

/// One past the break that ends the paragraph holding `position`, or the story's end.
int32_t paragraphEnd(const std::u16string& text, int32_t position)
{
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t i = std::max(position, 0); i < length; ++i) {
        if (xt::isParagraphEnd(text[static_cast<size_t>(i)]))
            return i + 1;
    }
    return length;
}

} // namespace

bool ListRun::findSelectedParagraphs(int32_t selectionStart, int32_t selectionEnd, int32_t length)
{
    const std::u16string text = readStory(m_story, length);
    if (static_cast<int32_t>(text.size()) != length)
        return false;
    selectionStart = std::clamp(selectionStart, 0, length);
    selectionEnd = std::clamp(selectionEnd, selectionStart, length);
    // A caret on a paragraph's break belongs to that paragraph, so the walk back starts before it.
    m_rangeStart = paragraphStart(text, selectionStart);
    m_rangeEnd = paragraphEnd(text, std::max(selectionEnd - 1, selectionStart));
    m_paragraphs.clear();
    int32_t start = m_rangeStart;
    for (int32_t i = m_rangeStart; i < m_rangeEnd; ++i) {
        const bool last = i == m_rangeEnd - 1;
        const bool isBreak = xt::isParagraphEnd(text[static_cast<size_t>(i)]);
        if (!isBreak && !last)
            continue;
        const int32_t end = isBreak ? i : i + 1;
        m_paragraphs.push_back({start, text.substr(static_cast<size_t>(start), static_cast<size_t>(end - start))});
        start = i + 1;
    }
    return true;
}

void ListRun::moveLaterParagraphs(size_t index, int32_t delta)
{
    for (size_t i = index + 1; i < m_paragraphs.size(); ++i)
        m_paragraphs[i].start += delta;
    m_rangeEnd += delta;
}

void ListRun::finish()
{
    int32_t length = 0;
    if (xt::calls::GetBoxTextInfo(0, nullptr, nullptr, nullptr, &length) == 0)
        m_rangeEnd = std::min(m_rangeEnd, length);
    m_failures.check(xt::calls::SetTextSelection(m_story, m_rangeStart, m_rangeEnd, kShowSelection));
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
