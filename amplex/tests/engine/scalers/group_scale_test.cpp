// Groups scaled through ScaleSelection: members about one origin, nested groups, the selection of a
// whole page, the group whole again afterwards, and the refusals.
#include <algorithm>
#include <utility>

#include "amplex/tests/engine_fixture.h"
#include "host/model/items/line_geometry.h"

namespace amplex::testing {
namespace {

using GroupScaleTest = EngineTest;
using host::model::testdoc::addBox;
using host::model::testdoc::addGroup;

struct GroupCase {
    const char* name;
    bool realGroup;  // else the two boxes are selected together
    int16_t scaleFrom;
    xt::FixedRect expectedFirst;
    xt::FixedRect expectedSecond;
};

TEST_F(GroupScaleTest, MembersScaleAboutOneOriginAndStayTogether)
{
    const GroupCase cases[] = {
        {"group, upper left of selection", true, FromUpperLeftOfSelection, rect(10, 20, 20, 40), rect(30, 60, 40, 80)},
        {"two selected boxes, upper left", false, FromUpperLeftOfSelection, rect(10, 20, 20, 40), rect(30, 60, 40, 80)},
        {"group, centre of selection", true, FromCenterOfSelection, rect(25, 50, 35, 70), rect(45, 90, 55, 110)},
    };
    setFactors(0.5, 0.5);
    for (const auto& c : cases) {
        const int32_t first = addBox(layout(), 0, rect(10, 20, 30, 60)).ref();
        const int32_t second = addBox(layout(), 0, rect(50, 100, 70, 140)).ref();
        const int32_t group = c.realGroup ? addGroup(layout(), {first, second}).ref() : 0;
        settings().ScaleFrom = c.scaleFrom;
        if (c.realGroup)
            scaleSelected({group});
        else
            scaleSelected({first, second});
        EXPECT_TRUE(sameRect(item(first).rect(), c.expectedFirst)) << c.name << ": " << describe(item(first).rect());
        EXPECT_TRUE(sameRect(item(second).rect(), c.expectedSecond)) << c.name << ": " << describe(item(second).rect());
        if (c.realGroup) {
            // The group is whole, closed and current again.
            EXPECT_EQ(items().current(), group) << c.name;
            EXPECT_EQ(item(group).groupRole(), host::model::GroupRole::Group);
            EXPECT_FALSE(item(group).isOpen());
            EXPECT_EQ(item(group).members(), (std::vector<int32_t>{first, second}));
            EXPECT_EQ(item(first).parent(), group);
        } else {
            const host::model::Item* selection = items().find(items().current());
            ASSERT_NE(selection, nullptr) << c.name;
            EXPECT_EQ(selection->members(), (std::vector<int32_t>{first, second}));
        }
        EXPECT_FALSE(m_engine->scaleActive());
    }
}

TEST_F(GroupScaleTest, GroupInsideAGroupScalesAboutTheOuterOrigin)
{
    const int32_t outerBox = addBox(layout(), 0, rect(10, 20, 30, 60)).ref();
    const int32_t innerBox = addBox(layout(), 0, rect(50, 100, 70, 140)).ref();
    const int32_t line = host::model::testdoc::addLine(layout(), 0, point(100, 100), point(100, 200)).ref();
    const int32_t inner = addGroup(layout(), {innerBox, line}).ref();
    const int32_t outer = addGroup(layout(), {outerBox, inner}).ref();
    setFactors(0.5, 0.5);
    scaleSelected({outer});
    EXPECT_TRUE(sameRect(item(outerBox).rect(), rect(10, 20, 20, 40)));
    EXPECT_TRUE(sameRect(item(innerBox).rect(), rect(30, 60, 40, 80))) << describe(item(innerBox).rect());
    const auto ends = host::model::lineEnds(item(line).rect(), item(line).angle());
    EXPECT_EQ(ends.first.v, pt(55));
    EXPECT_EQ(ends.first.h, pt(60));
    EXPECT_EQ(ends.second.h, pt(110));
    EXPECT_EQ(item(outer).members(), (std::vector<int32_t>{outerBox, inner}));
    EXPECT_EQ(item(inner).members(), (std::vector<int32_t>{innerBox, line}));
    EXPECT_EQ(item(inner).groupRole(), host::model::GroupRole::Group);
    EXPECT_FALSE(item(inner).isOpen());
    EXPECT_EQ(items().current(), outer);
}

TEST_F(GroupScaleTest, SelectAllOnAPageScalesThatPagesItemsTogether)
{
    const int32_t box = addBox(layout(), 0, rect(10, 20, 30, 60)).ref();
    const int32_t groupedA = addBox(layout(), 0, rect(50, 100, 70, 140)).ref();
    const int32_t groupedB = addBox(layout(), 0, rect(90, 100, 110, 140)).ref();
    const int32_t group = addGroup(layout(), {groupedA, groupedB}).ref();
    const int32_t elsewhere = addBox(layout(), 1, rect(10, 20, 30, 60)).ref();
    setFactors(0.5, 0.5);
    m_engine->selectAllOnPage();
    m_engine->measureSelection();
    m_engine->scaleSelection();
    EXPECT_TRUE(sameRect(item(box).rect(), rect(10, 20, 20, 40)));
    EXPECT_TRUE(sameRect(item(groupedA).rect(), rect(30, 60, 40, 80))) << describe(item(groupedA).rect());
    EXPECT_TRUE(sameRect(item(groupedB).rect(), rect(50, 60, 60, 80))) << describe(item(groupedB).rect());
    EXPECT_TRUE(sameRect(item(elsewhere).rect(), rect(10, 20, 30, 60)));
    EXPECT_EQ(item(group).groupRole(), host::model::GroupRole::Group);
    EXPECT_FALSE(item(group).isOpen());
    const host::model::Item* selection = items().find(items().current());
    ASSERT_NE(selection, nullptr);
    EXPECT_EQ(selection->members().size(), 2u);
}

TEST_F(GroupScaleTest, RefusedMemberListShowsItsMessage)
{
    struct RefusalCase {
        int32_t failingCall;  // the first list is the survey's, the second the scale's
        const char* message;
        bool scaled;
    } cases[] = {
        {1, "Memory problem 3!", true},
        {2, "Memory problem!", false},
    };
    setFactors(0.5, 0.5);
    for (const auto& c : cases) {
        const int32_t first = addBox(layout(), 0, rect(10, 20, 30, 60)).ref();
        const int32_t second = addBox(layout(), 0, rect(50, 100, 70, 140)).ref();
        const int32_t group = addGroup(layout(), {first, second}).ref();
        m_host->faults().failNth("GroupOp720", c.failingCall);
        scaleSelected({group});
        ASSERT_FALSE(messageTexts().empty());
        EXPECT_EQ(messageTexts().back(), c.message);
        EXPECT_EQ(sameRect(item(second).rect(), rect(50, 100, 70, 140)), !c.scaled) << c.message;
        EXPECT_EQ(item(group).groupRole(), host::model::GroupRole::Group);
        EXPECT_FALSE(item(group).isOpen()) << c.message;
        EXPECT_EQ(item(group).members(), (std::vector<int32_t>{first, second}));
        EXPECT_FALSE(m_engine->scaleActive());
        m_host->faults().clear();
    }
}

TEST_F(GroupScaleTest, AMemberMovesOnlyWhenItWasRecordedForUndo)
{
    // Whichever record read the host refuses, a member that moved can be put back by undo.
    setFactors(0.5, 0.5);
    const xt::FixedRect firstRect = rect(10, 20, 30, 60);
    const xt::FixedRect secondRect = rect(50, 100, 70, 140);
    int32_t reads = -m_host->faults().callCount("GetBoxRecord");
    {
        const int32_t first = addBox(layout(), 0, firstRect).ref();
        const int32_t second = addBox(layout(), 0, secondRect).ref();
        m_engine->clearUndo();
        scaleSelected({addGroup(layout(), {first, second}).ref()});
        ASSERT_FALSE(sameRect(item(second).rect(), secondRect)) << "a clean scale moves the members";
    }
    reads += m_host->faults().callCount("GetBoxRecord");
    ASSERT_GT(reads, 0) << "the clean scale read no record, so the loop below would fail nothing";
    for (int32_t failing = 1; failing <= reads; ++failing) {
        const int32_t first = addBox(layout(), 0, firstRect).ref();
        const int32_t second = addBox(layout(), 0, secondRect).ref();
        const int32_t group = addGroup(layout(), {first, second}).ref();
        m_engine->clearUndo();
        m_host->faults().failNth("GetBoxRecord", failing);
        scaleSelected({group});
        m_host->faults().clear();
        const auto entries = undoEntries();
        for (const auto& [member, before] : {std::pair{first, firstRect}, std::pair{second, secondRect}}) {
            const bool moved = !sameRect(item(member).rect(), before);
            const bool recorded = std::any_of(entries.begin(), entries.end(), [&](const UndoEntry& e) { return e.item == member; });
            EXPECT_TRUE(!moved || recorded) << "read " << failing << " refused, member " << member;
        }
    }
}

TEST_F(GroupScaleTest, TheUsersToolIsBackAfterEveryKindOfScale)
{
    const int32_t first = addBox(layout(), 0, rect(10, 20, 30, 60)).ref();
    const int32_t second = addBox(layout(), 0, rect(50, 100, 70, 140)).ref();
    const struct {
        const char* name;
        int32_t item;
    } cases[] = {
        {"box", addBox(layout(), 0, rect(200, 20, 230, 60)).ref()},
        {"group", addGroup(layout(), {first, second}).ref()},
        {"table", host::model::testdoc::addTable(layout(), 0, point(300, 20), {pt(40)}, {pt(20)}).ref()},
    };
    setFactors(0.5, 0.5);
    for (const int32_t tool : {0, 1}) {
        for (const auto& c : cases) {
            items().selection().setTool(tool);
            scaleSelected({c.item});
            EXPECT_EQ(items().selection().tool(), tool) << c.name;
        }
    }
}

TEST_F(GroupScaleTest, GroupShadowScalesWithTheGroup)
{
    const int32_t first = addBox(layout(), 0, rect(10, 20, 30, 60)).ref();
    const int32_t second = addBox(layout(), 0, rect(50, 100, 70, 140)).ref();
    auto& group = addGroup(layout(), {first, second});
    xt::DropShadowRecord shadow{};
    shadow.offsetAcross = pt(6);
    shadow.offsetDown = pt(4);
    group.setDropShadow(shadow);
    setFactors(0.5, 2.0);
    scaleSelected({group.ref()});
    ASSERT_TRUE(item(group.ref()).dropShadow().has_value());
    EXPECT_EQ(item(group.ref()).dropShadow()->offsetAcross, pt(3));
    EXPECT_EQ(item(group.ref()).dropShadow()->offsetDown, pt(2));
}

} // namespace
} // namespace amplex::testing
