// The pages a page run works on: the typed page text read against the document's pages, and the names
// the progress box shows.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "page_range/page_range.h"
#include "xtapi/types.h"

namespace threadix {

/// The document's pages as the host names them.
class HostPages final : public page_range::PageDirectory {
public:
    explicit HostPages(xt::DocumentRef document) : m_document(document) {}
    int pageCount() const override;
    std::string pageName(int sequence) const override;

private:
    xt::DocumentRef m_document;
};

/// The pages of `text` in the order a run takes them: as typed for a relink, last first for an unlink
/// (so that text moved out of a chain never passes the pages still to come). A refusal carries the
/// message the user is shown.
std::variant<std::vector<int>, std::string> pagesToRun(const std::string& text, bool bySectionNumber,
    bool unlinking, xt::DocumentRef document);

} // namespace threadix
