// Host commands copy (205), paste (206) and duplicate (506), and the step-and-repeat offsets.
#include "host/tests/pages_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

class ClipboardCommandTest : public PagesTest {
protected:
    const host::model::Item& item(int32_t ref) { return *items().find(ref); }

    /// The items the current selection stands for.
    std::vector<int32_t> selected()
    {
        const host::model::Item* current = items().find(currentBox());
        if (!current)
            return {};
        if (current->groupRole() == host::model::GroupRole::Selection)
            return current->members();
        return {current->ref()};
    }
};

TEST_F(ClipboardCommandTest, PasteBuildsTheCopiedItemsOnTheCurrentPage)
{
    const int32_t box = addBox(layout(), 0, rect(10, 20, 30, 40)).ref();
    const int32_t line = addLine(layout(), 0, point(50, 0), point(50, 100)).ref();
    select(layout(), {box, line});
    ASSERT_EQ(runCommand(205), 0);
    items().find(box)->setRect(rect(0, 0, 1, 1)); // a later change does not reach the clipboard

    ASSERT_EQ(hostOp<xt::op::DocumentOp868>()(window(), 2), 0);
    ASSERT_EQ(runCommand(206), 0);
    const std::vector<int32_t> pasted = selected();
    ASSERT_EQ(pasted.size(), 2u);
    const int32_t secondPage = layout().page(1).ref();
    for (int32_t ref : pasted) {
        EXPECT_NE(ref, box);
        EXPECT_EQ(item(ref).pageRef(), secondPage);
    }
    EXPECT_EQ(item(pasted[0]).rect().top, pt(10));
    EXPECT_EQ(item(pasted[0]).rect().right, pt(40));
    EXPECT_TRUE(item(pasted[1]).isLine());

    ASSERT_EQ(runCommand(206), 0) << "the clipboard stays for another paste";
    EXPECT_EQ(items().topLevelOnPage(secondPage).size(), 4u);
}

TEST_F(ClipboardCommandTest, PasteOnARightPageKeepsThePlaceOnThePage)
{
    host::model::setFacingPages(layout(), true);
    layout().appendPage({});
    select(layout(), {addBox(layout(), 0, rect(10, 20, 30, 40)).ref()});
    ASSERT_EQ(runCommand(205), 0);
    ASSERT_EQ(hostOp<xt::op::DocumentOp868>()(window(), 3), 0);
    ASSERT_EQ(runCommand(206), 0);
    EXPECT_EQ(item(currentBox()).rect().left, pt(612 + 20)) << "spread coordinates of the right page";
}

TEST_F(ClipboardCommandTest, GroupsTextAndShapesAreCopiedWhole)
{
    const int32_t a = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    const int32_t b = addShape(layout(), 0, {point(0, 0), point(10, 20), point(20, 0)}).ref();
    const int32_t group = addGroup(layout(), {a, b}).ref();
    auto& text = addTextBox(layout(), 0, rect(50, 50, 90, 200));
    ASSERT_TRUE(layout().stories().addTextBox(text.ref()));
    layout().stories().storyOfBox(text.ref())->insert(0, u"Hello");
    select(layout(), {group, text.ref()});
    ASSERT_EQ(runCommand(205), 0);
    ASSERT_EQ(runCommand(206), 0);

    const std::vector<int32_t> pasted = selected();
    ASSERT_EQ(pasted.size(), 2u);
    const host::model::Item& newGroup = item(pasted[0]);
    EXPECT_EQ(newGroup.groupRole(), host::model::GroupRole::Group);
    ASSERT_EQ(newGroup.members().size(), 2u);
    ASSERT_NE(item(newGroup.members()[1]).shapeData(), nullptr);
    EXPECT_EQ(item(newGroup.members()[1]).shapeData()->points().size(), 3u);
    const host::model::Story* story = layout().stories().storyOfBox(pasted[1]);
    ASSERT_NE(story, nullptr);
    EXPECT_EQ(story->text(), u"Hello");
    EXPECT_NE(story, layout().stories().storyOfBox(text.ref())) << "a story of its own";
}

TEST_F(ClipboardCommandTest, DuplicateMovesByTheStepAndRepeatOffsets)
{
    const int32_t box = addBox(layout(), 1, rect(100, 100, 150, 200)).ref();
    ASSERT_EQ(hostOp<xt::op::SetStepRepeatOffsets>()(pt(30), pt(-10)), 0);
    xt::Fixed horizontal = 0, vertical = 0;
    ASSERT_EQ(hostOp<xt::op::GetStepRepeatOffsets>()(&horizontal, &vertical), 0);
    EXPECT_EQ(horizontal, pt(30));
    EXPECT_EQ(vertical, pt(-10));

    select(layout(), {box});
    ASSERT_EQ(runCommand(506), 0);
    const int32_t copy = currentBox();
    ASSERT_NE(copy, box);
    EXPECT_EQ(item(copy).pageRef(), layout().page(1).ref()) << "on the original's page";
    EXPECT_EQ(item(copy).rect().top, pt(90));
    EXPECT_EQ(item(copy).rect().left, pt(130));
    EXPECT_EQ(item(box).rect().top, pt(100)) << "the original stays";
}

TEST_F(ClipboardCommandTest, NothingToCopyOrPasteIsRefused)
{
    select(layout(), {});
    EXPECT_NE(runCommand(205), 0);
    EXPECT_NE(runCommand(206), 0) << "the clipboard is empty";
    EXPECT_NE(runCommand(506), 0);
    EXPECT_EQ(items().size(), 0u);
}

} // namespace
} // namespace host_tests
