// What the Amplex dialog does before it scales, as a user meets it in a session: a step amount that
// would make a copy's factor zero or negative is refused before anything changes, and the "Fit to"
// entries that move the selection place it on the page and the bleed evenly.
#include "amplex/tests/sessions/session_fixture.h"
#include "testing/test_document.h"

namespace amplex::testing {
namespace {

using namespace host::model::testdoc;

constexpr const char* kImproper = "Improper scaling number! Must be greater than zero.";

struct StepCase {
    const char* name;
    const char* repeat;
    const char* step;
    bool refused;
};

void PrintTo(const StepCase& c, std::ostream* out) { *out << c.name; }

const StepCase kStepCases[] = {
    {"third-copy-below-zero", "3", "-50%", true},       // 25 %, then -25 %: refused before the first copy
    {"third-copy-at-zero", "3", "-25%", true},          // 50 %, 25 %, 0 %
    {"third-page-below-zero", "-3", "-40%", true},      // pages at 75 %, 35 %, -5 %
    {"second-page-still-above-zero", "-2", "-50%", false}, // pages at 75 % and 25 %: the first page takes the factor as it is
    {"copies-that-shrink-but-stay", "3", "-20%", false},   // 55 %, 35 %, 15 %
};

class StepAmountSession : public AmplexSessionTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(StepAmountSession, ACopyFactorOfZeroOrLessIsRefusedBeforeAnythingChanges)
{
    const StepCase& c = GetParam();
    addBox(newDocument(), 0, rect(100, 100, 150, 200));
    std::vector<std::string> lines{"save before.json", "select all", "dialog click 1", "dialog click 4",
        "dialog set 19 \"75%\"", "dialog set 20 \"75%\"", std::string("dialog set 21 \"") + c.repeat + "\"",
        std::string("dialog set 22 \"") + c.step + "\"", "dialog ok", "menu VORNE > Amplex...", "save after.json"};
    if (c.refused)
        lines.insert(lines.end() - 1, std::string("expect-message ") + kImproper);
    const SessionOutcome outcome = run(c.name, lines);

    ASSERT_EQ(outcome.exitCode, 0) << outcome.printed;
    EXPECT_EQ(outcome.printed.find("could not finish"), std::string::npos) << outcome.printed;
    if (c.refused)
        EXPECT_EQ(outcome.saved("after.json"), outcome.saved("before.json"));
    else
        EXPECT_EQ(outcome.printed.find(kImproper), std::string::npos) << outcome.printed;
}

INSTANTIATE_TEST_SUITE_P(StepAmounts, StepAmountSession, ::testing::ValuesIn(kStepCases),
    [](const ::testing::TestParamInfo<StepCase>& param) {
        std::string name = param.param.name;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

struct FitCase {
    const char* name;
    int row; // of the "Fit to" list
    std::array<double, 4> rect; // top, left, bottom, right on the 612 x 792 page
};

void PrintTo(const FitCase& c, std::ostream* out) { *out << c.name; }

const FitCase kFitCases[] = {
    {"page", 0, {0, 0, 792, 612}},        // the page exactly, no overhang
    {"bleed", 2, {-9, -9, 801, 621}},     // 9 pt beyond every edge
};

class FitToSession : public AmplexSessionTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(FitToSession, TheSelectionCoversThePlaceItFitsAndUndoPutsItBack)
{
    const FitCase& c = GetParam();
    addBox(newDocument(), 0, rect(100, 100, 150, 200));
    const SessionOutcome outcome = run(c.name,
        scaleUndoRedo({"dialog check 6 off", "dialog check 7 on", "dialog choose 8 " + std::to_string(c.row)}));

    expectExactUndoRedo(outcome);
    const nlohmann::json scaled = outcome.document("scaled.json");
    ASSERT_EQ(scaled["layouts"][0]["items"].size(), 1u);
    const nlohmann::json& rect = scaled["layouts"][0]["items"][0]["rect"];
    for (size_t side = 0; side < 4; ++side)
        EXPECT_NEAR(rect[side].get<double>(), c.rect[side], 0.01) << "side " << side;
}

INSTANTIATE_TEST_SUITE_P(Entries, FitToSession, ::testing::ValuesIn(kFitCases),
    [](const ::testing::TestParamInfo<FitCase>& param) { return std::string(param.param.name); });

class PageLimitSession : public AmplexSessionTest {};

TEST_F(PageLimitSession, CopiesOntoNewPagesStopAtTheLayoutLimitWithTheHostsMessage)
{
    addBox(newDocument(1999), 0, rect(100, 100, 150, 200));
    const SessionOutcome outcome = run("page-limit",
        {"select all", "dialog click 1", "dialog click 4", "dialog set 19 \"75%\"", "dialog set 20 \"75%\"",
            "dialog set 21 \"-3\"", "dialog set 22 \"10%\"", "dialog ok", "menu VORNE > Amplex...",
            "expect-message Amplex could not finish scaling: the host refused a change, so some items may be left "
            "part scaled.",
            "save scaled.json"});

    ASSERT_EQ(outcome.exitCode, 0) << outcome.printed;
    // The host says why first; Amplex, which notes the refused call, then says its scale stopped.
    EXPECT_NE(outcome.printed.find("A layout holds at most 2000 pages: no page was added."), std::string::npos);
    EXPECT_EQ(outcome.document("scaled.json")["layouts"][0]["pages"].size(), 2000u);
}

} // namespace
} // namespace amplex::testing
