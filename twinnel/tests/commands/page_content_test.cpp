// What a page copy carries besides boxes: tables with their cells' text, section starts, text chains
// (whole among the copied pages, as shown where a chain runs on past them), and the numbering of
// "Multiple sections". Each is checked on the project as it reads back from its file.
#include <gtest/gtest.h>

#include "host/model/document_json.h"
#include "host/model/items/table.h"
#include "host/model/pages/page_names.h"
#include "host/model/text/story_store.h"
#include "host/model/text/text_boxes.h"
#include "testing/test_text.h"
#include "twinnel/tests/twinnel_fixture.h"

namespace twinnel::testing {
namespace {

namespace testdoc = host::model::testdoc;

class PageContentTest : public TwinnelTest {
protected:
    /// The layout the last clone made in the source project, saved and read back.
    const host::model::Layout& madeLayoutReadBack()
    {
        const auto file = outputFolder() / ("saved" + std::to_string(++m_saves) + ".json");
        EXPECT_TRUE(host::model::saveDocument(project(0), file));
        host::model::Project& again = reopen(file);
        return again.layout(again.layoutCount() - 1);
    }

    int32_t textBox(size_t page, double top, double height, std::u16string_view text = {})
    {
        auto& box = testdoc::addBox(layout(), page, rect(top, 100, top + height, 300), xt::BoxKind::Text);
        auto& stories = layout().stories();
        EXPECT_TRUE(stories.addTextBox(box.ref()));
        if (!text.empty())
            stories.storyOfBox(box.ref())->insert(0, text);
        return box.ref();
    }

    /// Text boxes of page `page` (from 0), back to front.
    static std::vector<int32_t> textBoxesOn(const host::model::Layout& on, size_t page)
    {
        std::vector<int32_t> boxes;
        for (int32_t ref : on.items().topLevelOnPage(on.page(page).ref())) {
            if (on.stories().isTextBox(ref))
                boxes.push_back(ref);
        }
        return boxes;
    }

    static std::vector<std::string> pageNames(const host::model::Layout& on)
    {
        std::vector<std::string> names;
        for (size_t i = 0; i < on.pageCount(); ++i)
            names.push_back(host::model::pageName(on, i));
        return names;
    }

    int m_saves = 0;
};

TEST_F(PageContentTest, ATableComesWithItsGridLinesAndCellText)
{
    auto& table = testdoc::addTable(layout(), 1, {pt(100), pt(300)}, {pt(80), pt(60)}, {pt(40), pt(20), pt(20)}, pt(2));
    host::model::Table& grid = *layout().items().table(table.ref());
    grid.setRowLine(1, pt(4));
    auto& stories = layout().stories();
    ASSERT_TRUE(stories.addTextBox(grid.cell(1, 2)));
    stories.storyOfBox(grid.cell(1, 2))->insert(0, u"Total");

    answerPages("2", NewLayoutRow);
    ASSERT_TRUE(clone());
    const host::model::Layout& made = madeLayoutReadBack();
    ASSERT_EQ(made.pageCount(), 1u);
    const auto items = made.items().topLevelOnPage(made.page(0).ref());
    ASSERT_EQ(items.size(), 2u) << "the page's box and its table";
    const host::model::Table* copied = made.items().table(items[1]);
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->widths(), grid.widths());
    EXPECT_EQ(copied->heights(), grid.heights());
    EXPECT_EQ(copied->rowLine(1), pt(4));
    EXPECT_EQ(copied->columnLine(0), pt(2));
    const host::model::Story* cell = made.stories().storyOfBox(copied->cell(1, 2));
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(), u"Total");
    EXPECT_TRUE(testdoc::sameRect(made.items().find(copied->cell(1, 2))->rect(), layout().items().find(grid.cell(1, 2))->rect()));
}

TEST_F(PageContentTest, ACopiedPageStartsTheSectionItStartedInTheSource)
{
    ASSERT_TRUE(layout().sections().start(layout().page(2).ref(), {"A-", 1, host::model::NumberFormat::LowerRoman}));
    EXPECT_EQ(pageNames(layout()), (std::vector<std::string>{"1", "2", "A-i", "A-ii"}));

    auto& user = m_host->windows().dialogUser();
    user.setText(9, "3-4");
    user.check(23, true); // "Sequence #": the pages' places, not their names
    user.choose(7, NewLayoutRow);
    user.ok();
    ASSERT_TRUE(clone());
    EXPECT_TRUE(messageTexts().empty());
    EXPECT_EQ(pageNames(madeLayoutReadBack()), (std::vector<std::string>{"A-i", "A-ii"}));
}

