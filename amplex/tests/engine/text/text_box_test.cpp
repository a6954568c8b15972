// A text box's own scale: its geometry by shape, the spacing fields that shrink before it and grow
// after it, and the minimum size its frame, spacing and columns allow.
#include "amplex/tests/text_scale_fixture.h"

namespace amplex::testing {
namespace {

namespace testdoc = host::model::testdoc;

class TextBoxTest : public TextScaleTest {
protected:
    void SetUp() override
    {
        TextScaleTest::SetUp();
        settings().ScaleText = 1;
    }

    /// A box with a frame, a gutter, spacing, the two further lengths and outsets.
    int32_t furnishedBox()
    {
        const int32_t box = textBox(rect(10, 20, 30, 60), "Text\r");
        host::model::Item& it = item(box);
        it.setWeight(pt(2));
        it.setOutsets(pt(1), pt(2), pt(3), pt(4));
        xt::TextFields fields = it.text();
        fields.gutter = pt(12);
        fields.insetTop = pt(4);
        fields.insetsAcross[0] = pt(6);
        fields.insetsAcross[1] = pt(8);
        fields.insetBottom = pt(10);
        fields.lengths[0] = pt(3);
        fields.lengths[1] = pt(5);
        it.setText(fields);
        return box;
    }

    static void expectRect(const xt::FixedRect& actual, const xt::FixedRect& expected)
    {
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.bottom, expected.bottom);
        EXPECT_EQ(actual.right, expected.right);
    }
};

TEST_F(TextBoxTest, TheRectangleMovesByTheFactorsAndKeepsItsProportionsWhenAsked)
{
    const struct {
        const char* name;
        int16_t scaleFrom;
        bool keepProportional;
        bool scaleText;
        xt::FixedRect expected;
    } cases[] = {
        {"plain", FromUpperLeftOfSelection, false, true, rect(20, 10, 60, 30)},
        // The corner still moves by 0.5 across and 2.0 down; the size goes by the smaller factor.
        {"kept proportional", FromUpperLeftOfSelection, true, true, rect(20, 10, 30, 30)},
        {"about its own corner", FromUpperLeftOfItems, false, true, rect(10, 20, 50, 40)},
        {"about its own centre", FromCenterOfItems, false, true, rect(0, 30, 40, 50)},
        {"\"Text\" off", FromUpperLeftOfSelection, false, false, rect(10, 20, 30, 60)},
    };
    setFactors(0.5, 2.0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t box = textBox(rect(10, 20, 30, 60));
        settings().ScaleFrom = c.scaleFrom;
        settings().KeepTextBoxesProportional = c.keepProportional;
        settings().ScaleText = c.scaleText;
        m_text->setOrigin({0, 0});
        m_text->scaleTextBox(box);
        expectRect(item(box).rect(), c.expected);
    }
}

TEST_F(TextBoxTest, SpacingShrinksBeforeTheResizeAndGrowsAfterIt)
{
    const struct {
        const char* name;
        bool keepProportional;
        double weight, gutter, insetTop, across[2], insetBottom, lengths[2], outsets[4];
    } cases[] = {
        {"plain", false, 1, 6, 8, {3, 4}, 20, {6, 10}, {2, 1, 6, 2}},
        // Hs = Vs = 0.5: nothing grows, and the vertical spacing does not shrink either (V is 2.0).
        {"kept proportional", true, 1, 6, 4, {3, 4}, 10, {1.5, 2.5}, {0.5, 1, 1.5, 2}},
    };
    settings().ScalePictureBoxes = 1;
    settings().ScaleAnchoredBoxes = 1;
    settings().ScaleLines = 1;
    setFactors(0.5, 2.0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        settings().KeepTextBoxesProportional = c.keepProportional;
        const int32_t box = furnishedBox();
        m_text->scaleTextBox(box);
        const host::model::Item& it = item(box);
        EXPECT_EQ(it.weight(), pt(c.weight));
        EXPECT_EQ(it.text().gutter, pt(c.gutter));
        EXPECT_EQ(it.text().insetTop, pt(c.insetTop));
        EXPECT_EQ(it.text().insetsAcross[0], pt(c.across[0]));
        EXPECT_EQ(it.text().insetsAcross[1], pt(c.across[1]));
        EXPECT_EQ(it.text().insetBottom, pt(c.insetBottom));
        EXPECT_EQ(it.text().lengths[0], pt(c.lengths[0]));
        EXPECT_EQ(it.text().lengths[1], pt(c.lengths[1]));
        for (size_t side = 0; side < 4; ++side)
            EXPECT_EQ(it.outset(side), pt(c.outsets[side])) << "outset " << side;
    }
}

TEST_F(TextBoxTest, ABoxBelowItsMinimumWarnsAndTakesTheScaledSize)
{
    const struct {
        const char* name;
        xt::FixedRect bounds;
        double weight;
        uint8_t columns;
        double gutter;
        bool warnings;
        const char* message;  // null: none
        xt::FixedRect scaled;
    } cases[] = {
        // The frame halves to 0.5 pt: the minimum is 3 pt.
        {"too low", rect(0, 0, 5, 20), 1, 1, 0, true, "Minimum Text box height is 3 pt", rect(0, 0, 2.5, 10)},
        // Two columns: the gutter halves to 6 pt and counts at half again, 3 pt; the message
        // names the base of 2 pt.
        {"too narrow", rect(0, 0, 40, 8), 0, 2, 12, true, "Minimum Text box width is 2 pt", rect(0, 0, 20, 4)},
        {"too small", rect(0, 0, 2, 2), 0, 1, 0, true, "Minimum Text box width and height are 2 pt", rect(0, 0, 1, 1)},
        {"warnings off", rect(0, 0, 2, 2), 0, 1, 0, false, nullptr, rect(0, 0, 1, 1)},
        {"large enough", rect(0, 0, 40, 40), 1, 3, 12, true, nullptr, rect(0, 0, 20, 20)},
    };
    settings().ScalePictureBoxes = 1;
    settings().ScaleAnchoredBoxes = 1;
    setFactors(0.5, 0.5);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        settings().SizeWarnings = c.warnings;
        const int32_t box = textBox(c.bounds);
        item(box).setWeight(pt(c.weight));
        xt::TextFields fields = item(box).text();
        fields.columns = c.columns;
        fields.gutter = pt(c.gutter);
        item(box).setText(fields);
        const size_t shown = m_host->messageBoxes().size();
        m_text->scaleTextBox(box);
        ASSERT_EQ(m_host->messageBoxes().size() - shown, c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(m_host->messageBoxes().back().text, c.message);
        }
        expectRect(item(box).rect(), c.scaled);
    }
}

