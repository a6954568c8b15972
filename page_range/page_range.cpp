// Reading a typed page list against a layout's pages: tokens, single pages, ranges, and the refusals.
#include "page_range/page_range.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <unordered_map>

namespace page_range {
namespace {

constexpr std::string_view kEveryPageWords[] = {"All", "all", "ALL"};

bool isSeparator(char c) { return c == ' ' || c == ',' || c == '\t' || c == '\r' || c == '\n'; }

std::vector<std::string_view> splitEntries(std::string_view text)
{
    std::vector<std::string_view> entries;
    size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && isSeparator(text[at]))
            ++at;
        size_t end = at;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        if (end > at)
            entries.push_back(text.substr(at, end - at));
        at = end;
    }
    return entries;
}

bool isEveryPageWord(std::string_view entry)
{
    return std::ranges::find(kEveryPageWords, entry) != std::end(kEveryPageWords);
}

std::string lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string quoted(std::string_view entry) { return "\"" + std::string(entry) + "\""; }

Refusal refusal(ParseError error, std::string message) { return Refusal{error, std::move(message)}; }

/// One entry resolved to a page, or why not.
using Resolved = std::variant<int, Refusal>;

/// Finds pages by what the user typed: a name as the layout shows it (exact, then ignoring case) or a
/// sequence number. The name tables are built once per parse, and only when a name is looked up.
class PageFinder {
public:
    PageFinder(Numbering numbering, const PageDirectory& pages)
        : m_numbering(numbering), m_pages(pages), m_count(pages.pageCount())
    {
    }

    int count() const { return m_count; }
    bool bySectionName() const { return m_numbering == Numbering::Section; }

    Resolved find(std::string_view entry)
    {
        if (m_numbering == Numbering::Sequence)
            return bySequence(entry);
        if (const auto page = byName(entry))
            return *page;
        return refusal(ParseError::NoSuchPage, "No page of the layout is named " + quoted(entry) + ".");
    }

    /// True when the whole entry is a page name, hyphen included ("A-3" in a section prefixed "A-").
    bool isName(std::string_view entry)
    {
        return m_numbering == Numbering::Section && byName(entry).has_value();
    }

private:
    Resolved bySequence(std::string_view entry) const
    {
        const bool digits = !entry.empty() && std::ranges::all_of(entry, [](char c) { return c >= '0' && c <= '9'; });
        if (!digits)
            return refusal(ParseError::NotANumber, quoted(entry) + " is not a page number.");
        int number = 0;
        const auto [end, status] = std::from_chars(entry.data(), entry.data() + entry.size(), number);
        if (status != std::errc() || number > m_count)
            return refusal(ParseError::NoSuchPage, "There is no page " + std::string(entry) + ": the layout has "
                                                       + std::to_string(m_count) + (m_count == 1 ? " page." : " pages."));
        if (number < 1)
            return refusal(ParseError::NoSuchPage, "There is no page " + std::string(entry) + ": pages count from 1.");
        return number;
    }

    std::optional<int> byName(std::string_view entry)
    {
        buildNameTables();
        if (const auto exact = m_byName.find(std::string(entry)); exact != m_byName.end())
            return exact->second;
        if (const auto folded = m_byLoweredName.find(lowered(entry)); folded != m_byLoweredName.end())
            return folded->second;
        return std::nullopt;
    }

    void buildNameTables()
    {
        if (m_tablesBuilt)
            return;
        m_tablesBuilt = true;
        // Two sections may both restart at 1; the first page of a name is the one the layout finds.
        for (int page = 1; page <= m_count; ++page) {
            std::string name = m_pages.pageName(page);
            m_byLoweredName.try_emplace(lowered(name), page);
            m_byName.try_emplace(std::move(name), page);
        }
    }

    Numbering m_numbering;
    const PageDirectory& m_pages;
    int m_count;
    bool m_tablesBuilt = false;
    std::unordered_map<std::string, int> m_byName;
    std::unordered_map<std::string, int> m_byLoweredName;
};

