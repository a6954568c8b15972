// Every host operation that takes an index (or a text position or a page number), called at the edges of
// what it indexes: one before the first, the last, one past the last (count) and one further. A refused
// call returns its failure and leaves what a user would see as it was.
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "host/model/text/text_boxes.h"
#include "host/tests/pages_fixture.h"
#include "testing/test_document.h"
#include "testing/test_text.h"
#include "xtapi/components.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

constexpr int32_t kList = 7;

/// The document and window every case starts from: a list of three rows, two vertical guides on
/// page 1, two character style sheets, a story of five characters, a table of two columns and three
/// rows, and the two document pages with one master page.
class IndexBoundaryTest : public PagesTest {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        m_listWindow = &host().openWindow(xt::kFirstWindowId);
        m_listWindow->addItem(kList, host::ui::ItemKind::List).setRows({"A", "B", "C"});
        ASSERT_EQ(hostOp<xt::op::BeginWindowDrawing>()(m_listWindow->ref()), 0);

        for (double position : {10.0, 20.0})
            layout().guides().add(*host::model::guideListOf(layout(), 1, xt::kGuidePageSet),
                host::model::GuideKind::Vertical, {pt(position), {}, 0, 0, 0, {}, 0});

        for (const char* name : {"Caption", "Note"})
            layout().styleSheets().addCharacterStyle(host::model::characterStyleNamed(name));
        m_styles = hostOp<xt::op::StyleSheetOp3710>()(ref());

        m_box = addTextBox(layout(), 0, rect(0, 0, 100, 100)).ref();
        m_story = setText(layout(), m_box, "Hello").ref();
        m_table = addTable(layout(), 1, point(100, 50), {pt(20), pt(30)}, {pt(10), pt(12), pt(14)}).ref();
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
        for (size_t row = 0; row < list.rows().size(); ++row)
            text += " " + list.rows()[row] + "=" + std::to_string(list.rowValue(static_cast<int32_t>(row)).value_or(-1));
        text += " selected " + std::to_string(list.selection()) + "; guides:";
        for (const auto& guide : layout().guides().guides({xt::kGuidePageSet, layout().page(0).ref()}, host::model::GuideKind::Vertical))
            text += " " + std::to_string(guide.position() / xt::kFixedOne);
        const host::model::Story& story = *host::model::storyOfTextBox(layout(), m_box);
        text += "; text " + std::string(story.text().begin(), story.text().end());
        text += "; pages " + std::to_string(layout().pageCount()) + " current " + std::to_string(currentPageNumber());
        return text;
    }

    xt::TextObject text(const char* chars) { return hostOp<xt::op::NewTextObject>()(chars, 0, static_cast<int32_t>(std::strlen(chars))); }

    host::ui::Window* m_listWindow = nullptr;
    int32_t m_styles = 0;
    int32_t m_box = 0;
    int32_t m_story = 0;
    int32_t m_table = 0;
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

} // namespace
} // namespace host_tests