TEST_F(PageContentTest, MultipleSectionsNumberEachBreakAsItsSourcePageReads)
{
    ASSERT_TRUE(layout().sections().start(layout().page(1).ref(), {"A-", 1, host::model::NumberFormat::LowerRoman}));
    auto& user = m_host->windows().dialogUser();
    user.setText(9, "1, A-iii");
    user.check(18, true);
    user.check(20, true);
    user.choose(7, NewLayoutRow);
    user.ok();
    ASSERT_TRUE(clone());
    // Page 4 reads "A-iii" in the source: its copy starts a section there, not at 4.
    EXPECT_TRUE(messageTexts().empty());
    EXPECT_EQ(pageNames(madeLayoutReadBack()), (std::vector<std::string>{"1", "A-iii"}));
}

TEST_F(PageContentTest, AChainAmongTheCopiedPagesStaysLinkedWithItsWholeStory)
{
    const int32_t first = textBox(1, 200, 40, u"One story over two pages");
    const int32_t second = textBox(2, 200, 40);
    ASSERT_TRUE(layout().stories().link(first, second));

    answerPages("2-3", NewLayoutRow);
    ASSERT_TRUE(clone());
    const host::model::Layout& made = madeLayoutReadBack();
    const auto onFirst = textBoxesOn(made, 0);
    const auto onSecond = textBoxesOn(made, 1);
    ASSERT_EQ(onFirst.size(), 1u);
    ASSERT_EQ(onSecond.size(), 1u);
    EXPECT_EQ(made.stories().nextBox(onFirst[0]), onSecond[0]);
    EXPECT_EQ(made.stories().storyOfBox(onSecond[0])->text(), u"One story over two pages");
    EXPECT_EQ(layout().stories().nextBox(first), second) << "the source chain is as it was";
}

TEST_F(PageContentTest, AChainThatRunsOnPastTheCopiedPagesKeepsTheTextItsCopiedBoxesShow)
{
    // Each box holds about one line, so the story runs on from box to box.
    const std::u16string line1 = u"First box line. ";
    const std::u16string line2 = u"Second box line. ";
    const std::u16string line3 = u"Third box line.";
    const int32_t a = textBox(0, 200, 20, line1 + line2 + line3);
    const int32_t b = textBox(1, 200, 20);
    const int32_t c = textBox(2, 200, 20);
    ASSERT_TRUE(layout().stories().link(a, b) && layout().stories().link(b, c));
    const auto chain = host::model::chainLayoutOf(layout(), a);
    ASSERT_TRUE(chain);
    const int32_t bStarts = chain->firstOffset(b);
    const int32_t cStarts = chain->firstOffset(c);
    ASSERT_LT(0, bStarts);
    ASSERT_LT(bStarts, cStarts) << "each box shows a part of the story";

    answerPages("2", NewLayoutRow);
    ASSERT_TRUE(clone());
    const host::model::Layout& made = madeLayoutReadBack();
    const auto boxes = textBoxesOn(made, 0);
    ASSERT_EQ(boxes.size(), 1u);
    const std::u16string whole = line1 + line2 + line3;
    EXPECT_EQ(made.stories().storyOfBox(boxes[0])->text(), whole.substr(static_cast<size_t>(bStarts), static_cast<size_t>(cStarts - bStarts)));

    answerPages("2-3", NewLayoutRow);
    ASSERT_TRUE(clone());
    const host::model::Layout& tail = madeLayoutReadBack();
    const auto first = textBoxesOn(tail, 0);
    const auto second = textBoxesOn(tail, 1);
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(tail.stories().nextBox(first[0]), second[0]);
    EXPECT_EQ(tail.stories().storyOfBox(first[0])->text(), whole.substr(static_cast<size_t>(bStarts)))
        << "the last box of the chain keeps the story's end";
}

