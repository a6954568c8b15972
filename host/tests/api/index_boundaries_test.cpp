// Every host operation that takes an index (or a text position or a page number), called at the edges of
// what it indexes: one before the first, the last, one past the last (count) and one further. A refused
// call returns its failure and leaves what a user would see as it was.
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/model/document_json.h"
#include "host/model/pages/page_table.h"
#include "host/model/text/text_boxes.h"
#include "host/tests/pages_fixture.h"
#include "testing/test_document.h"
#include "testing/test_text.h"
#include "xtapi/colour_records.h"
#include "xtapi/components.h"
#include "xtapi/text_records.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

constexpr int32_t kList = 7;

/// The document and window every case starts from: a list of three rows with a column of cells, two
/// vertical guides on page 1 and one on page 2, two character and three paragraph style sheets, a
/// story of five characters, a table of two columns and three rows, the two document pages with one
/// master page, and a plug-in's swatch list of three colours.
class IndexBoundaryTest : public PagesTest {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        m_listWindow = &host().openWindow(xt::kFirstWindowId);
        m_listWindow->addItem(kList, host::ui::ItemKind::List).setRows({"A", "B", "C"});
        ASSERT_EQ(hostOp<xt::op::BeginWindowDrawing>()(m_listWindow->ref()), 0);
        ASSERT_EQ(hostOp<xt::op::ListOp1631>()(kList, 0, 20, 0, 0), 0);
        m_picture = hostOp<xt::op::NewPictureObject>()();
        ASSERT_GT(m_picture, 0);

        for (double position : {10.0, 20.0})
            layout().guides().add(*host::model::guideListOf(layout(), 1, xt::kGuidePageSet),
                host::model::GuideKind::Vertical, {pt(position), {}, 0, 0, 0, {}, 0});
        layout().guides().add(*host::model::guideListOf(layout(), 2, xt::kGuidePageSet), host::model::GuideKind::Vertical,
            {pt(30), {}, 0, 0, 0, {}, 0});

        for (const char* name : {"Caption", "Note"})
            layout().styleSheets().addCharacterStyle(host::model::characterStyleNamed(name));
        for (const char* name : {"Body", "Heading", "Quote"})
            layout().styleSheets().addParagraphStyle(host::model::paragraphStyleNamed(name));
        m_styles = hostOp<xt::op::StyleSheetOp3710>()(ref());
        m_paragraphStyles = hostOp<xt::op::GetStyleSheetCount>()(m_styles, xt::kParagraphStyle);

        m_box = addTextBox(layout(), 0, rect(0, 0, 100, 100)).ref();
        m_story = setText(layout(), m_box, "Hello").ref();
        m_table = addTable(layout(), 1, point(100, 50), {pt(20), pt(30)}, {pt(10), pt(12), pt(14)}).ref();

