// Scales a user makes through the Amplex dialog, undone and redone: each case compares the saved
// documents (undo gives back the one before the scale byte for byte, redo the one after it) and
// looks at what the scale made.
#include <functional>

#include "amplex/tests/sessions/session_fixture.h"
#include "host/model/text/story_store.h"
#include "testing/test_document.h"
#include "testing/test_text.h"

namespace amplex::testing {
namespace {

using namespace host::model::testdoc;
using Json = nlohmann::json;

struct Size {
    double width;
    double height;
    bool operator==(const Size&) const = default;
};

/// The width and height of every item of the first layout that has a rectangle.
std::vector<Size> sizesIn(const Json& document)
{
    std::vector<Size> sizes;
    for (const Json& item : document["layouts"][0]["items"])
        if (item.contains("rect"))
            sizes.push_back({item["rect"][3].get<double>() - item["rect"][1].get<double>(),
                item["rect"][2].get<double>() - item["rect"][0].get<double>()});
    return sizes;
}

bool holdsSize(const Json& document, Size size)
{
    const std::vector<Size> sizes = sizesIn(document);
    return std::find(sizes.begin(), sizes.end(), size) != sizes.end();
}

size_t itemCount(const Json& document) { return document["layouts"][0]["items"].size(); }
size_t pageCount(const Json& document) { return document["layouts"][0]["pages"].size(); }

struct ScaleCase {
    const char* name;
    std::function<void(host::model::Layout&)> build;
    std::vector<std::string> dialog;
    std::function<void(const Json& scaled)> expect;
    // Undo of a step and repeat keeps the copies and pages it made, and puts back the items it scaled.
    bool keepsCopies = false;
};

void PrintTo(const ScaleCase& c, std::ostream* out) { *out << c.name; }

/// A text box "ab", two anchors, "cd": a 20 x 40 and a 30 x 30 box ride in its text.
void textWithAnchoredBoxes(host::model::Layout& layout)
{
    const int32_t text = addTextBox(layout, 0, rect(100, 100, 300, 400)).ref();
    setType(layout, text, 1, pt(12));
    host::model::Story& story = setText(layout, text, "abcd");
    story.insertAnchor(2, addBox(layout, 0, rect(100, 500, 140, 520)).ref());
    story.insertAnchor(3, addBox(layout, 0, rect(200, 500, 230, 530)).ref());
}

void boxWithShadow(host::model::Layout& layout)
{
    host::model::Item& box = addBox(layout, 0, rect(100, 100, 200, 300));
    xt::DropShadowRecord shadow{};
    shadow.offsetAcross = pt(4);
    shadow.offsetDown = pt(6);
    box.setDropShadow(shadow);
}

void table(host::model::Layout& layout)
{
    addTable(layout, 0, point(100, 100), {pt(60), pt(80)}, {pt(20), pt(30), pt(40)}, pt(2));
}

void oneBox(host::model::Layout& layout) { addBox(layout, 0, rect(100, 100, 150, 200)); }

const std::vector<std::string> kHalf{"dialog set 19 \"50%\"", "dialog set 20 \"50%\""};
const std::vector<std::string> kUneven{"dialog check 6 off", "dialog set 19 \"50%\"", "dialog set 20 \"200%\""};

const ScaleCase kCases[] = {
    {"anchored-boxes", textWithAnchoredBoxes, kHalf,
        [](const Json& scaled) {
            // Each scaled once, with its text: not a quarter of its size.
            EXPECT_TRUE(holdsSize(scaled, {10, 20}));
            EXPECT_TRUE(holdsSize(scaled, {15, 15}));
            EXPECT_FALSE(holdsSize(scaled, {5, 10}));
        }},
    {"drop-shadow", boxWithShadow, kUneven, [](const Json& scaled) { EXPECT_TRUE(holdsSize(scaled, {100, 200})); }},
    {"table", table, kUneven, nullptr},
    {"step-and-repeat", oneBox, {"dialog set 19 \"75%\"", "dialog set 20 \"75%\"", "dialog set 21 \"3\"", "dialog set 22 \"10%\""},
        [](const Json& scaled) { EXPECT_EQ(itemCount(scaled), 4u); }, true},
    {"step-onto-pages", oneBox, {"dialog set 19 \"75%\"", "dialog set 20 \"75%\"", "dialog set 21 \"-3\"", "dialog set 22 \"10%\""},
        [](const Json& scaled) { EXPECT_EQ(pageCount(scaled), 4u); }, true},
};

class UndoRedoSession : public AmplexSessionTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(UndoRedoSession, UndoGivesBackTheDocumentBeforeAndRedoTheDocumentAfter)
{
    const ScaleCase& c = GetParam();
    c.build(newDocument());
    const SessionOutcome outcome = run(c.name, scaleUndoRedo(c.dialog));
    if (c.keepsCopies)
        expectUndoKeepingCopies(outcome);
    else
        expectExactUndoRedo(outcome);
    if (c.expect)
        c.expect(outcome.document("scaled.json"));
}

INSTANTIATE_TEST_SUITE_P(Scales, UndoRedoSession, ::testing::ValuesIn(kCases),
    [](const ::testing::TestParamInfo<ScaleCase>& param) {
        std::string name = param.param.name;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

} // namespace
} // namespace amplex::testing
