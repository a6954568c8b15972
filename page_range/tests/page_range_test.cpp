// The typed page list read against small layouts: plain numbers, section names, and every refusal.
#include "page_range/page_range.h"

#include <gtest/gtest.h>

#include <string>

namespace page_range {
namespace {

struct Case {
    const char* text;
    Numbering numbering;
    PageNumbers pages;        // expected when accepted
    std::optional<ParseError> error;
};

constexpr auto Seq = Numbering::Sequence;
constexpr auto Sec = Numbering::Section;

// A layout of nine pages in three sections: roman front matter, a chapter prefixed "A-", and a last
// section that goes on from 5. Page 9 and page 5's name differ from their sequence numbers on purpose.
NamedPages sectionedLayout()
{
    return NamedPages({"i", "ii", "iii", "iv", "A-1", "A-2", "A-3", "5", "6"});
}

PageNumbers upTo(int count)
{
    PageNumbers pages;
    for (int page = 1; page <= count; ++page)
        pages.push_back(page);
    return pages;
}

void expectCase(const Case& c, const PageDirectory& layout)
{
    SCOPED_TRACE(std::string("text \"") + c.text + "\"");
    const auto result = parsePageRange(c.text, c.numbering, layout);
    if (c.error) {
        ASSERT_TRUE(std::holds_alternative<Refusal>(result));
        EXPECT_EQ(std::get<Refusal>(result).error, *c.error) << std::get<Refusal>(result).message;
        EXPECT_FALSE(std::get<Refusal>(result).message.empty());
        return;
    }
    ASSERT_TRUE(std::holds_alternative<PageNumbers>(result)) << std::get<Refusal>(result).message;
    EXPECT_EQ(std::get<PageNumbers>(result), c.pages);
}

TEST(PageRangeTest, SequenceNumbersOnAFourPageLayout)
{
    const auto layout = NamedPages::numbered(4);
    const Case cases[] = {
        {"All", Seq, {1, 2, 3, 4}, {}},
        {"all", Seq, {1, 2, 3, 4}, {}},
        {"ALL", Seq, {1, 2, 3, 4}, {}},
        {"1, All", Seq, {1, 2, 3, 4}, {}},           // "All" anywhere in the list wins
        {"aLL", Seq, {}, ParseError::NotANumber},      // only the three spellings mean every page
        {"1,3 4", Seq, {1, 3, 4}, {}},
        {"1,3 2-4", Seq, {1, 3, 2, 3, 4}, {}},        // order as typed, ranges ascending
        {" ,,2-2,, ", Seq, {2}, {}},                   // runs of separators are one break
        {"4-1", Seq, {}, ParseError::Reversed},
        {"3-", Seq, {}, ParseError::MissingSide},
        {"-3", Seq, {}, ParseError::MissingSide},
        {"-", Seq, {}, ParseError::MissingSide},
        {"5", Seq, {}, ParseError::NoSuchPage},        // beyond the last page
        {"2-5", Seq, {}, ParseError::NoSuchPage},      // a range running past the end
        {"0", Seq, {}, ParseError::NoSuchPage},
        {"99999999999999999999", Seq, {}, ParseError::NoSuchPage}, // no overflow into a small number
        {"", Seq, {}, ParseError::Empty},
        {",", Seq, {}, ParseError::Empty},
        {"1 x", Seq, {}, ParseError::NotANumber},      // one bad entry refuses the whole list
        {"1-2-3", Seq, {}, ParseError::NotANumber},
    };
    for (const Case& c : cases)
        expectCase(c, layout);
}

TEST(PageRangeTest, SectionNamesAsTheLayoutShowsThem)
{
    const auto layout = sectionedLayout();
    const Case cases[] = {
        {"iv", Sec, {4}, {}},
        {"IV", Sec, {4}, {}},                          // typed in the other case
        {"A-2", Sec, {6}, {}},                         // a hyphen inside a name is not a range
        {"A-1-A-3", Sec, {5, 6, 7}, {}},
        {"ii-A-1", Sec, {2, 3, 4, 5}, {}},             // across a section break
        {"5 6", Sec, {8, 9}, {}},                      // names, not sequence numbers
        {"All", Sec, upTo(9), {}},
        {"1", Sec, {}, ParseError::NoSuchPage},        // no page is named 1
        {"A-3-A-1", Sec, {}, ParseError::Reversed},
        {"A-", Sec, {}, ParseError::MissingSide},
        {"A-9", Sec, {}, ParseError::NoSuchPage},
        {"5 6", Seq, {5, 6}, {}},                      // the same text by sequence number
        {"A-2", Seq, {}, ParseError::NotANumber},
    };
    for (const Case& c : cases)
        expectCase(c, layout);
}

TEST(PageRangeTest, RepeatedNamesFindTheFirstPage)
{
    // Two sections that both restart at 1.
    const NamedPages layout({"1", "2", "1", "2"});
    expectCase({"1-2", Sec, {1, 2}, {}}, layout);
    expectCase({"2", Sec, {2}, {}}, layout);
}

TEST(PageRangeTest, AtMost499PagesInOneList)
{
    const auto layout = NamedPages::numbered(700);
    std::string six_hundred;
    for (int page = 1; page <= 600; ++page)
        six_hundred += std::to_string(page) + " ";
    std::string four_ninety_nine;
    for (int page = 1; page <= 499; ++page)
        four_ninety_nine += std::to_string(page) + ",";
    const Case cases[] = {
        {six_hundred.c_str(), Seq, {}, ParseError::TooManyPages},
        {four_ninety_nine.c_str(), Seq, upTo(499), {}},
        {"1-600", Seq, {}, ParseError::TooManyPages},
        {"1-499", Seq, upTo(499), {}},
        {"1-499 500", Seq, {}, ParseError::TooManyPages},
        {"All", Seq, upTo(700), {}},                   // every page is not a typed list
    };
    for (const Case& c : cases)
        expectCase(c, layout);
}

TEST(PageRangeTest, MessagesNameTheEntryAtFault)
{
    const auto layout = NamedPages::numbered(4);
    const auto message = [&](const char* text) {
        return std::get<Refusal>(parsePageRange(text, Seq, layout)).message;
    };
    EXPECT_EQ(message("1 9"), "There is no page 9: the layout has 4 pages.");
    EXPECT_EQ(message("3-"), "The range \"3-\" needs a page on both sides of the hyphen.");
    EXPECT_EQ(message("4-2"), "The range \"4-2\" runs backwards: type the lower page first.");
    EXPECT_EQ(message(""), "Type the pages to use: for example 1, 3-5 or All.");
    EXPECT_EQ(std::get<Refusal>(parsePageRange("B-1", Sec, sectionedLayout())).message,
              "No page of the layout is named \"B-1\".");
}

TEST(PageRangeTest, ALayoutWithoutPagesRefusesEveryList)
{
    const NamedPages empty({});
    expectCase({"All", Seq, {}, ParseError::NoPages}, empty);
    expectCase({"1", Sec, {}, ParseError::NoPages}, empty);
}

} // namespace
} // namespace page_range
