// Host commands run by number (select all on the page), the edit bracket, the layout window and its
// pages, item kinds, and the "QFAU" drop-shadow component.
#include "host/model/limits.h"
#include "host/model/text/text_boxes.h"
#include "host/tests/item_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;
namespace component = xt::component;

class ItemCommandTest : public ItemTest {
protected:
    int32_t runCommand(int32_t number)
    {
        EXPECT_EQ(hostOp<xt::op::XmoOp832>()(1), 0);
        return hostOp<xt::op::XaqOp2966>()(number);
    }

    int32_t currentBox()
    {
        int32_t box = -1;
        hostOp<xt::op::GetCurrentBox>()(&box);
        return box;
    }
};

TEST_F(ItemCommandTest, SelectAllSelectsTheCurrentPagesTopLevelItems)
{
    const int32_t a = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    const int32_t b = addBox(layout(), 0, rect(20, 0, 30, 10)).ref();
    const int32_t c = addLine(layout(), 0, point(40, 0), point(40, 50)).ref();
    addBox(layout(), 1, rect(0, 0, 10, 10)); // on the other page
    const int32_t group = addGroup(layout(), {b, c}).ref();

    EXPECT_EQ(runCommand(210), 0);
    const int32_t selection = currentBox();
    const host::model::Item* multi = items().find(selection);
    ASSERT_NE(multi, nullptr);
    EXPECT_EQ(multi->groupRole(), host::model::GroupRole::Selection);
    EXPECT_EQ(multi->members(), (std::vector<int32_t>{a, group})) << "a group counts as one item";
}

TEST_F(ItemCommandTest, SelectAllOnAPageOfOneOrNoItems)
{
    const int32_t only = addBox(layout(), 1, rect(0, 0, 10, 10)).ref();
    items().setCurrentPage(layout().page(1).ref());
    EXPECT_EQ(runCommand(210), 0);
    EXPECT_EQ(currentBox(), only);

    items().setCurrentPage(layout().page(0).ref());
    EXPECT_EQ(runCommand(210), 0);
    EXPECT_EQ(currentBox(), 0);
}

TEST_F(ItemCommandTest, SelectAllPassesByItemsAnchoredInText)
{
    const int32_t text = addTextBox(layout(), 0, rect(0, 0, 100, 100)).ref();
    const int32_t anchored = addBox(layout(), 0, rect(0, 200, 20, 240)).ref();
    host::model::Story* story = host::model::storyOfTextBox(layout(), text);
    ASSERT_NE(story, nullptr);
    story->insertAnchor(0, anchored);

    EXPECT_EQ(runCommand(210), 0);
    EXPECT_EQ(currentBox(), text) << "the anchored box rides in the text, not on the page";
}

TEST_F(ItemCommandTest, SelectAllRefusesMoreItemsThanASelectionCanCount)
{
    for (size_t i = 0; i <= host::model::kMostSelectedItems; ++i)
        addBox(layout(), 0, rect(0, 0, 10, 10));

    EXPECT_NE(runCommand(210), 0);
    EXPECT_EQ(currentBox(), 0);
    ASSERT_FALSE(host().messageBoxes().empty());
    EXPECT_EQ(host().messageBoxes().back().text, host::model::kSelectionLimitMessage);
}

TEST_F(ItemCommandTest, UnknownAndUnarmedCommandsFailCleanly)
{
    const int32_t a = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    items().select(a);
    EXPECT_NE(runCommand(9999), 0);
    EXPECT_EQ(currentBox(), a);
    EXPECT_NE(hostOp<xt::op::XaqOp2966>()(210), 0) << "a command runs only after XmoOp832(1)";
    EXPECT_EQ(currentBox(), a);
    EXPECT_NE(hostOp<xt::op::XmoOp832>()(2), 0);
}

TEST_F(ItemCommandTest, TheLineEditBracketOpensAndCloses)
{
    EXPECT_EQ(hostOp<xt::op::XaqOp2966>()(0x3105E3), 0);
    EXPECT_EQ(items().commands().openBrackets(), 1);
    EXPECT_EQ(hostOp<xt::op::XaqOp2966>()(0x3105E4), 0);
    EXPECT_NE(hostOp<xt::op::XaqOp2966>()(0x3105E4), 0) << "nothing left to close";
}

