// The host's Undo and Redo of an Amplex scale: every recorded item back exactly as it was saved,
// and the same scale again.
#include "amplex/tests/commands_fixture.h"
#include "testing/test_text.h"
#include "xtapi/messages.h"

namespace amplex::testing {
namespace {

using namespace host::model::testdoc;

class UndoRedoTest : public CommandTest {
protected:
    /// A plain box, a text box with two paragraphs, a line, a polygon, a picture box, a real group
    /// of two boxes and a box of the old rectangle shape, all selected.
    std::vector<int32_t> buildPage()
    {
        const int32_t plain = addBox(layout(), 0, rect(50, 50, 150, 250)).ref();
        const int32_t text = addTextBox(layout(), 0, rect(200, 50, 400, 300)).ref();
        setType(layout(), text, 1, pt(12));
        setText(layout(), text, "A first paragraph of text.\rAnd a second one.");
        const int32_t line = addLine(layout(), 0, point(450, 50), point(500, 250)).ref();
        const int32_t polygon = addShape(layout(), 0, {point(520, 60), point(600, 100), point(560, 200)}).ref();
        const int32_t picture = addPictureBox(layout(), 0, rect(50, 320, 150, 420)).ref();
        const int32_t a = addBox(layout(), 0, rect(200, 350, 250, 400)).ref();
        const int32_t b = addBox(layout(), 0, rect(260, 350, 300, 420)).ref();
        const int32_t group = addGroup(layout(), {a, b}).ref();
        // The old rectangle shape 0 scales like shapes 5 to 9 and must come back like them.
        const int32_t oldShape = addBox(layout(), 0, rect(600, 50, 650, 150), xt::BoxKind::Plain, xt::shape::kRectangleOld).ref();
        return {plain, text, line, polygon, picture, group, oldShape};
    }

    void scaleAll(double horizontal, double vertical)
    {
        select(buildPage());
        setFactors(horizontal, vertical);
        m_commands->scaleWithSettings();
    }
};

TEST_F(UndoRedoTest, UndoRestoresEveryItemAndRedoScalesAgain)
{
    select(buildPage());
    setFactors(0.5, 0.75);
    const std::string before = saved();
    m_commands->scaleWithSettings();
    const std::string scaled = saved();
    ASSERT_NE(scaled, before);
    ASSERT_EQ(m_host->undoText(), "Undo Amplex");

    ASSERT_TRUE(m_host->undo());
    EXPECT_EQ(saved(), before);
    EXPECT_EQ(m_host->redoText(), "Redo Amplex");

    ASSERT_TRUE(m_host->redo());
    EXPECT_EQ(saved(), scaled);

    // Redo recorded the scale afresh, so a second undo goes back to the state before it.
    ASSERT_TRUE(m_host->undo());
    EXPECT_EQ(saved(), before);
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(UndoRedoTest, UndoTwiceRestoresTheSameStateTwice)
{
    const std::vector<int32_t> refs = buildPage();
    select(refs);
    setFactors(1.5, 1.25);
    const std::string before = saved();
    m_commands->scaleWithSettings();
    ASSERT_TRUE(m_host->undo());
    ASSERT_EQ(saved(), before);

    // The user moves a box by hand; the list still holds the state before the scale.
    items().find(refs[0])->setRect(rect(10, 10, 20, 20));
    m_host->sendMessage(xt::UndoMessage);

    EXPECT_EQ(saved(), before);
}

TEST_F(UndoRedoTest, RedoRepeatsTheScaleItUndidWhateverTheSettingsSayNow)
{
    scaleAll(0.5, 0.5);
    const std::string scaled = saved();
    ASSERT_TRUE(m_host->undo());

    setFactors(3, 3);
    settings().ScaleWhat = ScaleDocument;
    settings().ScaleFrom = FromCenterOfItems;
    ASSERT_TRUE(m_host->redo());

    EXPECT_EQ(saved(), scaled);
    // The live settings are the user's again.
    EXPECT_EQ(settings().HorizontalFactor, pt(3));
    EXPECT_EQ(settings().ScaleWhat, ScaleDocument);
}

TEST_F(UndoRedoTest, UndoPutsBackAFitToMove)
{
    const int32_t box = addBox(layout(), 0, rect(100, 100, 200, 300)).ref();
    select({box});
    settings().FitToChoice = 1;
    settings().Constrain = 1;
    m_commands->setFitTo(true, false);
    const std::string before = saved();
    m_commands->scaleWithSettings();
    ASSERT_FALSE(sameRect(boundsOf(box), rect(100, 100, 200, 300)));

    ASSERT_TRUE(m_host->undo());

    EXPECT_EQ(saved(), before);
}

TEST_F(UndoRedoTest, ALinkedChainIsRestoredOnceAndKeepsNoMarker)
{
    const int32_t first = addTextBox(layout(), 0, rect(50, 50, 120, 200)).ref();
    const int32_t second = addTextBox(layout(), 0, rect(150, 50, 220, 200)).ref();
    const int32_t alone = addTextBox(layout(), 1, rect(50, 50, 120, 200)).ref();
    setType(layout(), first, 1, pt(10));
    setText(layout(), first, "Text that runs on from the first box of the chain into the second box of it.");
    ASSERT_TRUE(linkChain(layout(), {first, second}));
    (void)alone;
    select({first, second});
    setFactors(2, 2);
    m_host->user().answer(host::ui::Button::Yes);
    const std::string before = saved();
    m_commands->scaleWithSettings();
    ASSERT_NE(saved(), before);

    ASSERT_TRUE(m_host->undo());

    // No box keeps the "VRNU" marker: the saved document is the one before the scale.
    EXPECT_EQ(saved(), before);
}

TEST_F(UndoRedoTest, ATableComesBackCellByCellAndScalesAgainOnce)
{
    // The cells' empty stories are made when a scale first reads them; only the items are compared.
    auto itemsOnly = [this] {
        const std::string all = saved();
        return all.substr(all.find("\nitem "));
    };
    const int32_t table = addTable(layout(), 0, point(100, 100), {pt(60), pt(80)}, {pt(20), pt(30)}).ref();
    select({table});
    setFactors(1.5, 2);
    const std::string before = itemsOnly();
    m_commands->scaleWithSettings();
    const std::string scaled = itemsOnly();
    ASSERT_NE(scaled, before);

    ASSERT_TRUE(m_host->undo());
    EXPECT_EQ(itemsOnly(), before);
    ASSERT_TRUE(m_host->redo());
    EXPECT_EQ(itemsOnly(), scaled);
}

TEST_F(UndoRedoTest, UndoWithNothingRecordedChangesNothing)
{
    const int32_t box = addBox(layout(), 0, rect(100, 100, 200, 300)).ref();
    (void)box;
    const std::string before = saved();

    m_host->sendMessage(xt::UndoMessage);
    m_host->sendMessage(xt::RedoMessage);

    EXPECT_EQ(saved(), before);
}

} // namespace
} // namespace amplex::testing
