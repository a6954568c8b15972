// Plain boxes scaled through ScaleSelection: origins by mode, keep-proportional switches, frame,
// outsets and drop shadow.
#include "amplex/tests/engine_fixture.h"

namespace amplex::testing {
namespace {

using PlainBoxScaleTest = EngineTest;

struct BoxCase {
    const char* name;
    int16_t scaleWhat;
    int16_t scaleFrom;
    double h, v;
    uint8_t keepPictureBoxes;
    uint8_t constrain;
    uint8_t scaleGraphics;
    xt::FixedRect expected;
};

TEST_F(PlainBoxScaleTest, RectangleLandsWhereModeAndSwitchesSay)
{
    // Every case scales the rectangle 10/20/30/60; the document modes scale about the driver's (0, 0).
    const BoxCase cases[] = {
        {"document mode about (0, 0)", ScaleDocument, FromUpperLeftOfSelection, 0.5, 2.0, 0, 0, 1, rect(20, 10, 60, 30)},
        {"selection: its own upper left", ScaleSelectionOnly, FromUpperLeftOfSelection, 0.5, 2.0, 0, 0, 1,
            rect(10, 20, 50, 40)},
        {"selection: its own centre", ScaleSelectionOnly, FromCenterOfSelection, 0.5, 2.0, 0, 0, 1, rect(0, 30, 40, 50)},
        // "Center of items" moves the origin to the box's own centre in every mode.
        {"document mode, centre of items", ScaleDocument, FromCenterOfItems, 0.5, 0.5, 0, 0, 1, rect(15, 30, 25, 50)},
        {"keep proportional: extents by the smaller", ScaleDocument, FromUpperLeftOfSelection, 0.5, 1.0, 1, 0, 1,
            rect(10, 10, 20, 30)},
        {"keep proportional ignored when constrained", ScaleDocument, FromUpperLeftOfSelection, 0.5, 1.0, 1, 1, 1,
            rect(10, 10, 30, 30)},
        {"Graphics off: the box stays", ScaleDocument, FromUpperLeftOfSelection, 0.5, 2.0, 0, 0, 0, rect(10, 20, 30, 60)},
        {"100 % leaves it alone", ScaleSelectionOnly, FromCenterOfSelection, 1.0, 1.0, 0, 0, 1, rect(10, 20, 30, 60)},
    };
    for (const auto& c : cases) {
        const int32_t box = host::model::testdoc::addBox(layout(), 0, rect(10, 20, 30, 60)).ref();
        settings().ScaleWhat = c.scaleWhat;
        settings().ScaleFrom = c.scaleFrom;
        settings().KeepPictureBoxesProportional = c.keepPictureBoxes;
        settings().Constrain = c.constrain;
        settings().ScaleGraphics = c.scaleGraphics;
        setFactors(c.h, c.v);
        if (c.scaleWhat == ScaleSelectionOnly)
            scaleSelected({box});
        else
            scaleInDocument(box, point(0, 0));
        EXPECT_TRUE(sameRect(item(box).rect(), c.expected))
            << c.name << ": " << describe(item(box).rect()) << " instead of " << describe(c.expected);
    }
}

TEST_F(PlainBoxScaleTest, FrameAndOutsetsFollowTheWidthAndTheirSwitches)
{
    struct FieldCase {
        uint8_t scalePictureBoxes;
        uint8_t scaleLines;
        double weight;
        double outset;
    } cases[] = {
        {1, 1, 1.0, 2.0},  // both by the factor across, 0.5
        {0, 1, 2.0, 2.0},
        {1, 0, 1.0, 4.0},
    };
    setFactors(0.5, 2.0);
    for (const auto& c : cases) {
        auto& box = host::model::testdoc::addBox(layout(), 0, rect(10, 20, 30, 60));
        box.setWeight(pt(2));
        box.setOutsets(pt(4), pt(4), pt(4), pt(4));
        settings().ScalePictureBoxes = c.scalePictureBoxes;
        settings().ScaleLines = c.scaleLines;
        scaleSelected({box.ref()});
        EXPECT_EQ(box.weight(), pt(c.weight));
        for (size_t side = 0; side < 4; ++side)
            EXPECT_EQ(box.outset(side), pt(c.outset)) << "side " << side;
    }
}

TEST_F(PlainBoxScaleTest, BoxOfAHostServiceMovesByTheFactorsAndKeepsItsSize)
{
    auto& box = host::model::testdoc::addBox(layout(), 0, rect(10, 20, 30, 60));
    items().setServiceOwnsBoxes(true);
    settings().KeepPictureBoxesProportional = 1;  // the move still follows the plain factors
    setFactors(0.5, 2.0);
    scaleInDocument(box.ref(), point(0, 0));
    EXPECT_TRUE(sameRect(box.rect(), rect(20, 10, 40, 50))) << describe(box.rect());
}

TEST_F(PlainBoxScaleTest, DropShadowScalesByTheSmallerFactor)
{
    auto& box = host::model::testdoc::addBox(layout(), 0, rect(10, 20, 30, 60));
    xt::DropShadowRecord shadow{};
    shadow.offsetAcross = pt(6);
    shadow.offsetDown = pt(4);
    box.setDropShadow(shadow);
    setFactors(0.5, 2.0);
    scaleSelected({box.ref()});
    ASSERT_TRUE(box.dropShadow().has_value());
    EXPECT_EQ(box.dropShadow()->offsetAcross, pt(3));
    EXPECT_EQ(box.dropShadow()->offsetDown, pt(2));
}

TEST_F(PlainBoxScaleTest, PageRangeScalesOnlyTheChosenPage)
{
    useFacingSpread();
    const int32_t onLeft = host::model::testdoc::addBox(layout(), 1, rect(10, 20, 30, 60)).ref();
    const int32_t onRight = host::model::testdoc::addBox(layout(), 2, rect(10, 700, 30, 740)).ref();
    setFactors(0.5, 0.5);
    scaleInPageRange({onLeft, onRight}, onLeft);
    EXPECT_TRUE(sameRect(item(onLeft).rect(), rect(5, 10, 15, 30))) << describe(item(onLeft).rect());
    EXPECT_TRUE(sameRect(item(onRight).rect(), rect(10, 700, 30, 740))) << describe(item(onRight).rect());
}

TEST_F(PlainBoxScaleTest, NothingHappensWithoutACurrentItem)
{
    const int32_t box = host::model::testdoc::addBox(layout(), 0, rect(10, 20, 30, 60)).ref();
    host::model::testdoc::select(layout(), {});
    m_engine->scaleSelection();
    EXPECT_TRUE(sameRect(item(box).rect(), rect(10, 20, 30, 60)));
    EXPECT_EQ(m_engine->undoEntryCount(), 0);
    EXPECT_FALSE(m_engine->scaleActive());
}

} // namespace
} // namespace amplex::testing
