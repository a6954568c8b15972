// The Scale dialog run as the commands run it: its tabs, and what OK, Cancel and "Use Settings" leave behind.
#include "amplex/tests/ui_fixture.h"
#include "amplex/ui/scale_page.h"
#include "win32/standin.h"

namespace amplex::testing {
namespace {

using host::ui::ItemScope;
using namespace amplex::ui;

class ScaleDialogTest : public AmplexUiTest {};

TEST_F(ScaleDialogTest, OkReadsThePagesIntoTheRecord)
{
    settings().HorizontalFactor = xt::kFixedOne;
    user().setText(HorizontalField, "50%");
    user().ok();
    EXPECT_EQ(runDialog(), 1);
    EXPECT_FALSE(state().cancelled());
    EXPECT_EQ(settings().HorizontalFactor, 0x8000);
    ASSERT_NE(lastDialog(), nullptr);
    EXPECT_EQ(lastDialog()->title, " VORNE Amplex");
    EXPECT_TRUE(lastDialog()->problems.empty());
}

TEST_F(ScaleDialogTest, CancelMarksTheDialogCancelledButKeepsOptionClicks)
{
    settings().ScaleGuides = 1;
    settings().ScaleWhat = ScaleDocument; // "Guides" is offered for the whole document only
    user().tab(1);
    user().click(17); // "Guides"
    user().cancel();
    EXPECT_EQ(runDialog(), 0);
    EXPECT_TRUE(state().cancelled());
    EXPECT_EQ(settings().ScaleGuides, 0);
}

TEST_F(ScaleDialogTest, UseSettingsStoresSizesAsFactorsButKeepsTheWantedSize)
{
    settings().ScaleByPercent = 0;
    settings().TargetWidth = 0;
    user().setText(HorizontalField, "252 pt");
    user().click(3, ItemScope::Dialog);
    runDialog();
    EXPECT_TRUE(state().cancelled());
    EXPECT_EQ(settings().HorizontalFactor, 0x8000);
    EXPECT_EQ(settings().TargetWidth, 0);
}

TEST_F(ScaleDialogTest, DocumentWithoutDocumentSizeRunsAsAPageRange)
{
    struct Case {
        uint8_t documentSize;
        int16_t expected;
    };
    for (const Case row : {Case{0, ScalePageRange}, Case{1, ScaleDocument}}) {
        settings().ScaleDocumentSize = row.documentSize;
        user().click(DocumentRadio);
        user().ok();
        runDialog();
        EXPECT_EQ(settings().ScaleWhat, row.expected);
    }
}

TEST_F(ScaleDialogTest, TheTextFitTabIsThereOnlyForATextBoxAndOkInFrontOfItFits)
{
    state().setCurrentIsTextBox(true);
    user().tab(2);
    user().ok();
    runDialog();
    EXPECT_EQ(settings().FitTextRequest, 1);
    EXPECT_EQ(state().selectedTab(), 2);

    // Without a text box index 2 is the Presets tab, and OK there scales.
    state().setCurrentIsTextBox(false);
    user().ok();
    runDialog();
    EXPECT_EQ(settings().FitTextRequest, 0);
    EXPECT_TRUE(lastDialog()->problems.empty());
}

TEST_F(ScaleDialogTest, ASecondOpeningStartsWithTheFitStateCleared)
{
    user().choose(FitToList, 2);
    user().ok();
    runDialog();
    EXPECT_EQ(settings().FitToChoice, 3);
    user().ok();
    runDialog();
    EXPECT_EQ(settings().FitToChoice, 0);
    EXPECT_FALSE(state().fitToOn());
    EXPECT_EQ(state().repeatCount(), xt::kFixedOne);
}

TEST_F(ScaleDialogTest, TheLogoOpensTheMakersWebPage)
{
    user().click(5, ItemScope::Dialog);
    user().cancel();
    runDialog();
    ASSERT_FALSE(win32::shellExecutions().empty());
    EXPECT_EQ(win32::shellExecutions().back().operation, "open");
    EXPECT_EQ(win32::shellExecutions().back().file.rfind("https://", 0), 0u);
}

} // namespace
} // namespace amplex::testing