TEST_F(ItemCommandTest, TheLayoutWindowShowsItsPages)
{
    xt::WindowRef window = 0;
    EXPECT_EQ(hostOp<xt::op::GetDocumentWindow>()(layout().ref(), &window), 0);
    EXPECT_NE(window, 0);
    xt::PlaceRecord place{};
    EXPECT_EQ(hostOp<xt::op::PageOp3594>()(window, 2, 0, &place), 0);
    EXPECT_EQ(place.pageNumber, 2);
    EXPECT_EQ(place.spread, 1);
    EXPECT_NE(hostOp<xt::op::PageOp3594>()(window, 3, 0, &place), 0) << "the layout has two pages";
    EXPECT_NE(hostOp<xt::op::PageOp3594>()(window + 1000, 1, 0, &place), 0);

    const int32_t box = addBox(layout(), 1, rect(0, 0, 10, 10)).ref();
    xt::PlaceRecord itemPlace{};
    EXPECT_EQ(hostOp<xt::op::GetBoxBounds>()(box, 0, &itemPlace), 0);
    EXPECT_EQ(fieldAt<int16_t>(&itemPlace, 6), 2) << "the page number at byte 6";
    EXPECT_EQ(fieldAt<int16_t>(&itemPlace, 4), 0) << "the page's key at byte 4";
}

/// What the kind queries answer for each kind of item.
struct KindAnswer {
    const char* name;
    int32_t isText, isPicture, isGroupKind;
    int16_t boxType;
};

TEST_F(ItemCommandTest, KindQueriesAnswerByKind)
{
    const int32_t plain = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    const int32_t text = addTextBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    const int32_t picture = addPictureBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    const int32_t line = addLine(layout(), 0, point(0, 0), point(0, 10), xt::shape::kLineDown).ref();
    const int32_t textOnLine = addBox(layout(), 0, rect(5, 0, 5, 10), xt::BoxKind::Text, xt::shape::kLine).ref();
    const int32_t group = addGroup(layout(), {plain, picture}).ref();
    const std::pair<int32_t, KindAnswer> cases[] = {
        {plain, {"plain", 0, 0, 0, 0}},
        {text, {"text", 1, 0, 0, 0}},
        {picture, {"picture", 0, 1, 0, 0}},
        {line, {"line", 0, 0, 0, 2}},
        {textOnLine, {"text on a line", 1, 0, 0, 1}},
        {group, {"group", 0, 0, 1, 0}},
    };
    for (const auto& [item, want] : cases) {
        EXPECT_EQ(hostOp<xt::op::IsTextBox>()(item), want.isText) << want.name;
        EXPECT_EQ(hostOp<xt::op::ItemTypeOp767>()(item), want.isPicture) << want.name;
        EXPECT_EQ(hostOp<xt::op::ItemTypeOp764>()(item), want.isGroupKind) << want.name;
        int16_t type = -1;
        EXPECT_EQ(hostOp<xt::op::GetBoxType>()(item, &type), 0) << want.name;
        EXPECT_EQ(type, want.boxType) << want.name;
    }
}

TEST_F(ItemCommandTest, DropShadowsAreReadWrittenAndGiven)
{
    const int32_t box = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    uint8_t has = 7;
    EXPECT_EQ(componentOp<component::DropShadowOp8>()(box, &has, 0), 0);
    EXPECT_EQ(has, 0);
    xt::DropShadowRecord shadow{};
    EXPECT_NE(componentOp<component::GetDropShadow>()(box, &shadow), 0);
    shadow.offsetAcross = pt(4);
    shadow.offsetDown = pt(6);
    shadow.hostData12[19] = 0x42;
    EXPECT_NE(componentOp<component::SetDropShadow>()(box, &shadow), 0) << "no shadow to change";

    EXPECT_EQ(componentOp<component::DropShadowOp0>()(box, &shadow), 0);
    EXPECT_EQ(componentOp<component::DropShadowOp8>()(box, &has, 0), 0);
    EXPECT_EQ(has, 1);
    shadow.offsetAcross = pt(2);
    EXPECT_EQ(componentOp<component::SetDropShadow>()(box, &shadow), 0);
    xt::DropShadowRecord read{};
    EXPECT_EQ(componentOp<component::GetDropShadow>()(box, &read), 0);
    EXPECT_EQ(read.offsetAcross, pt(2));
    EXPECT_EQ(read.offsetDown, pt(6));
    EXPECT_EQ(read.hostData12[19], 0x42) << "the bytes the host does not use travel unchanged";
}

TEST_F(ItemCommandTest, AnInjectedFailureOfTheServiceTestSaysNoServiceOwnsTheDocument)
{
    items().setServiceOwnsBoxes(true);
    EXPECT_EQ(hostOp<xt::op::DocumentServiceTest>()(layout().id()), 1);
    host().faults().failNth("DocumentServiceTest", 1);
    EXPECT_EQ(hostOp<xt::op::DocumentServiceTest>()(layout().id()), 0);
}

} // namespace
} // namespace host_tests
