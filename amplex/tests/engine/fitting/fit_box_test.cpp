// Fit Box to Text and to Picture, and the bottom-edge move they use.
#include "amplex/tests/fit_fixture.h"

namespace amplex::testing {
namespace {

namespace testdoc = host::model::testdoc;
using host::model::testdoc::point;

// Three lines of 10 pt mono type: 36 pt of lines and 1 pt insets above and below.
constexpr std::string_view kThreeLines = "one\rtwo\rthree";
constexpr double kThreeLinesDepth = 38;

class FitBoxTest : public FitTest {
protected:
    void SetUp() override
    {
        FitTest::SetUp();
        settings().FitCommand = FitBoxToStory;
    }

    xt::FixedRect boundsOf(int32_t ref) { return layout().items().bounds(item(ref)); }
    double height(int32_t ref)
    {
        const xt::FixedRect r = boundsOf(ref);
        return (r.bottom - r.top) / 65536.0;
    }
    /// Whether the text would overflow with the box's bottom `by` points higher; the box is put back.
    bool overflowsWhenShorter(int32_t box, double by)
    {
        const xt::FixedRect kept = item(box).rect();
        xt::FixedRect shorter = kept;
        shorter.bottom -= pt(by);
        item(box).setRect(shorter);
        const bool result = overflows(box);
        item(box).setRect(kept);
        return result;
    }
};

TEST_F(FitBoxTest, AOneColumnBoxTakesTheDepthOfItsTextInOneStep)
{
    for (const double startHeight : {20.0, 38.0, 300.0}) {
        SCOPED_TRACE(startHeight);
        const int32_t box = textBox(rect(10, 20, 10 + startHeight, 120), kThreeLines);
        const int32_t probesBefore = probes();

        m_fit->fitBoxToText(box);

        EXPECT_EQ(boundsOf(box).top, pt(10));
        EXPECT_EQ(boundsOf(box).left, pt(20));
        EXPECT_EQ(boundsOf(box).right, pt(120));
        EXPECT_DOUBLE_EQ(height(box), kThreeLinesDepth);
        EXPECT_EQ(probes() - probesBefore, 1);
        EXPECT_FALSE(overflows(box));
        EXPECT_EQ(openUndoSteps(), 0);
        EXPECT_EQ(m_host->undoText(), "Undo Amplex");
        EXPECT_EQ(story(box).selection(), (host::model::TextRange{0, story(box).length()}));
    }
}

TEST_F(FitBoxTest, FitBoxToSelectionTakesTheDepthDownToTheSelectionsEnd)
{
    const int32_t box = textBox(rect(0, 0, 300, 100), kThreeLines);
    settings().FitCommand = FitBoxToSelection;
    story(box).select(4, 6); // in "two"
    m_fit->fitBoxToText(box);
    EXPECT_DOUBLE_EQ(height(box), 1 + 24 + 1);
    EXPECT_EQ(story(box).selection(), (host::model::TextRange{4, 6}));
}

TEST_F(FitBoxTest, AMultiColumnBoxEndsAtMostOnePointTallerThanNeeded)
{
    const struct {
        const char* name;
        double startHeight;
    } cases[] = {
        {"overset: grows by 1 pt steps", 20},
        {"room to spare: shrinks by 10 pt, grows back by 1 pt", 300},
    };
    const std::string text(120, 'x');
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t box = textBox(rect(0, 0, c.startHeight, 200), text + "\r", 2);

        m_fit->fitBoxToText(box);

        EXPECT_FALSE(overflows(box));
        EXPECT_TRUE(overflowsWhenShorter(box, 1.0)) << height(box);
        EXPECT_EQ(openUndoSteps(), 0);
    }
}

TEST_F(FitBoxTest, ABoxWhoseTextRunsOnKeepsTheRangesEndInItself)
{
    const int32_t first = textBox(rect(0, 0, 300, 100), kThreeLines);
    const int32_t second = testdoc::addTextBox(layout(), 0, rect(400, 0, 500, 100)).ref();
    ASSERT_TRUE(testdoc::linkChain(layout(), {first, second}));
    testdoc::select(layout(), {first});
    settings().FitCommand = FitBoxToSelection;
    story(first).select(0, 3); // "one", the first line

    m_fit->fitBoxToText(first);

    EXPECT_EQ(boxHolding(first, 3), first);
    // Shrunk in 10 pt steps until "one" left the box, then grown back in 1 pt steps.
    EXPECT_LT(height(first), 1 + 12 + 1 + 1);
    EXPECT_GE(height(first), 1 + 12 + 1);
    EXPECT_EQ(openUndoSteps(), 0);
}

TEST_F(FitBoxTest, NothingToFitChangesNothingAndLeavesNoUndoStepOpen)
{
    const struct {
        const char* name;
        std::string_view text;
        FitCommandChoice command;
    } cases[] = {
        {"empty story", "", FitBoxToStory},
        {"collapsed selection", kThreeLines, FitBoxToSelection},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t box = textBox(rect(0, 0, 300, 100), c.text);
        settings().FitCommand = c.command;
        story(box).select(0, 0);
        m_fit->fitBoxToText(box);
        EXPECT_DOUBLE_EQ(height(box), 300);
        EXPECT_EQ(openUndoSteps(), 0);
    }
}

TEST_F(FitBoxTest, GrowBoxByMovesTheBottomEdgeOfRectanglesAndOutlinesOnly)
{
    const int32_t framed = testdoc::addBox(layout(), 0, rect(10, 10, 50, 50), xt::BoxKind::Plain, 5).ref();
    const int32_t oldFramed = testdoc::addBox(layout(), 0, rect(10, 10, 50, 50), xt::BoxKind::Plain, 0).ref();
    const int32_t outline = testdoc::addShape(layout(), 0, {point(10, 10), point(10, 50), point(50, 30)},
        xt::shape::kPolygon, xt::BoxKind::Plain).ref();
    const int32_t line = testdoc::addLine(layout(), 0, point(10, 10), point(10, 50)).ref();
    const struct {
        const char* name;
        int32_t ref;
        double delta;
        bool changes;
        double bottom;
    } cases[] = {
        {"rectangle down", framed, 5, true, 55},
        {"rectangle up", framed, -10, true, 45},
        {"shape 0 is a rectangle too", oldFramed, -10, true, 40},
        {"outline", outline, 10, true, 60},
        {"line", line, 10, false, 10},
        // A bottom above the top would turn the box inside out.
        {"not past the top", framed, -100, false, 45},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(m_fit->growBoxBy(c.ref, pt(c.delta)), c.changes);
        EXPECT_EQ(boundsOf(c.ref).top, pt(10));
        EXPECT_EQ(boundsOf(c.ref).bottom, pt(c.bottom));
    }
}

class FitPictureTest : public FitBoxTest {
protected:
    int32_t pictureBox(const xt::FixedRect& bounds, double across, double down, int16_t width, int16_t height)
    {
        const int32_t box = testdoc::addPictureBox(layout(), 0, bounds).ref();
        xt::PictureFields picture = item(box).picture();
        picture.bounds[2] = width;
        picture.bounds[3] = height;
        picture.offsets[0] = pt(7);
        picture.offsets[1] = pt(9);
        picture.scales[0] = pt(across);
        picture.scales[1] = pt(down);
        item(box).setPicture(picture);
        testdoc::select(layout(), {box});
        return box;
    }
};

TEST_F(FitPictureTest, TheBoxTakesThePicturesScaledSizeAndThePictureItsCorner)
{
    // A picture 100 by 50 pt at 50 % across and 200 % down.
    const int32_t box = pictureBox(rect(10, 20, 30, 40), 0.5, 2.0, 100, 50);

    m_fit->fitBoxToPicture(box);

    const xt::FixedRect bounds = boundsOf(box);
    EXPECT_EQ(bounds.top, pt(10));
    EXPECT_EQ(bounds.left, pt(20));
    EXPECT_EQ(bounds.right, pt(20 + 50));
    EXPECT_EQ(bounds.bottom, pt(10 + 100));
    EXPECT_EQ(xt::Fixed{item(box).picture().offsets[0]}, 0);
    EXPECT_EQ(xt::Fixed{item(box).picture().offsets[1]}, 0);
    EXPECT_EQ(openUndoSteps(), 0);
    EXPECT_EQ(m_host->undoText(), "Undo Amplex");
}

TEST_F(FitPictureTest, OnlyAPictureBoxWithAPictureIsFitted)
{
    const int32_t empty = pictureBox(rect(10, 20, 30, 40), 1, 1, 0, 0);
    m_fit->fitBoxToPicture(empty);
    EXPECT_EQ(boundsOf(empty).bottom, pt(30));
    EXPECT_EQ(xt::Fixed{item(empty).picture().offsets[0]}, pt(7));

    // A text box's bytes at the picture offsets are its columns: they must stay.
    const int32_t text = textBox(rect(0, 0, 40, 200), kThreeLines, 2);
    m_fit->fitBoxToPicture(text);
    EXPECT_EQ(item(text).text().columns, 2);
    EXPECT_EQ(boundsOf(text).bottom, pt(40));

    m_fit->fitBoxToPicture(0);
    EXPECT_EQ(openUndoSteps(), 0);
    EXPECT_EQ(m_host->undoText(), "");
}

} // namespace
} // namespace amplex::testing