        m_swatches = hostOp<xt::op::ColorOp336>()();
        for (int s = 0; s < 3; ++s) {
            int16_t swatch = xt::kColourEnd;
            ASSERT_EQ(hostOp<xt::op::ColorOp350>()(m_swatches, xt::kNewColourEntry, &swatch), 0);
        }
    }

    /// How many spreads the window's pages make, counted as DocumentOp864 counts them.
    int32_t spreadCount()
    {
        int32_t count = 0;
        while (!host::model::slotsOfSpread(layout(), {layout().view().showsMasters(), static_cast<size_t>(count)}).empty())
            ++count;
        return count;
    }

    /// A new host with the same document and window, for the next call.
    void restart()
    {
        hostOp<xt::op::EndWindowDrawing>()();
        m_host.reset();
        SetUp();
    }

    /// What the user would see of everything the cases touch.
    std::string seen()
    {
        const host::ui::WindowItem& list = *m_listWindow->item(kList);
        std::string text = "rows:";
        for (size_t row = 0; row < list.rows().size(); ++row) {
            const auto index = static_cast<int32_t>(row);
            text += " " + list.rows()[row] + "=" + std::to_string(list.rowValue(index).value_or(-1));
            text += list.rowEnabled(index) ? "" : " (off)";
            text += list.cell(index, 0) ? " (cell)" : "";
        }
        text += " selected " + std::to_string(list.selection()) + "; guides:";
        for (const auto& guide : layout().guides().guides({xt::kGuidePageSet, layout().page(0).ref()}, host::model::GuideKind::Vertical))
            text += " " + std::to_string(guide.position() / xt::kFixedOne);
        const host::model::Story& story = *host::model::storyOfTextBox(layout(), m_box);
        text += "; text " + std::string(story.text().begin(), story.text().end());
        text += "; pages " + std::to_string(layout().pageCount()) + " current " + std::to_string(currentPageNumber());
        text += "; swatches:";
        for (int16_t swatch = 0; swatch < 3; ++swatch) {
            xt::ColourSwatch shown{};
            hostOp<xt::op::ColorOp363>()(m_swatches, swatch, xt::kFixedOne, &shown);
            text += " " + std::to_string(shown.red) + "/" + std::to_string(shown.green) + "/" + std::to_string(shown.blue);
        }
        // The document as saved holds the rest: every page, guide, sheet, section, item and text run.
        return text + "; saved " + host::model::documentToJson(*host().documents().projectOf(layout())).dump();
    }

    xt::TextObject text(const char* chars) { return hostOp<xt::op::NewTextObject>()(chars, 0, static_cast<int32_t>(std::strlen(chars))); }

    host::ui::Window* m_listWindow = nullptr;
    int32_t m_styles = 0;
    int32_t m_box = 0;
    int32_t m_story = 0;
    int32_t m_table = 0;
    int32_t m_picture = 0;
    int32_t m_paragraphStyles = 0;
    int32_t m_swatches = 0;
};

/// An operation and the edges of what it indexes. The host accepts the last index always and the one
/// past the end never; `acceptsBefore` and `acceptsCount` say what it does with the two in between.
struct IndexedOperation {
    const char* name;
    int32_t first;       // the first valid index
    int32_t count;       // how many valid indexes follow it
    bool acceptsBefore;  // first - 1
    bool acceptsCount;   // first + count
    std::function<int32_t(int32_t)> call;
};

template <class Op>
auto op()
{
    return hostOp<Op>();
}

