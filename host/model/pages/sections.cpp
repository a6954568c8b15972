// Section starts of a layout.
#include "host/model/pages/sections.h"

#include <algorithm>

namespace host::model {

bool isValidSection(const SectionStart& section)
{
    const bool printable = std::all_of(section.prefix.begin(), section.prefix.end(),
        [](char c) { return static_cast<unsigned char>(c) >= 0x20 && c != 0x7F; });
    return printable && section.prefix.size() <= kMaxSectionPrefix && section.start >= 1
        && section.start <= kMaxSectionStart && numberFormatOf(static_cast<int32_t>(section.format));
}

bool Sections::start(int32_t pageRef, const SectionStart& section)
{
    if (!isValidSection(section))
        return false;
    m_starts[pageRef] = section;
    return true;
}

const SectionStart* Sections::at(int32_t pageRef) const
{
    const auto found = m_starts.find(pageRef);
    return found == m_starts.end() ? nullptr : &found->second;
}

} // namespace host::model
