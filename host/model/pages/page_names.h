// Page names as the layout shows them ("A-3", "iv") and the page a typed name stands for.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "host/model/document_model.h"

namespace host::model {

/// The section a document page belongs to and its number in it; pages before any section start
/// count from 1 in arabic digits.
struct PageNumbering {
    size_t firstPage = 0; // index of the page that starts the section
    SectionStart section;
    int32_t number = 1;
};
PageNumbering numberingOf(const Layout& layout, size_t pageIndex);

/// A document page's name: its section's prefix and its number in the section's format.
std::string pageName(const Layout& layout, size_t pageIndex);
/// A master page's name: the letter of its spread and "-Master" ("A-Master", "B-Master").
std::string masterName(const Layout& layout, size_t masterIndex);

/// The first document page with this name. A name that matches no page exactly is compared without
/// regard to case ("a-3" finds "A-3"), so long as only one page then matches.
std::optional<size_t> pageNamed(const Layout& layout, std::string_view name);

} // namespace host::model