TEST_F(TextBoxTest, TextOnALineHasItsFrameScaledOnce)
{
    const struct {
        const char* name;
        bool lineWeights;
        xt::FixedRect line;
    } cases[] = {
        {"line scaled", true, rect(50, 50, 50, 100)},
        {"line kept", false, rect(100, 100, 100, 200)},
    };
    settings().ScalePictureBoxes = 1;
    settings().ScaleLeading = 1;
    setFactors(0.5, 0.5);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        settings().ScaleLineWeights = c.lineWeights;
        host::model::Item& line = testdoc::addBox(layout(), 0, rect(100, 100, 100, 200), xt::BoxKind::Text, xt::shape::kLine);
        line.setWeight(pt(2));
        story(line.ref()).insert(0, text16("On a line"));
        m_text->setOrigin({0, 0});
        m_text->scaleTextBox(line.ref());
        expectRect(item(line.ref()).rect(), c.line);
        EXPECT_EQ(item(line.ref()).weight(), pt(1)) << "halved once";
        EXPECT_EQ(sizeAt(line.ref(), 0), pt(6));
    }
}

TEST_F(TextBoxTest, AShapedTextBoxScalesItsOutline)
{
    settings().ScaleLineWeights = 1;
    settings().ScaleDropShadows = 1;
    const auto& polygon = testdoc::addShape(layout(), 0,
        {testdoc::point(10, 20), testdoc::point(10, 120), testdoc::point(60, 120)}, xt::shape::kPolygon, xt::BoxKind::Text);
    const int32_t box = polygon.ref();
    setFactors(0.5, 2.0);
    m_text->scaleTextBox(box);
    expectRect(item(box).shapeData()->rect(), rect(20, 10, 120, 60));
}

TEST_F(TextBoxTest, ABoxAHostServiceHoldsKeepsItsFieldsAndGeometry)
{
    settings().ScalePictureBoxes = 1;
    settings().ScaleAnchoredBoxes = 1;
    const int32_t box = furnishedBox();
    layout().items().setServiceOwnsBoxes(true);
    setFactors(0.5, 0.5);
    m_text->scaleTextBox(box);
    expectRect(item(box).rect(), rect(10, 20, 30, 60));
    EXPECT_EQ(item(box).weight(), pt(2));
    EXPECT_EQ(item(box).text().gutter, pt(12));
    EXPECT_EQ(item(box).text().insetTop, pt(4));
}

TEST_F(TextBoxTest, ACellTakesItsTablesCentreAsTheOrigin)
{
    const auto& table = testdoc::addTable(layout(), 0, testdoc::point(100, 100), {pt(40), pt(60)}, {pt(20)});
    const int32_t cell = table.members().at(1);
    const xt::FixedRect before = item(cell).rect();
    settings().ScaleFrom = FromCenterOfItems;
    setFactors(0.5, 0.5);
    m_text->setTableScaled(true);
    m_text->scaleTextBox(cell);
    m_text->setTableScaled(false);
    // The table runs from (100, 100) to (120, 200): its centre is (110, 150).
    const xt::FixedPoint origin = m_text->origin();
    EXPECT_EQ(origin.v, pt(110));
    EXPECT_EQ(origin.h, pt(150));
    EXPECT_EQ(item(cell).rect().left, pt(150) + (before.left - pt(150)) / 2);
}

} // namespace
} // namespace amplex::testing