TEST_F(IndexBoundaryTest, EachIndexedOperationAtTheEdgesOfItsList)
{
    int32_t cell = 0;
    int32_t style = 0;
    int32_t value = 0;
    uint16_t character = 0;
    xt::PlaceRecord place{};
    const xt::GuideEntry guide{pt(99), {}, 0, 0, 0, {}, 0};
    const uint16_t inserted[] = {'!'};
    const auto masters = static_cast<int32_t>(layout().masters().pageCount());
    const auto masterSpreads = static_cast<int32_t>(layout().masters().spreadCount());
    const int32_t spreads = spreadCount();
    const auto documentSpreads = static_cast<int32_t>(host::model::spreadCount(layout()));
    xt::GuideEntry entry{};
    int16_t count = 0;
    uint8_t flag = 0;
    int32_t item = 0;
    int16_t id = 0;
    xt::WindowRef shownWindow = 0;
    xt::ColourSwatch swatch{};
    uint16_t inks[4] = {};
    xt::ColourSpecification grey{};
    const uint16_t greyComponents[3] = {0x8000, 0x8000, 0x8000};
    ASSERT_EQ(hostOp<xt::op::XcdOp264>()(xt::kRgbColourModel, greyComponents, &grey), 0);
    const xt::TabEntry tab{0, 0, {0, 0}, 0, pt(30)};

    const IndexedOperation operations[] = {
        {"DeleteListItem", 0, 3, false, false, [&](int32_t i) { return op<xt::op::DeleteListItem>()(kList, i); }},
        // Inserting at the count adds a row after the last.
        {"InsertListItem", 0, 3, false, true, [&](int32_t i) { return op<xt::op::InsertListItem>()(kList, i, nullptr); }},
        {"SetListEntryText", 0, 3, false, false,
            [&](int32_t i) { return op<xt::op::SetListEntryText>()(kList, i, text("Z")); }},
        // -1 selects no row.
        {"SetListSelection", 0, 3, true, false, [&](int32_t i) { return op<xt::op::SetListSelection>()(kList, i); }},
        {"SetListEntryValue", 0, 3, false, false, [&](int32_t i) { return op<xt::op::SetListEntryValue>()(kList, i, 9); }},
        {"ListOp1615", 0, 3, false, false,
            [&](int32_t i) { return op<xt::op::ListOp1615>()(kList, i, 4, &value, nullptr); }},
        // GuideOp2630 replaces a guide; it never adds one, so one past the end is refused.
        {"GuideOp2630", 0, 2, false, false,
            [&](int32_t i) { return op<xt::op::GuideOp2630>()(ref(), 1, xt::kGuideVertical, i, &guide, 0); }},
        {"GetStyleSheet", 0, 2, false, false,
            [&](int32_t i) { return op<xt::op::GetStyleSheet>()(m_styles, xt::kCharacterStyle, i, &style); }},
        {"GetTextChars", 0, 5, false, false,
            [&](int32_t i) { return op<xt::op::GetTextChars>()(m_story, i, 1, &character); }},
        // A text position may be the story's end, where inserted text is appended.
        {"InsertTextChars", 0, 5, false, true,
            [&](int32_t i) { return op<xt::op::InsertTextChars>()(m_story, i, 1, inserted, 0); }},
        // Outside the grid the answer is no cell (0).
        {"GetTableCell (column)", 0, 2, false, false,
            [&](int32_t i) {
                cell = -1;
                componentOp<xt::component::GetTableCell>()(m_table, i, 0, &cell);
                return cell > 0 ? 0 : -1;
            }},
        {"GetTableCell (row)", 0, 3, false, false,
            [&](int32_t i) {
                cell = -1;
                componentOp<xt::component::GetTableCell>()(m_table, 0, i, &cell);
                return cell > 0 ? 0 : -1;
            }},
        // Three rows have four row lines, 0 to 3.
        {"SetTableLineWeight (row line)", 0, 4, false, false,
            [&](int32_t i) {
                return componentOp<xt::component::SetTableLineWeight>()(m_table, 0, pt(2), &i, nullptr, 1, 0);
            }},
        // The page indexes: the master page from 4, then the document pages.
        {"GetPageRef", xt::kFirstMasterIndex, masters + 2, false, false,
            [&](int32_t i) { return op<xt::op::GetPageRef>()(ref(), static_cast<int16_t>(i)) != 0 ? 0 : -1; }},
        // Page numbers count from 1.
        {"PageOp3594", 1, 2, false, false,
            [&](int32_t i) { return op<xt::op::PageOp3594>()(window(), i, 0, &place); }},
        {"DocumentOp868", 1, 2, false, false, [&](int32_t i) { return op<xt::op::DocumentOp868>()(window(), i); }},

        // List rows: the bytes kept with a row, its enabling, a cell's picture and the row's text.
        {"ListOp1614", 0, 3, false, false, [&](int32_t i) { return op<xt::op::ListOp1614>()(kList, i, 4, "abcd"); }},
        {"ListOp1621", 0, 3, false, false, [&](int32_t i) { return op<xt::op::ListOp1621>()(kList, i, 0); }},
        {"ListOp1638", 0, 3, false, false, [&](int32_t i) { return op<xt::op::ListOp1638>()(kList, i, 0, m_picture); }},
        {"ListOp3451", 0, 3, false, false,
            [&](int32_t i) {
                xt::TextObject row = nullptr;
                const int32_t status = op<xt::op::ListOp3451>()(kList, i, &row);
                op<xt::op::DisposeTextObject>()(row);
                return status;
            }},

        // Text: one character at each position, written over, removed two ways.
        {"ReplaceTextChars", 0, 5, false, false,
            [&](int32_t i) { return op<xt::op::ReplaceTextChars>()(m_story, i, 1, inserted); }},
        {"DeleteTextRange", 0, 5, false, false,
            [&](int32_t i) { return op<xt::op::DeleteTextRange>()(m_story, i, i + 1, 0, 1, nullptr); }},
        {"XhjOp3103", 0, 5, false, false, [&](int32_t i) { return op<xt::op::XhjOp3103>()(m_story, i, i + 1); }},
        // A paragraph attribute at an insertion point, which may stand at the story's end.
        {"SetTextRunAttribute", 0, 6, false, false,
            [&](int32_t i) { return op<xt::op::SetTextRunAttribute>()(m_story, i, i, xt::kParaLeftIndent, pt(9), 0); }},
        {"SetTextRunAttribute (tab stops)", 0, 6, false, false,
            [&](int32_t i) {
                xt::Handle stops = op<xt::op::NewHandle>()(sizeof tab);
                std::memcpy(*stops, &tab, sizeof tab);
                const int32_t status = op<xt::op::SetTextRunAttribute>()(m_story, i, i, xt::kParaTabs, reinterpret_cast<intptr_t>(stops), 0);
                op<xt::op::DisposeHandle>()(stops);
                return status;
            }},
        // Style sheets applied by their index among the layout's sheets of the kind.
        {"ApplyCharacterStyleSheet", 0, 2, false, false,
            [&](int32_t i) { return op<xt::op::ApplyCharacterStyleSheet>()(i, 1, m_story); }},
        {"ApplyParagraphStyleSheet", 0, m_paragraphStyles, false, false,
            [&](int32_t i) { return op<xt::op::ApplyParagraphStyleSheet>()(i, 1, 1, m_story); }},
        {"GetStyleSheet (paragraph)", 0, m_paragraphStyles, false, false,
            [&](int32_t i) { return op<xt::op::GetStyleSheet>()(m_styles, xt::kParagraphStyle, i, &style); }},

        // Guides by index on page 1, and the pages the guide calls name.
        {"GuideOp2629", 0, 2, false, false,
            [&](int32_t i) { return op<xt::op::GuideOp2629>()(ref(), 1, xt::kGuideVertical, i, &entry, xt::kGuidePageSet); }},
        {"GuideOp2631", 0, 2, false, false,
            [&](int32_t i) { return op<xt::op::GuideOp2631>()(ref(), 1, xt::kGuideVertical, i, xt::kGuidePageSet); }},
        {"GuideOp2630 (page)", 1, 2, false, false,
            [&](int32_t i) { return op<xt::op::GuideOp2630>()(ref(), i, xt::kGuideVertical, 0, &guide, xt::kGuidePageSet); }},
        {"GuideOp2628 (page)", 1, 2, false, false,
            [&](int32_t i) { return op<xt::op::GuideOp2628>()(ref(), i, xt::kGuideVertical, xt::kGuidePageSet, &count); }},
        {"GuideOp2627 (page)", 1, 2, false, false,
            [&](int32_t i) {
                xt::Handle list = op<xt::op::NewHandle>()(0);
                const int32_t status = op<xt::op::GuideOp2627>()(ref(), i, xt::kGuidePageSet, &list);
                op<xt::op::DisposeHandle>()(list);
                return status;
            }},
        // GuideOp3598 counts pages as GetPageRef does: the master page first.
        {"GuideOp3598 (page)", xt::kFirstMasterIndex, masters + 2, false, false,
            [&](int32_t i) { return op<xt::op::GuideOp3598>()(ref(), i, xt::kGuideVertical, &guide, xt::kGuidePageSet, nullptr); }},

        // Pages: added after a page (0 puts them in front), deleted, copied, named and asked about.
        {"PageOp2213 (after)", 0, 3, false, false, [&](int32_t i) { return op<xt::op::PageOp2213>()(ref(), i, 1, 0, 0, 0); }},
        {"PageOp859", 1, 2, false, false, [&](int32_t i) { return op<xt::op::PageOp859>()(ref(), i, i, 0); }},
        {"CopyPages (after)", 0, 3, false, false,
            [&](int32_t i) {
                xt::Handle list = op<xt::op::NewHandle>()(2);
                const int16_t first = 1;
                std::memcpy(*list, &first, sizeof first);
                const int32_t status = componentOp<xt::component::CopyPages>()(ref(), ref(), list, i, 0);
                op<xt::op::DisposeHandle>()(list);
                return status;
            }},
        {"XsqOp1307 (page)", 1, 2, false, false, [&](int32_t i) { return op<xt::op::XsqOp1307>()(ref(), m_box, ref(), i); }},
        {"XsqOp4977", 1, 2, false, false, [&](int32_t i) { return op<xt::op::XsqOp4977>()(i, 5, 1, nullptr); }},
        {"GetPageSection", 1, 2, false, false,
            [&](int32_t i) {
                int32_t start = 0;
                int32_t format = 0;
                xt::TextObject prefix = nullptr;
                const int32_t status = op<xt::op::GetPageSection>()(ref(), i, &start, &format, &prefix);
                op<xt::op::DisposeTextObject>()(prefix);
                return status;
            }},
        {"PageOp4223", xt::kFirstMasterIndex, masters + 2, false, false,
            [&](int32_t i) {
                xt::TextObject name = nullptr;
                const int32_t status = op<xt::op::PageOp4223>()(ref(), i, &name);
                op<xt::op::DisposeTextObject>()(name);
                return status;
            }},
        {"XmbOp809", 1, 2, false, false, [&](int32_t i) { return op<xt::op::XmbOp809>()(ref(), i, &flag); }},
        // Master pages by their number.
        {"PageOp4222", xt::kFirstMasterIndex, masters, false, false,
            [&](int32_t i) { return op<xt::op::PageOp4222>()(ref(), i, &place); }},
        {"DocumentOp5270", xt::kFirstMasterIndex, masters, false, false,
            [&](int32_t i) { return op<xt::op::DocumentOp5270>()(ref(), i, pt(9), pt(9), pt(9), pt(9)); }},
        // Spreads from 0; XmbOp3597 shows the document's pages at 0 and a master spread from 1.
        {"DocumentOp864", 0, spreads, false, false, [&](int32_t i) { return op<xt::op::DocumentOp864>()(ref(), i, &item); }},
        {"PageOp866", 0, spreads, false, false, [&](int32_t i) { return op<xt::op::PageOp866>()(ref(), i, &flag); }},
        {"XmbOp3597", 0, masterSpreads + 1, false, false, [&](int32_t i) { return op<xt::op::XmbOp3597>()(window(), i); }},
        // The item walk counts the document's spreads from 1.
        {"GetFirstItem", 1, documentSpreads, false, false,
            [&](int32_t i) { return op<xt::op::GetFirstItem>()(ref(), i, 0, &item); }},

        // The project's layouts and the open layouts' windows.
        {"GetProjectLayout", 0, 1, false, false, [&](int32_t i) { return op<xt::op::GetProjectLayout>()(ref(), i, &id); }},
        {"DocumentOp504", 0, 1, false, false, [&](int32_t i) { return op<xt::op::DocumentOp504>()(i, &shownWindow); }},

        // A plug-in's swatch list counts its colours from 0.
        {"ColorOp342", 0, 3, false, false, [&](int32_t i) { return op<xt::op::ColorOp342>()(m_swatches, static_cast<int16_t>(i)) != 0 ? 0 : -1; }},
        {"ColorOp363", 0, 3, false, false,
            [&](int32_t i) { return op<xt::op::ColorOp363>()(m_swatches, static_cast<int16_t>(i), xt::kFixedOne, &swatch); }},
        {"ColorOp374", 0, 3, false, false,
            [&](int32_t i) {
                return op<xt::op::ColorOp374>()(m_swatches, static_cast<int16_t>(i), xt::kFixedOne, 0, -4, inks, nullptr, nullptr, 0);
            }},
        {"ColorOp359", 0, 3, false, false,
            [&](int32_t i) { return op<xt::op::ColorOp359>()(m_swatches, static_cast<int16_t>(i), 1, xt::kRgbColourModel, &grey); }},

        // Two columns have three column lines, 0 to 2; reading a row line takes the same numbers as writing.
        {"SetTableLineWeight (column line)", 0, 3, false, false,
            [&](int32_t i) {
                return componentOp<xt::component::SetTableLineWeight>()(m_table, 0, pt(2), nullptr, &i, 0, 1);
            }},
        {"GetTableLineWeight (row line)", 0, 4, false, false,
            [&](int32_t i) {
                xt::Fixed weight = 0;
                return componentOp<xt::component::GetTableLineWeight>()(m_table, 0, &i, nullptr, 1, 0, &weight);
            }},
    };

    for (const IndexedOperation& operation : operations) {
        const int32_t edges[] = {operation.first - 1, operation.first + operation.count - 1,
            operation.first + operation.count, operation.first + operation.count + 1};
        const bool accepted[] = {operation.acceptsBefore, true, operation.acceptsCount, false};
        for (size_t e = 0; e < 4; ++e) {
            // Each call starts from the same document and window.
            ASSERT_NO_FATAL_FAILURE(restart());
            const std::string before = seen();
            const int32_t status = operation.call(edges[e]);
            EXPECT_EQ(status == 0, accepted[e]) << operation.name << " at " << edges[e] << ": status " << status;
            if (!accepted[e]) {
                EXPECT_EQ(seen(), before) << operation.name << " at " << edges[e] << " was refused but changed something";
            }
        }
    }
}

