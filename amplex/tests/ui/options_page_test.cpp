// The Options and Text Fit pages: their switches shown and written back, and their enabling rules.
#include <string>

#include "amplex/resources/window_ids.h"
#include "amplex/tests/ui_fixture.h"

namespace amplex::testing {
namespace {

using host::ui::DialogAction;

class OptionsPageTest : public AmplexUiTest {};

TEST_F(OptionsPageTest, EachCheckBoxShowsAndSetsItsSwitch)
{
    struct Case {
        int32_t item;
        uint8_t ScaleSettings::*field;
    };
    const Case cases[] = {
        {4, &ScaleSettings::ScaleText}, {5, &ScaleSettings::ScaleLeading}, {6, &ScaleSettings::ScaleTabs},
        {7, &ScaleSettings::ScaleGutters}, {8, &ScaleSettings::ScaleAnchoredBoxes}, {9, &ScaleSettings::ScaleRunaround},
        {10, &ScaleSettings::ScaleLines}, {11, &ScaleSettings::ScaleLineWeights}, {12, &ScaleSettings::ScalePictureBoxes},
        {13, &ScaleSettings::ScaleGraphics}, {14, &ScaleSettings::ScaleBezierShapes},
        {15, &ScaleSettings::ScaleDropShadows}, {20, &ScaleSettings::SizeWarnings},
        {22, &ScaleSettings::KeepTextProportional}, {26, &ScaleSettings::KeepGraphicsProportional},
    };
    settings().ScaleWhat = ScaleDocument;
    for (const auto& row : cases) {
        SCOPED_TRACE(row.item);
        settings().*row.field = 1;
        const xt::WindowRef page = openPage(OptionsPageWindow);
        EXPECT_EQ(item(page, row.item).value(), 1);
        act(page, DialogAction::click(row.item));
        EXPECT_EQ(settings().*row.field, 0);
    }
}

TEST_F(OptionsPageTest, ThePageScopeDecidesTheDocumentSwitches)
{
    struct Case {
        int16_t scaleWhat;
        bool styleSheets, guides, documentSize;
    };
    for (const Case row : {Case{ScaleSelectionOnly, false, false, false}, Case{ScalePageRange, true, false, false},
             Case{ScaleDocument, true, true, true}}) {
        SCOPED_TRACE(row.scaleWhat);
        settings().ScaleWhat = row.scaleWhat;
        const xt::WindowRef page = openPage(OptionsPageWindow);
        EXPECT_EQ(item(page, 16).enabled(), row.styleSheets);
        EXPECT_EQ(item(page, 17).enabled(), row.guides);
        EXPECT_EQ(item(page, 18).enabled(), row.documentSize);
    }
}

TEST_F(OptionsPageTest, AllSetsTheKeepColumnAndAnyOneTurnedOffClearsIt)
{
    settings().Constrain = 0;
    settings().FitToChoice = 0;
    const xt::WindowRef page = openPage(OptionsPageWindow);
    act(page, DialogAction::click(28));
    for (int32_t keep = 21; keep <= 27; ++keep)
        EXPECT_EQ(item(page, keep).value(), 1) << keep;
    EXPECT_EQ(settings().KeepLinesProportional, 1);
    act(page, DialogAction::click(24));
    EXPECT_EQ(item(page, 28).value(), 0);
    EXPECT_EQ(settings().KeepAllProportional, 0);
    EXPECT_EQ(settings().KeepLinesProportional, 0);
}

TEST_F(OptionsPageTest, ConstrainDisablesTheKeepColumn)
{
    settings().Constrain = 1;
    settings().FitToChoice = 0;
    const xt::WindowRef page = openPage(OptionsPageWindow);
    for (int32_t keep : {3, 21, 24, 27, 28})
        EXPECT_FALSE(item(page, keep).enabled()) << keep;
}

TEST_F(OptionsPageTest, RoundingOffDisablesTheStepButKeepsIt)
{
    settings().RoundFonts = 1;
    settings().RoundFontsStep = 0x8000;
    const xt::WindowRef page = openPage(OptionsPageWindow);
    EXPECT_EQ(item(page, 29).text(), "0.5 pt");
    act(page, DialogAction::click(19));
    EXPECT_FALSE(item(page, 29).enabled());
    EXPECT_EQ(settings().RoundFonts, 0);
    EXPECT_EQ(settings().RoundFontsStep, 0x8000);
}

TEST_F(OptionsPageTest, TextFitRowsFollowTheirSwitches)
{
    settings().FitTracking = 0;
    settings().TrackingIncrement = xt::kFixedOne;
    const xt::WindowRef page = openPage(TextFitPageWindow);
    EXPECT_FALSE(item(page, 11).enabled());
    EXPECT_FALSE(item(page, 23).enabled());
    act(page, DialogAction::click(5)); // "Tracking"
    EXPECT_EQ(settings().FitTracking, 1);
    EXPECT_TRUE(item(page, 11).enabled());
    EXPECT_TRUE(item(page, 23).enabled());
    act(page, DialogAction::click(5));
    EXPECT_FALSE(item(page, 11).enabled());
    EXPECT_EQ(settings().TrackingIncrement, xt::kFixedOne);
}

TEST_F(OptionsPageTest, TextFitCommandAndIncrementsAreWrittenBack)
{
    const xt::WindowRef page = openPage(TextFitPageWindow);
    EXPECT_EQ(item(page, 28).rowCount(), 4);
    act(page, DialogAction::choose(28, 3)); // "Fit Box to Story"
    EXPECT_EQ(settings().FitCommand, FitBoxToStory);
    act(page, DialogAction::click(6)); // "Horizontal Scale" on, so that its increment can be typed
    act(page, DialogAction::setText(12, "1%"));
    EXPECT_EQ(settings().HorizontalScaleIncrement, 0x28F);
    act(page, DialogAction::click(14)); // "Fit to column"
    EXPECT_EQ(settings().FitToBox, 0);
}

} // namespace
} // namespace amplex::testing
