// Typed page lists of any bytes against a sectioned layout: a list is read or refused, never more than
// the cap unless it is every page, and every page number it gives lies on the layout.
#include "page_range/page_range.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const page_range::NamedPages layout({"i", "ii", "iii", "A-1", "A-2", "A-3", "1", "2", "1", "All-1"});
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const auto numbering : {page_range::Numbering::Section, page_range::Numbering::Sequence}) {
        const auto result = page_range::parsePageRange(text, numbering, layout);
        const auto* pages = std::get_if<page_range::PageNumbers>(&result);
        if (pages == nullptr)
            continue;
        if (pages->empty())
            std::abort();
        for (const int page : *pages)
            if (page < 1 || page > layout.pageCount())
                std::abort();
    }
    return 0;
}