struct Range {
    int first;
    int last;
};
using ResolvedRange = std::variant<Range, Refusal>;

/// A hyphenated entry: page names may hold hyphens themselves ("A-3-A-5"), so every hyphen is tried as
/// the joint and the first one with a page on each side wins. When none does, the message names the
/// side that failed beside one that was found, else the entry as a whole.
ResolvedRange findRange(std::string_view entry, PageFinder& finder)
{
    if (entry.front() == '-' || entry.back() == '-')
        return refusal(ParseError::MissingSide, "The range " + quoted(entry) + " needs a page on both sides of the hyphen.");
    std::optional<Refusal> firstRefusal;
    std::optional<Refusal> besideAFoundPage;
    for (size_t joint = entry.find('-'); joint != std::string_view::npos; joint = entry.find('-', joint + 1)) {
        const auto first = finder.find(entry.substr(0, joint));
        const auto last = finder.find(entry.substr(joint + 1));
        const bool firstFound = std::holds_alternative<int>(first);
        const bool lastFound = std::holds_alternative<int>(last);
        if (firstFound && lastFound)
            return Range{std::get<int>(first), std::get<int>(last)};
        const Refusal& refused = std::get<Refusal>(firstFound ? last : first);
        if (!firstRefusal)
            firstRefusal = refused;
        if ((firstFound || lastFound) && !besideAFoundPage)
            besideAFoundPage = refused;
    }
    if (besideAFoundPage)
        return *besideAFoundPage;
    if (finder.bySectionName())
        return refusal(ParseError::NoSuchPage, "No page of the layout is named " + quoted(entry) + ".");
    return *firstRefusal;
}

Refusal tooMany()
{
    return refusal(ParseError::TooManyPages, "The list names more than " + std::to_string(kMaxEntries)
                                                 + " pages: use at most " + std::to_string(kMaxEntries) + " at a time.");
}

PageNumbers everyPage(int count)
{
    PageNumbers pages(static_cast<size_t>(count));
    for (int page = 1; page <= count; ++page)
        pages[static_cast<size_t>(page - 1)] = page;
    return pages;
}

} // namespace

NamedPages NamedPages::numbered(int count)
{
    std::vector<std::string> names;
    for (int page = 1; page <= count; ++page)
        names.push_back(std::to_string(page));
    return NamedPages(std::move(names));
}

std::string NamedPages::pageName(int sequence) const
{
    if (sequence < 1 || sequence > pageCount())
        return {};
    return m_names[static_cast<size_t>(sequence - 1)];
}

std::variant<PageNumbers, Refusal> parsePageRange(std::string_view text, Numbering numbering, const PageDirectory& pages)
{
    PageFinder finder(numbering, pages);
    if (finder.count() < 1)
        return refusal(ParseError::NoPages, "The layout has no pages.");
    const auto entries = splitEntries(text);
    if (entries.empty())
        return refusal(ParseError::Empty, "Type the pages to use: for example 1, 3-5 or All.");
    if (std::ranges::any_of(entries, isEveryPageWord))
        return everyPage(finder.count());

    PageNumbers result;
    for (const std::string_view entry : entries) {
        if (entry.find('-') == std::string_view::npos || finder.isName(entry)) {
            const auto page = finder.find(entry);
            if (const auto* refused = std::get_if<Refusal>(&page))
                return *refused;
            if (result.size() == kMaxEntries)
                return tooMany();
            result.push_back(std::get<int>(page));
            continue;
        }
        const auto range = findRange(entry, finder);
        if (const auto* refused = std::get_if<Refusal>(&range))
            return *refused;
        const auto [first, last] = std::get<Range>(range);
        if (last < first)
            return refusal(ParseError::Reversed, "The range " + quoted(entry) + " runs backwards: type the lower page first.");
        if (static_cast<size_t>(last - first) + 1 > kMaxEntries - result.size())
            return tooMany();
        for (int page = first; page <= last; ++page)
            result.push_back(page);
    }
    return result;
}

} // namespace page_range
