// The page list a user types ("All", "1, 3 5-7", "A-3-A-5", "iv") read against a layout's pages.
// Shared by every plug-in that works on a page range; it needs no host header, so each plug-in links
// its own copy and hands it the layout's pages through PageDirectory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace page_range {

/// The most pages one list may name; a longer list is refused rather than cut short.
inline constexpr size_t kMaxEntries = 499;

/// How typed entries name pages: as the layout shows them (section prefix and numbering, "A-3", "iv")
/// or by absolute sequence number (1 is the layout's first page).
enum class Numbering { Section, Sequence };

/// The layout's pages as the parser sees them: how many there are and what each is called.
class PageDirectory {
public:
    virtual ~PageDirectory() = default;
    virtual int pageCount() const = 0;
    /// The name the layout shows for page `sequence` (1 .. pageCount()).
    virtual std::string pageName(int sequence) const = 0;
};

/// A directory over a list of names held in memory: page k is names[k - 1].
class NamedPages final : public PageDirectory {
public:
    explicit NamedPages(std::vector<std::string> names) : m_names(std::move(names)) {}
    /// Pages named "1" .. "count", as a layout with one plain section shows them.
    static NamedPages numbered(int count);
    int pageCount() const override { return static_cast<int>(m_names.size()); }
    std::string pageName(int sequence) const override;

private:
    std::vector<std::string> m_names;
};

enum class ParseError {
    Empty,          // nothing but spaces and commas
    MissingSide,    // "3-" or "-3"
    Reversed,       // "5-3"
    NotANumber,     // "x" while entries are sequence numbers
    NoSuchPage,     // 0, beyond the last page, or a name no page has
    TooManyPages,   // more than kMaxEntries pages in all
    NoPages,        // the layout has no page at all
};

struct Refusal {
    ParseError error;
    std::string message; ///< What the user is told, naming the entry at fault.
};

/// Page sequence numbers (1-based) in the order typed, ranges ascending, at most kMaxEntries.
using PageNumbers = std::vector<int>;

/// Reads `text` against the layout's pages. "All", "all" or "ALL" as an entry means every page;
/// otherwise entries are separated by spaces or commas, each a page or two pages joined by a hyphen.
/// A list that names a page the layout lacks, or is empty, reversed, one-sided or too long, is
/// refused whole with a message: a partial list would quietly work on other pages than the user meant.
std::variant<PageNumbers, Refusal> parsePageRange(std::string_view text, Numbering numbering,
                                                  const PageDirectory& pages);

} // namespace page_range
