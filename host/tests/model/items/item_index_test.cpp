// Finding items by reference in layouts of thousands of items, while items and selections come and go.
#include "host/tests/item_fixture.h"

#include "host/model/aside/set_aside.h"
#include "host/model/items/item_walk.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

class ItemIndexTest : public ItemTest {};

TEST_F(ItemIndexTest, LayoutsWhoseReferencesInterleaveFindOnlyTheirOwnItems)
{
    host::model::Layout& other = host().newDocument();
    std::vector<int32_t> mine, theirs;
    for (int i = 0; i < 3000; ++i) {
        mine.push_back(addBox(layout(), 0, rect(i % 500, 0, i % 500 + 5, 5)).ref());
        theirs.push_back(addLine(other, 0, point(0, 0), point(i % 500, 5)).ref());
    }
    for (size_t i = 0; i < mine.size(); i += 2)
        ASSERT_TRUE(items().remove(mine[i]));

    EXPECT_EQ(items().size(), mine.size() / 2);
    EXPECT_EQ(other.items().size(), theirs.size());
    for (size_t i = 0; i < mine.size(); ++i) {
        const host::model::Item* found = items().find(mine[i]);
        ASSERT_EQ(found != nullptr, i % 2 == 1) << "item " << i;
        if (found) {
            EXPECT_EQ(found->rect().top, pt(static_cast<double>(i % 500)));
        }
        EXPECT_EQ(items().find(theirs[i]), nullptr);
        ASSERT_NE(other.items().find(theirs[i]), nullptr);
        EXPECT_TRUE(other.items().find(theirs[i])->isLine());
    }
    EXPECT_FALSE(items().remove(mine[0])) << "an item is removed once";
    EXPECT_EQ(items().find(0), nullptr);
    EXPECT_EQ(items().find(-mine[1]), nullptr);
}

TEST_F(ItemIndexTest, SelectionsMadeOneAfterAnotherLeaveOnlyTheLatestPseudoGroup)
{
    std::vector<int32_t> boxes;
    for (int i = 0; i < 20; ++i)
        boxes.push_back(addBox(layout(), 0, rect(0, 10 * i, 5, 10 * i + 5)).ref());
    int32_t previous = 0;
    // Enough selections that their references run over many pages of the index.
    for (int i = 0; i < 5000; ++i) {
        const size_t first = static_cast<size_t>(i) % 19;
        const int32_t selection = select(layout(), {boxes[first], boxes[first + 1]});
        ASSERT_NE(selection, previous);
        EXPECT_EQ(items().find(previous), nullptr) << "the selection before was forgotten";
        previous = selection;
    }
    const host::model::Item* latest = items().find(previous);
    ASSERT_NE(latest, nullptr);
    EXPECT_EQ(latest->members(), (std::vector<int32_t>{boxes[2], boxes[3]})); // 4999 % 19 == 2
    EXPECT_EQ(items().size(), boxes.size() + 1);
    for (const int32_t box : boxes)
        EXPECT_NE(items().find(box), nullptr);
}

TEST_F(ItemIndexTest, ALongSelectionHoldsEachItemOnceInTheOrderGiven)
{
    std::vector<int32_t> boxes;
    for (int i = 0; i < 40; ++i)
        boxes.push_back(addBox(layout(), 0, rect(0, 10 * i, 5, 10 * i + 5)).ref());
    std::vector<int32_t> asked = boxes;
    asked.insert(asked.end(), boxes.rbegin(), boxes.rend()); // every item a second time
    asked.insert(asked.begin() + 3, boxes[0]);               // a repeat among the first few
    asked.push_back(0);                                      // no item

    const int32_t selection = select(layout(), asked);
    ASSERT_NE(items().find(selection), nullptr);
    EXPECT_EQ(items().find(selection)->members(), boxes);
}

TEST_F(ItemIndexTest, EachPageListsItsItemsAsTheyComeGoAndMove)
{
    const int32_t page1 = layout().page(0).ref();
    const int32_t page2 = layout().page(1).ref();
    const int32_t a = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    const int32_t b = addBox(layout(), 1, rect(0, 0, 10, 10)).ref();
    const int32_t c = addBox(layout(), 0, rect(20, 0, 30, 10)).ref();
    const int32_t d = addBox(layout(), 0, rect(40, 0, 50, 10)).ref();
    const int32_t group = addGroup(layout(), {c, d}).ref();
    select(layout(), {a, b});
    using Refs = std::vector<int32_t>;
    EXPECT_EQ(items().onPage(page1), (Refs{a, c, d, group})) << "members too, but no pseudo-group";
    EXPECT_EQ(items().topLevelOnPage(page1), (Refs{a, group}));
    EXPECT_EQ(items().onPage(page2), (Refs{b}));

    items().setPageOf(*items().find(a), page2);
    EXPECT_EQ(items().topLevelOnPage(page2), (Refs{a, b})) << "a page's items stay back to front";
    ASSERT_TRUE(items().remove(group));
    EXPECT_TRUE(items().onPage(page1).empty());

    // The walk goes front to back over the spread's pages and survives the item it stands on going.
    EXPECT_EQ(host::model::firstItemOfSpread(layout(), 1), b);
    EXPECT_EQ(host::model::nextItemOfSpread(layout(), b), a);
    ASSERT_TRUE(items().remove(b));
    EXPECT_EQ(host::model::nextItemOfSpread(layout(), b), a);
    EXPECT_EQ(host::model::nextItemOfSpread(layout(), a), 0);
}

TEST_F(ItemIndexTest, PagesSetAsideComeBackWithTheirItemsUnderTheSameReferences)
{
    const int32_t kept = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    const int32_t text = addBox(layout(), 1, rect(0, 0, 10, 10), xt::BoxKind::Text).ref();
    ASSERT_TRUE(layout().stories().addTextBox(text));
    layout().stories().storyOfBox(text)->insert(0, u"aside");
    const int32_t pageRef = layout().page(1).ref();

    auto aside = host::model::setPagesAside(layout(), 1, 1);
    ASSERT_TRUE(aside);
    EXPECT_EQ(layout().pageCount(), 1u);
    EXPECT_EQ(items().find(text), nullptr);
    EXPECT_FALSE(layout().stories().isTextBox(text));
    EXPECT_FALSE(host::model::setPagesAside(layout(), 0, 1)) << "a layout keeps one page at least";

    ASSERT_TRUE(host::model::putBack(host().documents(), *aside));
    ASSERT_EQ(layout().pageCount(), 2u);
    EXPECT_EQ(layout().page(1).ref(), pageRef);
    EXPECT_EQ(items().topLevelOnPage(pageRef), (std::vector<int32_t>{text}));
    EXPECT_EQ(items().stackingOrder(), (std::vector<int32_t>{kept, text}));
    EXPECT_EQ(layout().stories().storyOfBox(text)->text(), u"aside");
}

} // namespace
} // namespace host_tests
