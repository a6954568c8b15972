// Sections: a page that starts one gives its pages a prefix and numbers from a start in a format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "host/model/pages/page_numbering.h"

namespace host::model {

struct SectionStart {
    std::string prefix;
    int32_t start = 1;
    NumberFormat format = NumberFormat::Arabic;
    bool operator==(const SectionStart&) const = default;
};

/// A prefix is at most this many characters, as the host's section dialog allows.
inline constexpr size_t kMaxSectionPrefix = 4;
inline constexpr int32_t kMaxSectionStart = 9999;

/// True when the start can be stored: a short prefix without control characters, a start from 1.
bool isValidSection(const SectionStart& section);

/// The section starts of a layout, keyed by the reference of the page that starts each one, so that
/// adding or deleting pages before it moves the section with its page.
class Sections {
public:
    /// False, with nothing changed, for a start that isValidSection refuses.
    bool start(int32_t pageRef, const SectionStart& section);
    bool remove(int32_t pageRef) { return m_starts.erase(pageRef) != 0; }
    const SectionStart* at(int32_t pageRef) const;
    const std::map<int32_t, SectionStart>& starts() const { return m_starts; }
    void clear() { m_starts.clear(); }

private:
    std::map<int32_t, SectionStart> m_starts;
};

} // namespace host::model
