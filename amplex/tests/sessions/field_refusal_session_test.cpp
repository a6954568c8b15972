// Text a user types into the Amplex dialog that its field cannot take: the host says which values the field
// takes and keeps the dialog open with the field selected; the scale runs only with what the user then
// types, never with the value the settings had before.
#include "amplex/tests/sessions/session_fixture.h"
#include "testing/test_document.h"

namespace amplex::testing {
namespace {

using namespace host::model::testdoc;

constexpr const char* kPercent = "Enter a percentage, such as 75%.";
constexpr const char* kMeasurement = "Enter a measurement, such as 12 pt, 1.5 in or 10 mm.";

struct RefusalCase {
    const char* name;
    std::vector<std::string> before; // dialog lines before the refused text
    int field;
    const char* refused;
    const char* range; // what the host's message says the field takes
    std::vector<std::string> mended; // dialog lines after the refusal, before OK: the refused field first
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }

const std::vector<std::string> kHalf{"dialog set 19 \"50%\"", "dialog set 20 \"50%\""};

const RefusalCase kCases[] = {
    {"letters", {}, 19, "abc", kPercent, kHalf},
    {"nothing", {}, 19, "", kPercent, kHalf},
    {"decimal_comma", {}, 20, "1,5%", kPercent, {"dialog set 20 \"50%\"", "dialog set 19 \"50%\""}},
    {"percent_in_a_size_field", {"dialog click 5"}, 19, "50%", kMeasurement,
        {"dialog set 19 \"50 pt\"", "dialog set 20 \"25 pt\""}},
    {"repeat_count_past_its_range", kHalf, 21, "2000", "Enter a value between -1000 and 1000.", {"dialog set 21 \"1\""}},
    {"step_amount_of_letters", kHalf, 22, "ten", kPercent, {"dialog set 22 \"0%\""}},
};

class FieldRefusalSession : public AmplexSessionTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(FieldRefusalSession, TheHostRefusesTheTextAndTheScaleTakesWhatTheUserTypesNext)
{
    const RefusalCase& c = GetParam();
    addBox(newDocument(), 0, rect(100, 100, 150, 200));
    const std::string message = std::string("\"") + c.refused + "\" is not a value this field takes. " + c.range;
    std::vector<std::string> lines{"select all", "dialog click 1", "dialog click 4", "dialog check 6 off"};
    lines.insert(lines.end(), c.before.begin(), c.before.end());
    lines.push_back("dialog set " + std::to_string(c.field) + " \"" + c.refused + "\"");
    lines.emplace_back("dialog ok");
    lines.insert(lines.end(), c.mended.begin(), c.mended.end());
    for (const char* line : {"dialog ok", "menu VORNE > Amplex..."})
        lines.emplace_back(line);
    lines.push_back("expect-message " + message);
    lines.emplace_back("save scaled.json");
    const SessionOutcome outcome = run(c.name, lines);

    ASSERT_EQ(outcome.exitCode, 0) << outcome.printed;
    const std::string keptOpen = std::string("[dialog] \" VORNE Amplex\" kept open: the host refused item ")
        + std::to_string(c.field) + " \"" + c.refused + "\"";
    EXPECT_NE(outcome.printed.find(keptOpen), std::string::npos) << outcome.printed;
    EXPECT_NE(outcome.printed.find("[dialog] \" VORNE Amplex\" -> OK"), std::string::npos) << outcome.printed;
    const nlohmann::json scaled = outcome.document("scaled.json");
    ASSERT_EQ(scaled["layouts"][0]["items"].size(), 1u);
    const nlohmann::json& box = scaled["layouts"][0]["items"][0]["rect"];
    EXPECT_EQ(box, nlohmann::json::parse("[100, 100, 125, 150]")) << "half size from the upper left";
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldRefusalSession, ::testing::ValuesIn(kCases),
    [](const ::testing::TestParamInfo<RefusalCase>& param) { return std::string(param.param.name); });

class PageFieldSession : public AmplexSessionTest {};

// The dialog shows the document's last page in its "to" field even past the range the field takes: the
// user typed nothing there, so the host lets it be.
TEST_F(PageFieldSession, ThePagesTheDialogShowsOnALongDocumentAreNotRefused)
{
    addBox(newDocument(1999), 0, rect(100, 100, 150, 200));
    const SessionOutcome outcome = run("long-document",
        {"select all", "dialog click 1", "dialog click 4", "dialog check 6 off", "dialog set 19 \"50%\"",
            "dialog set 20 \"50%\"", "dialog ok", "menu VORNE > Amplex...", "save scaled.json"});

    ASSERT_EQ(outcome.exitCode, 0) << outcome.printed;
    EXPECT_EQ(outcome.printed.find("kept open"), std::string::npos) << outcome.printed;
    EXPECT_EQ(outcome.printed.find("[message]"), std::string::npos) << outcome.printed;
    EXPECT_EQ(outcome.document("scaled.json")["layouts"][0]["items"][0]["rect"], nlohmann::json::parse("[100, 100, 125, 150]"));
}

} // namespace
} // namespace amplex::testing
