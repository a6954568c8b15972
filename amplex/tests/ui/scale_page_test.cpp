// The Scale page: what it shows for a record, what it writes back for what the user typed, and its rules.
#include <functional>
#include <string>
#include <vector>

#include "amplex/resources/window_ids.h"
#include "amplex/tests/ui_fixture.h"
#include "amplex/ui/scale_page.h"

namespace amplex::testing {
namespace {

using host::ui::DialogAction;
using namespace amplex::ui;

class ScalePageTest : public AmplexUiTest {};

struct FillCase {
    const char* what;
    std::function<void(ScaleSettings&)> record;
    int32_t item;
    std::string text;
};

TEST_F(ScalePageTest, FillShowsEveryValueOfTheRecord)
{
    const FillCase cases[] = {
        {"horizontal percent", [](ScaleSettings& s) { s.HorizontalFactor = 0xC000; }, HorizontalField, "75%"},
        {"vertical percent", [](ScaleSettings& s) { s.VerticalFactor = 0x8000; }, VerticalField, "50%"},
        {"step percent", [](ScaleSettings& s) { s.StepFactor = 0x4000; }, StepField, "25%"},
        // In Size mode with no wanted size the fields show the selection's own size.
        {"size width", [](ScaleSettings& s) { s.ScaleByPercent = 0; s.TargetWidth = 0; }, HorizontalField, "504 pt"},
        {"size height", [](ScaleSettings& s) { s.ScaleByPercent = 0; s.TargetWidth = 0; }, VerticalField, "288 pt"},
        {"wanted width", [](ScaleSettings& s) { s.ScaleByPercent = 0; s.TargetWidth = points(100); s.TargetHeight = points(40); },
            HorizontalField, "100 pt"},
        {"wanted height", [](ScaleSettings& s) { s.ScaleByPercent = 0; s.TargetWidth = points(100); s.TargetHeight = points(40); },
            VerticalField, "40 pt"},
        {"size step", [](ScaleSettings& s) { s.ScaleByPercent = 0; s.StepFactor = 0x4000; }, StepField, "0 pt"},
        {"size line", [](ScaleSettings& s) { s.HorizontalFactor = 0x8000; s.VerticalFactor = 0x10000; }, SizeLine,
            "Scaled Size: 252 pt x 288 pt"},
        {"factor 0", [](ScaleSettings& s) { s.HorizontalFactor = 0; }, SizeLine, "IMPROPER VALUE!!!"},
        {"repeat count", [](ScaleSettings&) {}, RepeatField, "1"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        settings().ScaleByPercent = 1;
        settings().HorizontalFactor = settings().VerticalFactor = xt::kFixedOne;
        settings().StepFactor = 0;
        row.record(settings());
        const xt::WindowRef page = openPage(ScalePageWindow);
        EXPECT_EQ(item(page, row.item).text(), row.text);
    }
}

struct ChoiceCase {
    const char* what;
    std::function<void(ScaleSettings&)> record;
    int32_t item;
    int32_t value;
};

TEST_F(ScalePageTest, FillTurnsOnTheChoicesOfTheRecord)
{
    const ChoiceCase cases[] = {
        {"selection", [](ScaleSettings& s) { s.ScaleWhat = ScaleSelectionOnly; }, SelectionRadio, 1},
        {"document", [](ScaleSettings& s) { s.ScaleWhat = ScaleDocument; }, DocumentRadio, 1},
        {"from page", [](ScaleSettings& s) { s.ScaleWhat = ScalePageRange; }, FromPageRadio, 1},
        {"percent", [](ScaleSettings& s) { s.ScaleByPercent = 1; }, PercentRadio, 1},
        {"size", [](ScaleSettings& s) { s.ScaleByPercent = 0; }, SizeRadio, 1},
        {"constrain", [](ScaleSettings& s) { s.Constrain = 1; }, ConstrainBox, 1},
        {"fit to starts off", [](ScaleSettings& s) { s.FitToChoice = 3; }, FitToBox, 0},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        row.record(settings());
        const xt::WindowRef page = openPage(ScalePageWindow);
        EXPECT_EQ(item(page, row.item).value(), row.value);
    }
}

TEST_F(ScalePageTest, TheListsFollowWhatIsScaled)
{
    settings().ScaleWhat = ScaleSelectionOnly;
    settings().ScaleFrom = FromCenterOfItems;
    xt::WindowRef page = openPage(ScalePageWindow);
    EXPECT_EQ(item(page, FitToList).rowCount(), 13);
    EXPECT_EQ(item(page, FitToList).row(11), "Business card");
    EXPECT_EQ(item(page, ScaleFromList).selection(), 3);
    EXPECT_TRUE(item(page, RepeatField).enabled());

    settings().ScaleWhat = ScaleDocument;
    page = openPage(ScalePageWindow);
    EXPECT_EQ(item(page, FitToList).rowCount(), 6);
    EXPECT_EQ(item(page, FitToList).row(5), "#10 Envelope");
    EXPECT_FALSE(item(page, RepeatField).enabled());
    EXPECT_FALSE(item(page, StepLabel).enabled());
}

struct ReadCase {
    const char* what;
    std::vector<DialogAction> actions;
    std::function<int32_t(const ScaleSettings&)> field;
    int32_t expected;
};

TEST_F(ScalePageTest, ReadBackWritesWhatTheUserSetIntoTheRecord)
{
    const ReadCase cases[] = {
        {"horizontal percent", {DialogAction::setText(HorizontalField, "50%")},
            [](const ScaleSettings& s) { return s.HorizontalFactor; }, 0x8000},
        {"vertical percent", {DialogAction::setText(VerticalField, "200%")},
            [](const ScaleSettings& s) { return s.VerticalFactor; }, 0x20000},
        {"step percent", {DialogAction::setText(StepField, "25%")}, [](const ScaleSettings& s) { return s.StepFactor; },
            0x4000},
        {"document", {DialogAction::click(DocumentRadio)}, [](const ScaleSettings& s) { return int32_t{s.ScaleWhat}; },
            ScaleDocument},
        {"from page", {DialogAction::click(FromPageRadio)}, [](const ScaleSettings& s) { return int32_t{s.ScaleWhat}; },
            ScalePageRange},
        {"size mode", {DialogAction::click(SizeRadio)}, [](const ScaleSettings& s) { return int32_t{s.ScaleByPercent}; }, 0},
        {"constrain", {DialogAction::click(ConstrainBox)}, [](const ScaleSettings& s) { return int32_t{s.Constrain}; }, 1},
        {"scale from", {DialogAction::choose(ScaleFromList, 2)}, [](const ScaleSettings& s) { return int32_t{s.ScaleFrom}; },
            FromUpperLeftOfItems},
        // A width typed in Size mode becomes the factor against the 504 pt selection, and the wanted width.
        {"size width factor", {DialogAction::click(SizeRadio), DialogAction::setText(HorizontalField, "252 pt")},
            [](const ScaleSettings& s) { return s.HorizontalFactor; }, 0x8000},
        {"size wanted width", {DialogAction::click(SizeRadio), DialogAction::setText(HorizontalField, "252 pt")},
            [](const ScaleSettings& s) { return s.TargetWidth; }, points(252)},
        {"size height factor", {DialogAction::click(SizeRadio), DialogAction::setText(VerticalField, "72 pt")},
            [](const ScaleSettings& s) { return s.VerticalFactor; }, 0x4000},
        {"size step factor", {DialogAction::click(SizeRadio), DialogAction::setText(StepField, "126 pt")},
            [](const ScaleSettings& s) { return s.StepFactor; }, 0x4000},
        // The host refuses text a user types that is no measurement before the dialog is confirmed
        // (field_refusal_session_test); a read that fails all the same keeps the value the record had.
        {"unreadable text", {DialogAction::setText(HorizontalField, "lots")},
            [](const ScaleSettings& s) { return s.HorizontalFactor; }, xt::kFixedOne},
        {"business card", {DialogAction::choose(FitToList, 11)}, [](const ScaleSettings& s) { return s.HorizontalFactor; },
            0x8000},
        {"business card choice", {DialogAction::choose(FitToList, 11)},
            [](const ScaleSettings& s) { return int32_t{s.FitToChoice}; }, 12},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        state().setSelectionBounds({0, 0, points(288), points(504)});
        settings().ScaleWhat = ScaleSelectionOnly;
        settings().ScaleByPercent = 1;
        settings().ScaleFrom = FromUpperLeftOfSelection;
        settings().Constrain = 0;
        settings().HorizontalFactor = settings().VerticalFactor = xt::kFixedOne;
        settings().StepFactor = 0;
        const xt::WindowRef page = openPage(ScalePageWindow);
        for (const auto& action : row.actions)
            act(page, action);
        send(page, 23);
        EXPECT_EQ(row.field(settings()), row.expected);
    }
}

TEST_F(ScalePageTest, ChoosingAFitToEntryShowsItsSizeAndTurnsConstrainOff)
{
    settings().Constrain = 1;
    const xt::WindowRef page = openPage(ScalePageWindow);
    act(page, DialogAction::choose(FitToList, 12)); // "Banner ad"
    EXPECT_EQ(item(page, HorizontalField).text(), "450 pt");
    EXPECT_EQ(item(page, VerticalField).text(), "68 pt");
    EXPECT_EQ(item(page, ConstrainBox).value(), 0);
    EXPECT_EQ(item(page, SizeRadio).value(), 1);
    EXPECT_EQ(item(page, SizeLine).text(), "Fit to Banner ad");

    // Constrain keeps the smaller ratio (68 / 288) for both directions.
    act(page, DialogAction::click(ConstrainBox));
    EXPECT_EQ(item(page, VerticalField).text(), "68 pt");
    EXPECT_NE(item(page, HorizontalField).text(), "450 pt");
}

TEST_F(ScalePageTest, SwitchingBetweenPercentAndSizeConvertsTheValues)
{
    state().setSelectionBounds({0, 0, points(100), points(200)});
    settings().HorizontalFactor = settings().VerticalFactor = 0xC000;
    const xt::WindowRef page = openPage(ScalePageWindow);
    act(page, DialogAction::click(SizeRadio));
    EXPECT_EQ(item(page, HorizontalField).text(), "150 pt");
    EXPECT_EQ(item(page, VerticalField).text(), "75 pt");
    act(page, DialogAction::click(PercentRadio));
    EXPECT_EQ(item(page, HorizontalField).text(), "75%");
}

TEST_F(ScalePageTest, ConstrainCopiesATypedPercentageAtOnce)
{
    settings().Constrain = 1;
    const xt::WindowRef page = openPage(ScalePageWindow);
    act(page, DialogAction::setText(HorizontalField, "40%"));
    EXPECT_EQ(item(page, VerticalField).text(), "40%");
}

TEST_F(ScalePageTest, AnEnvelopeInDocumentModeIsLandscape)
{
    settings().ScaleWhat = ScaleDocument;
    const xt::WindowRef page = openPage(ScalePageWindow);
    act(page, DialogAction::choose(FitToList, 5));
    EXPECT_EQ(item(page, HorizontalField).text(), "684 pt");
    EXPECT_EQ(item(page, VerticalField).text(), "297 pt");
}

TEST_F(ScalePageTest, TheRangeAndRepeatFieldsAreReadWhenTheHostAsks)
{
    const xt::WindowRef page = openPage(ScalePageWindow);
    act(page, DialogAction::setText(PageFromField, "2"));
    act(page, DialogAction::setText(PageToField, "5"));
    act(page, DialogAction::setText(RepeatField, "0"));
    send(page, xt::AcceptEvent);
    EXPECT_EQ(state().pageFrom(), points(2));
    EXPECT_EQ(state().pageTo(), points(5));
    EXPECT_EQ(state().repeatCount(), points(1)); // no copies means one
    EXPECT_EQ(item(page, RepeatField).text(), "1");
}

TEST_F(ScalePageTest, WithoutASelectionThePageOffersNoSelectionChoice)
{
    state().setNoSelection(true);
    settings().ScaleWhat = ScaleSelectionOnly;
    settings().ScaleDocumentSize = 0;
    const xt::WindowRef page = openPage(ScalePageWindow);
    EXPECT_FALSE(item(page, SelectionRadio).enabled());
    EXPECT_EQ(item(page, FitToList).rowCount(), 6);
    EXPECT_EQ(settings().ScaleDocumentSize, 1);
}

} // namespace
} // namespace amplex::testing
