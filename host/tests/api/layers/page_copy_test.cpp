// Pages copied between layouts (CopyPages) and one item copied onto another layout's page
// (XsqOp1307): items land on their new page at the same place, with their text, colours by name and
// layers by name; a layout copying its own pages copies them as they were before the call.
#include <string>

#include "host/model/colours/colour_value.h"
#include "host/tests/pages_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;
using host::model::Item;

class PageCopyTest : public PagesTest {
protected:
    xt::Handle pageList(std::initializer_list<int16_t> pages)
    {
        xt::Handle list = hostOp<xt::op::NewHandle>()(static_cast<int32_t>(2 * pages.size()));
        size_t offset = 0;
        for (int16_t page : pages) {
            xt::writeAt(*list, page, offset);
            offset += 2;
        }
        m_lists.push_back(list);
        return list;
    }

    void TearDown() override
    {
        for (xt::Handle list : m_lists)
            hostOp<xt::op::DisposeHandle>()(list);
        PagesTest::TearDown();
    }

    int16_t addColour(host::model::Layout& target, const char* name, uint16_t red)
    {
        const auto added = target.colours().add(name, host::model::ColourValue::rgb({red, 0, 0}), host::model::Ink::Process);
        EXPECT_TRUE(added) << name;
        return added.id;
    }

    std::vector<xt::Handle> m_lists;
};

TEST_F(PageCopyTest, PagesArriveAfterThePositionWithTheirItemsColoursAndLayers)
{
    host::model::Layout& target = host().documents().newDocument({.pageCount = 2});
    const int16_t teal = addColour(layout(), "Teal", 0x1000);
    addColour(target, "Other", 0x2000); // takes the number Teal has in the source
    Item& box = addBox(layout(), 1, rect(10, 20, 30, 40));
    box.setFrame({teal, xt::kFixedOne});
    const int32_t layer = *layout().layers().create("Marks");
    box.setLayer(layer);

    ASSERT_EQ(componentOp<xt::component::CopyPages>()(ref(), target.ref(), pageList({2}), 1, 4), 0);
    ASSERT_EQ(target.pageCount(), 3u);
    const auto copied = target.items().topLevelOnPage(target.page(1).ref());
    ASSERT_EQ(copied.size(), 1u) << "page 2 of the source is now page 2 of the destination";
    const Item& copy = *target.items().find(copied[0]);
    EXPECT_TRUE(sameRect(target.items().bounds(copy), rect(10, 20, 30, 40)));
    const auto* colour = target.colours().find(copy.frame().colour);
    ASSERT_NE(colour, nullptr);
    EXPECT_EQ(colour->name(), "Teal");
    const auto* copiedLayer = target.layers().find(copy.layer());
    ASSERT_NE(copiedLayer, nullptr);
    EXPECT_EQ(copiedLayer->name, "Marks");
    EXPECT_EQ(layout().items().topLevelOnPage(layout().page(1).ref()).size(), 1u) << "the source keeps its item";
}

TEST_F(PageCopyTest, ALayoutCopiesItsOwnPagesAsTheyWereBeforeTheCall)
{
    addBox(layout(), 0, rect(0, 0, 10, 10));
    ASSERT_EQ(componentOp<xt::component::CopyPages>()(ref(), ref(), pageList({1, 1, 2}), 0, 4), 0);
    ASSERT_EQ(layout().pageCount(), 5u);
    const size_t expected[] = {1, 1, 0, 1, 0};
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(items().topLevelOnPage(layout().page(i).ref()).size(), expected[i]) << "page " << i + 1;
}

TEST_F(PageCopyTest, ListsThatNameNoPageAreRefusedAndChangeNothing)
{
    host::model::Layout& target = host().documents().newDocument({.pageCount = 1});
    struct Case {
        std::initializer_list<int16_t> pages;
        int32_t after;
    } const cases[] = {
        {{3}, 0},    // the source has two pages
        {{0}, 0},    // pages count from 1
        {{-1}, 0},
        {{1}, 2},    // the destination has one page
        {{1}, -1},
        {{}, 0},     // nothing to copy
    };
    for (const Case& c : cases)
        EXPECT_EQ(componentOp<xt::component::CopyPages>()(ref(), target.ref(), pageList(c.pages), c.after, 4), -1);
    EXPECT_EQ(componentOp<xt::component::CopyPages>()(ref(), target.ref(), nullptr, 0, 4), -1);
    EXPECT_EQ(target.pageCount(), 1u);
}

TEST_F(PageCopyTest, AnItemIsCopiedOntoAnotherLayoutsPageAtTheSamePlace)
{
    host::model::Layout& target = host().documents().newDocument({.pageCount = 3});
    host::model::setFacingPages(target, true); // page 3 is a right page: its spread starts at 612
    Item& box = addBox(layout(), 1, rect(100, 100, 200, 300));
    ASSERT_EQ(hostOp<xt::op::XsqOp1307>()(ref(), box.ref(), target.ref(), 3), 0);
    const auto copied = target.items().topLevelOnPage(target.page(2).ref());
    ASSERT_EQ(copied.size(), 1u);
    EXPECT_EQ(target.items().current(), copied[0]);
    EXPECT_TRUE(sameRect(target.items().bounds(*target.items().find(copied[0])), rect(100, 712, 200, 912)));
    EXPECT_EQ(hostOp<xt::op::XsqOp1307>()(ref(), box.ref(), target.ref(), 4), -1);
    EXPECT_EQ(hostOp<xt::op::XsqOp1307>()(ref(), 4242, target.ref(), 1), -1);
}

} // namespace
} // namespace host_tests
