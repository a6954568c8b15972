// The "Amplex..." menu item and the palette item, as the host sends their menu commands.
#include "amplex/tests/commands_fixture.h"
#include "xtapi/messages.h"

namespace amplex::testing {
namespace {

using host::model::testdoc::addBox;

class MenuCommandTest : public CommandTest {
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        m_host->startSession();
    }

    int32_t sendItem(uint16_t item)
    {
        xt::MenuCommandBlock block{};
        block.itemId = item;
        return m_host->sendMessage(xt::MenuCommandMessage, &block);
    }

    host::ui::DialogUser& dialogUser() { return m_host->windows().dialogUser(); }
    const std::vector<host::ui::DialogRecord>& dialogs() { return m_host->windows().dialogLog().entries(); }
};

TEST_F(MenuCommandTest, WithNothingSelectedTheDialogOpensOnTheWholeDocumentAtFullSize)
{
    setFactors(0.5, 0.5);
    settings().ScaleWhat = ScaleSelectionOnly;
    dialogUser().cancel();
    const std::string before = saved();

    EXPECT_EQ(sendItem(m_commands->amplexItem()), 0);

    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs()[0].outcome, host::ui::DialogOutcome::Cancelled);
    EXPECT_TRUE(m_commands->noSelection());
    EXPECT_EQ(settings().ScaleWhat, ScaleDocument);
    EXPECT_EQ(settings().HorizontalFactor, pt(1));
    EXPECT_EQ(settings().VerticalEntry, pt(1));
    EXPECT_TRUE(sameRect(m_commands->selectionBounds(), rect(0, 0, 792, 612)));
    // Cancel leaves the document and the undo as they were.
    EXPECT_EQ(saved(), before);
    EXPECT_EQ(m_host->undoText(), "");
}

TEST_F(MenuCommandTest, WithABoxSelectedTheDialogOpensOnTheSelection)
{
    const int32_t box = addBox(layout(), 0, rect(100, 120, 200, 300)).ref();
    select({box});
    settings().ScaleWhat = ScaleDocument;
    dialogUser().cancel();

    sendItem(m_commands->amplexItem());

    EXPECT_FALSE(m_commands->noSelection());
    EXPECT_EQ(settings().ScaleWhat, ScaleSelectionOnly);
    EXPECT_TRUE(sameRect(m_commands->selectionBounds(), rect(100, 120, 200, 300)));
}

TEST_F(MenuCommandTest, OkScalesTheSelectionInOneUndoableStep)
{
    const int32_t box = addBox(layout(), 0, rect(100, 100, 200, 300)).ref();
    select({box});
    setFactors(0.5, 0.5);
    settings().HorizontalEntry = settings().VerticalEntry = pt(0.5);
    settings().ScaleFrom = FromUpperLeftOfSelection;
    dialogUser().ok();

    sendItem(m_commands->amplexItem());

    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs()[0].outcome, host::ui::DialogOutcome::Ok);
    EXPECT_TRUE(sameRect(boundsOf(box), rect(100, 100, 150, 200)));
    EXPECT_EQ(m_host->undoText(), "Undo Amplex");
}

// A host call that fails while the dialog shows or reads its items leaves nothing to trust in what
// the user chose: nothing is scaled, and the user is told.
TEST_F(MenuCommandTest, ADialogTheHostFailsScalesNothingAndSaysSo)
{
    const std::pair<const char*, int32_t> failures[] = {
        {"SetFieldNumber", 2},     // the vertical value field is not made a percentage field
        {"TabOp1685", 1},          // the Scale page is not added
        {"BeginWindowDrawing", 1}, // the Scale page cannot be read at OK
        {"GetFieldNumber", 1},     // a field cannot be read at OK (text that is no number keeps its entry)
    };
    const int32_t box = addBox(layout(), 0, rect(100, 100, 200, 300)).ref();
    for (const auto& [call, nth] : failures) {
        select({box});
        setFactors(0.5, 0.5);
        settings().HorizontalEntry = settings().VerticalEntry = pt(0.5);
        dialogUser().ok();
        m_host->faults().failNth(call, nth);
        const size_t shown = messageTexts().size();

        sendItem(m_commands->amplexItem());

        ASSERT_EQ(messageTexts().size(), shown + 1) << call;
        EXPECT_EQ(messageTexts().back(), "Amplex could not use its dialog, so nothing was scaled.") << call;
        EXPECT_TRUE(sameRect(boundsOf(box), rect(100, 100, 200, 300))) << call;
        EXPECT_EQ(m_host->undoText(), "") << call;
    }
}

// A change the host refuses part way through a scale is reported; Undo then puts back what changed.
TEST_F(MenuCommandTest, AFailedChangeDuringTheScaleIsReportedAndUndone)
{
    const int32_t first = addBox(layout(), 0, rect(100, 100, 200, 300)).ref();
    const int32_t second = addBox(layout(), 0, rect(300, 100, 400, 300)).ref();
    select({first, second});
    setFactors(0.5, 0.5);
    settings().HorizontalEntry = settings().VerticalEntry = pt(0.5);
    settings().ScaleFrom = FromUpperLeftOfSelection;
    dialogUser().ok();
    const std::string before = saved();
    m_host->faults().failNth("BoxRecordOp3010", 2);

    sendItem(m_commands->amplexItem());

    EXPECT_EQ(messageTexts(), std::vector<std::string>{
        "Amplex could not finish scaling: the host refused a change, so some items may be left part scaled."});
    ASSERT_EQ(m_host->undoText(), "Undo Amplex");
    ASSERT_TRUE(m_host->undo());
    EXPECT_EQ(saved(), before);
}

TEST_F(MenuCommandTest, AnItemOfAnotherPlugInIsPassedOver)
{
    const int32_t box = addBox(layout(), 0, rect(100, 100, 200, 300)).ref();
    select({box});
    const std::string before = saved();

    EXPECT_EQ(sendItem(static_cast<uint16_t>(m_commands->amplexItem() + 100)), 0);

    EXPECT_TRUE(dialogs().empty());
    EXPECT_EQ(saved(), before);
}

TEST_F(MenuCommandTest, ThePaletteItemOpensAClosedPaletteAndClosesAnOpenOne)
{
    ASSERT_FALSE(m_commands->paletteShown());

    EXPECT_EQ(sendItem(m_commands->paletteItem()), 0);
    EXPECT_TRUE(m_commands->paletteShown());

    EXPECT_EQ(sendItem(m_commands->paletteItem()), 0);
    EXPECT_FALSE(m_commands->paletteShown());
    EXPECT_TRUE(dialogs().empty());
}

TEST_F(MenuCommandTest, IdleDoesNothing)
{
    const std::string before = saved();
    EXPECT_EQ(m_host->sendMessage(xt::IdleMessage), 0);
    EXPECT_EQ(saved(), before);
}

} // namespace
} // namespace amplex::testing