/// The text calls that read at a position, or only select, take a position outside the story as its
/// nearest end: each answers at -1 as at 0 and at one past the end as at the end, and no text changes.
TEST_F(IndexBoundaryTest, TextReadsOutsideTheStoryAnswerAsAtItsNearestEnd)
{
    struct Case {
        const char* name;
        bool endsDiffer; // the answers at the two ends differ, so the case tells them apart
        std::function<std::string(int32_t)> answer;
    };
    const Case cases[] = {
        // The whole story fits the one box.
        {"TextOp687", false, [&](int32_t i) { return std::to_string(op<xt::op::TextOp687>()(m_box, i, 0)); }},
        {"TextOffsetPosition404", true,
            [&](int32_t i) {
                xt::Fixed x = 0;
                xt::Fixed y = 0;
                uint8_t stop = 9;
                const int32_t status = op<xt::op::TextOffsetPosition404>()(m_box, i, &x, &y, &stop, 0);
                return std::to_string(status) + " at " + std::to_string(x) + "," + std::to_string(y) + " stop " + std::to_string(stop);
            }},
        {"GetTextRunAttribute", true,
            [&](int32_t i) {
                xt::Fixed value = -1;
                const int32_t status = op<xt::op::GetTextRunAttribute>()(m_story, i, i, xt::kParaLeftIndent, nullptr, &value);
                return std::to_string(status) + " " + std::to_string(value);
            }},
        {"SetTextSelection", true,
            [&](int32_t i) {
                const int32_t status = op<xt::op::SetTextSelection>()(m_story, i, i, 0);
                int32_t start = -9;
                int32_t end = -9;
                op<xt::op::GetTextSelection>()(m_story, &start, &end, 0);
                return std::to_string(status) + " " + std::to_string(start) + "-" + std::to_string(end);
            }},
    };
    // Two paragraphs with different indents, so that the ends differ.
    const uint16_t paragraph[] = {13, 'W'};
    ASSERT_EQ(op<xt::op::InsertTextChars>()(m_story, 5, 2, paragraph, 0), 0);
    const int32_t end = 7;
    ASSERT_EQ(op<xt::op::SetTextRunAttribute>()(m_story, end, end, xt::kParaLeftIndent, pt(4), 0), 0);
    int32_t selectionStart = 0;
    int32_t selectionEnd = 0;
    ASSERT_EQ(op<xt::op::GetTextSelection>()(m_story, &selectionStart, &selectionEnd, 0), 0);
    const std::string before = seen();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.answer(-1), c.answer(0));
        EXPECT_EQ(c.answer(end + 1), c.answer(end));
        if (c.endsDiffer) {
            EXPECT_NE(c.answer(0), c.answer(end));
        }
    }
    ASSERT_EQ(op<xt::op::SetTextSelection>()(m_story, selectionStart, selectionEnd, 0), 0);
    EXPECT_EQ(seen(), before);
}

} // namespace
} // namespace host_tests
