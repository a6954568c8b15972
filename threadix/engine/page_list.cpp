// The host's page count and page names for the page range reader.
#include "threadix/engine/page_list.h"

#include <algorithm>

#include "foundation/binding/binding.h"

namespace threadix {

int HostPages::pageCount() const
{
    int16_t count = 0;
    if (xt::calls::PageOp871(m_document, 0, &count) != 0)
        return 0;
    return std::max<int>(count, 0);
}

std::string HostPages::pageName(int sequence) const
{
    // The host counts page names past the master pages, as it counts page references.
    int16_t offset = 0;
    xt::calls::GetPageIndexOffset(m_document, &offset);
    xt::TextObject name = nullptr;
    if (xt::calls::PageOp4223(m_document, sequence + offset, &name) != 0 || !name)
        return std::to_string(sequence);
    const int32_t length = xt::calls::GetTextObjectLength(name);
    const char* chars = length > 0 ? xt::calls::GetTextObjectChars(name) : nullptr;
    std::string text = chars ? std::string(chars, static_cast<size_t>(length)) : std::to_string(sequence);
    xt::calls::DisposeTextObject(name);
    return text;
}

std::variant<std::vector<int>, std::string> pagesToRun(const std::string& text, bool bySectionNumber,
    bool unlinking, xt::DocumentRef document)
{
    const HostPages pages(document);
    auto parsed = page_range::parsePageRange(text,
        bySectionNumber ? page_range::Numbering::Section : page_range::Numbering::Sequence, pages);
    if (auto* refusal = std::get_if<page_range::Refusal>(&parsed))
        return refusal->message;
    std::vector<int> list = std::move(std::get<page_range::PageNumbers>(parsed));
    if (unlinking)
        std::reverse(list.begin(), list.end());
    return list;
}

} // namespace threadix
