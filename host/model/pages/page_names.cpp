// Page names from sections, and pages found by name.
#include "host/model/pages/page_names.h"

#include <cctype>

namespace host::model {
namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

} // namespace

PageNumbering numberingOf(const Layout& layout, size_t pageIndex)
{
    for (size_t i = pageIndex + 1; i-- > 0;) {
        if (const SectionStart* start = layout.sections().at(layout.page(i).ref()))
            return {i, *start, start->start + static_cast<int32_t>(pageIndex - i)};
    }
    return {0, SectionStart{}, static_cast<int32_t>(pageIndex + 1)};
}

std::string pageName(const Layout& layout, size_t pageIndex)
{
    const PageNumbering numbering = numberingOf(layout, pageIndex);
    return numbering.section.prefix + formatPageNumber(numbering.number, numbering.section.format);
}

std::string masterName(const Layout& layout, size_t masterIndex)
{
    const size_t spread = masterIndex / layout.masters().pagesPerSpread();
    return formatPageNumber(static_cast<int32_t>(spread + 1), NumberFormat::UpperLetters) + "-Master";
}

std::optional<size_t> pageNamed(const Layout& layout, std::string_view name)
{
    std::optional<size_t> loose;
    size_t looseCount = 0;
    for (size_t i = 0; i < layout.pageCount(); ++i) {
        const std::string own = pageName(layout, i);
        if (own == name)
            return i;
        if (sameIgnoringCase(own, name) && looseCount++ == 0)
            loose = i;
    }
    return looseCount == 1 ? loose : std::nullopt;
}

} // namespace host::model
