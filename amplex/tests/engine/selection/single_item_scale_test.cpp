// ScaleSingleItem: an anchored item scales about its own upper left, its kind's keep-proportional
// switches forced on when "Anchored Boxes" says so, and everything it changed is put back.
#include "amplex/tests/engine_fixture.h"

namespace amplex::testing {
namespace {

using SingleItemScaleTest = EngineTest;
using host::model::testdoc::addBox;

TEST_F(SingleItemScaleTest, AnchoredGroupScalesWithItsSwitchesForcedAndPutBack)
{
    struct AnchoredCase {
        uint8_t keepAnchored;
        xt::FixedRect first;
        xt::FixedRect second;
    } cases[] = {
        {1, rect(10, 20, 20, 40), rect(50, 60, 60, 80)},  // picture boxes kept proportional for the call
        {0, rect(10, 20, 30, 40), rect(50, 60, 70, 80)},
    };
    setFactors(0.5, 1.0);
    settings().ScaleFrom = FromCenterOfSelection;  // not consulted for an anchored item
    settings().KeepPictureBoxesProportional = 0;
    for (const auto& c : cases) {
        const int32_t first = addBox(layout(), 0, rect(10, 20, 30, 60)).ref();
        const int32_t second = addBox(layout(), 0, rect(50, 100, 70, 140)).ref();
        const int32_t group = host::model::testdoc::addGroup(layout(), {first, second}).ref();
        const int32_t other = addBox(layout(), 0, rect(300, 300, 310, 310)).ref();
        settings().KeepAnchoredProportional = c.keepAnchored;
        host::model::testdoc::select(layout(), {other});
        m_engine->setOrigin(point(1, 2));
        m_engine->clearUndo();

        m_engine->scaleSingleItem(group);

        EXPECT_TRUE(sameRect(item(first).rect(), c.first)) << describe(item(first).rect());
        EXPECT_TRUE(sameRect(item(second).rect(), c.second)) << describe(item(second).rect());
        EXPECT_EQ(settings().KeepPictureBoxesProportional, 0);
        EXPECT_EQ(settings().KeepGraphicsProportional, 1);
        EXPECT_EQ(settings().KeepTextBoxesProportional, 0);
        EXPECT_EQ(m_engine->origin().v, pt(1));
        EXPECT_EQ(m_engine->origin().h, pt(2));
        EXPECT_EQ(items().current(), other);
        EXPECT_EQ(item(group).members(), (std::vector<int32_t>{first, second}));
        const auto entries = undoEntries();
        ASSERT_EQ(entries.size(), 2u);
        EXPECT_EQ(entries[0].AnchoredItem, 1);
    }
}

TEST_F(SingleItemScaleTest, AnchoredBoxScalesAboutItsOwnCorner)
{
    struct BoxCase {
        uint8_t keepAnchored;
        xt::FixedRect expected;
    } cases[] = {
        {1, rect(10, 20, 20, 40)},  // kept proportional by the smaller factor
        {0, rect(10, 20, 50, 40)},
    };
    settings().ScaleWhat = ScaleDocument;  // whatever the driver's origin, the box keeps its corner
    setFactors(0.5, 2.0);
    for (const auto& c : cases) {
        const int32_t box = addBox(layout(), 0, rect(10, 20, 30, 60)).ref();
        settings().KeepAnchoredProportional = c.keepAnchored;
        m_engine->setOrigin(point(0, 0));
        m_engine->scaleSingleItem(box);
        EXPECT_TRUE(sameRect(item(box).rect(), c.expected)) << describe(item(box).rect());
        EXPECT_EQ(m_engine->undoEntryCount(), 0);
    }
}

} // namespace
} // namespace amplex::testing