TEST_F(PageContentTest, ANewLayoutTakesTheMasterSpreadsSoCopiedPagesKeepTheirMaster)
{
    const size_t second = layout().masters().addSpread();
    layout().masters().page(second).setMargins({pt(5), pt(6), pt(7), pt(8)});
    auto& onMaster = layout().items().addItem(layout().masters().page(second).ref(), xt::BoxKind::Plain,
        xt::shape::kRectangle, rect(30, 30, 60, 90));
    layout().page(2).setMasterSpread(1);

    answerPages("3", NewLayoutRow);
    ASSERT_TRUE(clone());
    const host::model::Layout& made = madeLayoutReadBack();
    ASSERT_EQ(made.masters().spreadCount(), 2u);
    EXPECT_EQ(made.page(0).masterSpread(), 1u);
    EXPECT_EQ(made.masters().page(1).margins(), (host::model::PageMargins{pt(5), pt(6), pt(7), pt(8)}));
    // The master's item is in the file too, on the same master page.
    const auto masterItems = made.items().topLevelOnPage(made.masters().page(1).ref());
    ASSERT_EQ(masterItems.size(), 1u);
    EXPECT_TRUE(testdoc::sameRect(made.items().find(masterItems[0])->rect(), onMaster.rect()));
    EXPECT_TRUE(made.items().topLevelOnPage(made.masters().page(0).ref()).empty());
}

TEST_F(PageContentTest, ANewProjectTakesWhatIsOnAMasterToo)
{
    layout().items().addItem(layout().masters().page(0).ref(), xt::BoxKind::Plain, xt::shape::kRectangle, rect(5, 5, 15, 25));
    answerPages("1", NewProjectRow);
    ASSERT_TRUE(clone());
    const auto file = outputFolder() / "a-master.json";
    ASSERT_TRUE(host::model::saveDocument(project(1), file));
    const host::model::Layout& saved = reopen(file).layout(0);
    const auto onMaster = saved.items().topLevelOnPage(saved.masters().page(0).ref());
    ASSERT_EQ(onMaster.size(), 1u) << "A-Master's item came with it";
    EXPECT_TRUE(testdoc::sameRect(saved.items().find(onMaster[0])->rect(), rect(5, 5, 15, 25)));
}

TEST_F(PageContentTest, ANewProjectSavesTheMasterPagesItemsWithTheirText)
{
    // A running head with its text on B-Master, which page 2 is based on.
    const int32_t master = layout().masters().page(layout().masters().addSpread()).ref();
    layout().page(1).setMasterSpread(1);
    const int32_t head = layout().items().addItem(master, xt::BoxKind::Text, xt::shape::kRectangle, rect(20, 36, 40, 300)).ref();
    testdoc::setText(layout(), head, "Running head");

    answerPages("2", NewProjectRow);
    ASSERT_TRUE(clone());
    const auto file = outputFolder() / "with-masters.json";
    ASSERT_TRUE(host::model::saveDocument(project(1), file));
    host::model::Layout& saved = reopen(file).layout(0);
    EXPECT_EQ(marks(saved), (std::vector<std::vector<int>>{{20}}));
    ASSERT_EQ(saved.masters().spreadCount(), 2u);
    EXPECT_EQ(saved.page(0).masterSpread(), 1u);
    const auto onMaster = saved.items().topLevelOnPage(saved.masters().page(1).ref());
    ASSERT_EQ(onMaster.size(), 1u);
    EXPECT_TRUE(testdoc::sameRect(saved.items().find(onMaster[0])->rect(), rect(20, 36, 40, 300)));
    const host::model::Story* story = host::model::storyOfTextBox(saved, onMaster[0]);
    ASSERT_NE(story, nullptr);
    EXPECT_EQ(story->text(), u"Running head");
}

TEST_F(PageContentTest, StyleSheetsOfTheThirdKindGoWithTheCopyByName)
{
    layout().styleSheets().addKind5Style("Figure list");
    layout().styleSheets().addKind5Style("Table list");
    answerPages("1", NewProjectRow);
    ASSERT_TRUE(clone());
    const auto file = outputFolder() / "with-sheets.json";
    ASSERT_TRUE(host::model::saveDocument(project(1), file));
    const auto& sheets = reopen(file).layout(0).styleSheets();
    ASSERT_EQ(sheets.count(xt::kStyleKind5), 2u);
    EXPECT_EQ(sheets.kind5Styles()[0].name(), "Figure list");
    EXPECT_EQ(sheets.kind5Styles()[1].name(), "Table list");

    // A new layout in the source project takes them as well.
    answerPages("2", NewLayoutRow);
    ASSERT_TRUE(clone());
    EXPECT_EQ(project(0).layout(1).styleSheets().count(xt::kStyleKind5), 2u);
}

} // namespace
} // namespace twinnel::testing
