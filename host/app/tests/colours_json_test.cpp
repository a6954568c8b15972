// Colours in document files: a layout's colours and the items, text and rules that name them come back
// as they were; colours written by hand; wrong colours refused naming the place; older files keep
// their look.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "host/model/document_json.h"
#include "testing/test_document.h"
#include "testing/test_text.h"

namespace host::model {
namespace {

using Json = nlohmann::ordered_json;
using namespace testdoc;

/// A layout with two colours of its own, Green renamed and Blue gone, used by a box, a line, a picture,
/// a run of text and a paragraph rule.
struct Poster {
    DocumentModel model;
    Layout* layout = nullptr;
    int32_t box = 0, line = 0, picture = 0, text = 0;
    int16_t sky = 0, dune = 0;
};

void buildPoster(Poster& poster)
{
    Layout& layout = poster.model.newDocument({1, {}, "Poster"});
    poster.layout = &layout;
    ColourTable& colours = layout.colours();
    poster.sky = colours.add("Sky", ColourValue::rgb({0x6666, 0xB333, 0xFFFF}), Ink::Spot).id;
    poster.dune = colours.add("Dune", ColourValue::cmyk({0, 0x199A, 0x4CCD, 0x0CCD}), Ink::Process).id;
    ASSERT_FALSE(colours.rename(xt::kGreenColour, "Lime"));
    ASSERT_FALSE(colours.remove(xt::kBlueColour));

    Item& box = addBox(layout, 0, rect(72, 72, 216, 288));
    box.setWeight(pt(2));
    box.setFrame({poster.dune, xt::kFixedOne});
    box.setBackground({poster.sky, pt(0.25)});
    Item& line = addLine(layout, 0, point(300, 72), point(300, 540));
    line.setFrame({xt::kRegistrationColour, pt(0.5)});
    Item& picture = addPictureBox(layout, 0, rect(400, 72, 500, 200));
    picture.setPictureColour(poster.sky);
    Item& text = addTextBox(layout, 0, rect(520, 72, 600, 400));
    Story& story = setText(layout, text.ref(), "Sky and sand\r");
    CharacterAttributes coloured = story.characterRuns().valueAt(0);
    coloured.colour = poster.sky;
    coloured.shade = pt(0.8);
    story.setCharacterAttributes({0, 3}, coloured);
    ParagraphAttributes ruled = story.paragraphRuns().valueAt(0);
    ruled.ruleBelow.on = true;
    ruled.ruleBelow.colour = poster.dune;
    story.setParagraphAttributes({0, 13}, ruled);
    poster.box = box.ref();
    poster.line = line.ref();
    poster.picture = picture.ref();
    poster.text = text.ref();
}

/// The items on the layout's first page, back to front.
std::vector<const Item*> pageItems(const Layout& layout)
{
    std::vector<const Item*> items;
    for (int32_t ref : layout.items().topLevelOnPage(layout.page(0).ref()))
        items.push_back(layout.items().find(ref));
    return items;
}

const Json& firstLayout(const Json& document)
{
    return document["layouts"][0];
}

/// The item written with this reference.
const Json& itemJson(const Json& document, int32_t ref)
{
    for (const Json& item : firstLayout(document)["items"]) {
        if (item["ref"] == ref)
            return item;
    }
    static const Json nothing;
    return nothing;
}

class ColoursJson : public ::testing::Test {
protected:
    void SetUp() override
    {
        buildPoster(m_poster);
        m_saved = documentToJson(*m_poster.model.projectOf(*m_poster.layout));
    }

    /// The saved document, changed, opened as a new project; its first layout, or null with the error.
    Layout* reopen(const std::function<void(Json&)>& change = {}, std::string* error = nullptr)
    {
        Json document = m_saved;
        if (change)
            change(document);
        const OpenResult opened = documentFromJson(document, m_reopened);
        if (error)
            *error = opened.error;
        return opened ? &opened.project->layout(0) : nullptr;
    }

    Poster m_poster;
    Json m_saved;
    DocumentModel m_reopened;
};

TEST_F(ColoursJson, ColoursAreWrittenByNameWithTheirValuesInPercent)
{
    const Json& colours = firstLayout(m_saved)["colours"];
    ASSERT_EQ(colours.size(), 4u) << "Red, the renamed Green and the two new ones; never the fixed colours";
    EXPECT_EQ(colours[0], Json::parse(R"({"name": "Red", "id": 6, "rgb": [100, 0, 0], "spot": true})"));
    EXPECT_EQ(colours[1]["name"], "Lime");
    EXPECT_EQ(colours[2], Json::parse(R"({"name": "Sky", "id": 9, "rgb": [40, 70, 100], "spot": true})"));
    EXPECT_EQ(colours[3], Json::parse(R"({"name": "Dune", "id": 10, "cmyk": [0, 10, 30, 5], "spot": false})"));

    const Json& box = itemJson(m_saved, m_poster.box);
    EXPECT_EQ(box["colour"], "Dune");
    EXPECT_EQ(box["background"], "Sky");
    EXPECT_EQ(box["backgroundShade"], 0.25);
    EXPECT_EQ(itemJson(m_saved, m_poster.line)["colour"], "Registration");
    EXPECT_EQ(itemJson(m_saved, m_poster.picture)["pictureColour"], "Sky");
    EXPECT_FALSE(itemJson(m_saved, m_poster.text).contains("pictureColour")) << "only picture boxes have one";
    EXPECT_EQ(itemJson(m_saved, m_poster.text)["background"], "None");
    const Json& story = firstLayout(m_saved)["stories"][0];
    EXPECT_EQ(story["characterRuns"][0]["colour"], "Sky");
    EXPECT_EQ(story["characterRuns"][1]["colour"], "Black");
    EXPECT_EQ(story["paragraphRuns"][0]["ruleBelow"]["colour"], "Dune");
}

TEST_F(ColoursJson, EveryColourAndEveryUseComesBackAsItWas)
{
    Layout* layout = reopen();
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(layout->colours().colours(), m_poster.layout->colours().colours());
    const auto before = pageItems(*m_poster.layout);
    const auto after = pageItems(*layout);
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(after[i]->frame(), before[i]->frame());
        EXPECT_EQ(after[i]->background(), before[i]->background());
        EXPECT_EQ(after[i]->pictureColour(), before[i]->pictureColour());
    }
    const Story* story = layout->stories().storyOfBox(after.back()->ref());
    ASSERT_NE(story, nullptr);
    EXPECT_EQ(story->characterRuns().valueAt(0).colour, m_poster.sky);
    EXPECT_EQ(story->characterRuns().valueAt(0).shade, pt(0.8));
    EXPECT_EQ(story->paragraphRuns().valueAt(0).ruleBelow.colour, m_poster.dune);
    EXPECT_EQ(documentToJson(*m_reopened.projectOf(*layout)).dump(), m_saved.dump()) << "and is saved the same again";
}

TEST_F(ColoursJson, ColoursWrittenByHandTakeTheNextNumbers)
{
    Layout* layout = reopen([](Json& document) {
        Json& layoutJson = document["layouts"][0];
        layoutJson["colours"].push_back(Json::parse(R"({"name": "Moss", "cmyk": [40, 0, 90, 30]})"));
        layoutJson["colours"].push_back(Json::parse(R"({"name": "Coral", "rgb": [100, 50, 31.5], "spot": true})"));
        layoutJson["stories"][0]["characterRuns"][1]["colour"] = "Coral";
    });
    ASSERT_NE(layout, nullptr);
    const Colour* moss = layout->colours().findByName("Moss");
    const Colour* coral = layout->colours().findByName("Coral");
    ASSERT_TRUE(moss && coral);
    EXPECT_EQ(moss->id(), 11);
    EXPECT_EQ(coral->id(), 12);
    EXPECT_FALSE(moss->isSpot()) << "process unless it says spot";
    EXPECT_EQ(moss->value().components()[2], 0xE666);
    EXPECT_EQ(coral->value().components()[2], 0x50A4);
    const Story* story = layout->stories().storyOfBox(pageItems(*layout).back()->ref());
    ASSERT_NE(story, nullptr);
    EXPECT_EQ(story->characterRuns().valueAt(5).colour, coral->id());
}

TEST_F(ColoursJson, WrongColoursAreRefusedNamingThePlace)
{
    struct Case {
        const char* what;
        std::function<void(Json&)> damage;
        std::string error;
    };
    const auto colours = [](Json& d) -> Json& { return d["layouts"][0]["colours"]; };
    const auto box = [this](Json& d) -> Json& {
        for (Json& item : d["layouts"][0]["items"]) {
            if (item["ref"] == m_poster.box)
                return item;
        }
        return d;
    };
    const Case cases[] = {
        {"not a list", [&](Json& d) { colours(d) = "Sky"; }, "\"layouts[0].colours\" must be a list of colours"},
        {"no name", [&](Json& d) { colours(d)[2].erase("name"); }, "\"layouts[0].colours[2].name\" is missing"},
        {"empty name", [&](Json& d) { colours(d)[2]["name"] = ""; },
            "\"layouts[0].colours[2].name\" must be a text of at least one character"},
        {"a fixed colour", [&](Json& d) { colours(d)[2]["name"] = "Black"; },
            "\"layouts[0].colours[2].name\" is one of the host's own colours, which every layout has; leave it out of the list"},
        {"None", [&](Json& d) { colours(d)[2]["name"] = "None"; },
            "\"layouts[0].colours[2].name\" is \"None\", which stands for no colour"},
        {"a name twice", [&](Json& d) { colours(d)[3]["name"] = "Sky"; },
            "\"layouts[0].colours[3].name\" is the name of another colour of the list"},
        {"a fixed number", [&](Json& d) { colours(d)[2]["id"] = 8; },
            "\"layouts[0].colours[2].id\" must be a whole number from 0 to 32767 that no other colour of the layout has"},
        {"a number twice", [&](Json& d) { colours(d)[3]["id"] = 9; },
            "\"layouts[0].colours[3].id\" must be a whole number from 0 to 32767 that no other colour of the layout has"},
        {"no value", [&](Json& d) { colours(d)[2].erase("rgb"); },
            "\"layouts[0].colours[2]\" must give its value as \"rgb\" (three percentages) or \"cmyk\" (four percentages)"},
        {"two values", [&](Json& d) { colours(d)[2]["cmyk"] = {0, 0, 0, 0}; },
            "\"layouts[0].colours[2]\" must give its value as \"rgb\" (three percentages) or \"cmyk\" (four percentages)"},
        {"CMYK short", [&](Json& d) { colours(d)[3]["cmyk"] = {0, 0, 0}; },
            "\"layouts[0].colours[3].cmyk\" must be a list of four percentages from 0 to 100 (cyan, magenta, yellow, black)"},
        {"over 100 %", [&](Json& d) { colours(d)[2]["rgb"][1] = 101; },
            "\"layouts[0].colours[2].rgb\" must be a list of three percentages from 0 to 100 (red, green, blue)"},
        {"spot as text", [&](Json& d) { colours(d)[2]["spot"] = "yes"; }, "\"layouts[0].colours[2].spot\" must be true or false"},
        {"a key of its own", [&](Json& d) { colours(d)[2]["hue"] = 3; }, "\"layouts[0].colours[2].hue\" is not part of a version-1 document"},
        {"an unknown colour", [&](Json& d) { box(d)["colour"] = "Sea"; }, "names no colour of the layout (\"Sea\")"},
        {"a removed default", [&](Json& d) { box(d)["background"] = "Blue"; }, "names no colour of the layout (\"Blue\")"},
        {"a colour as an object", [&](Json& d) { box(d)["colour"] = Json::object(); },
            "must be the name of a colour of the layout, or \"None\""},
        {"a shade past 1", [&](Json& d) { box(d)["backgroundShade"] = 1.5; }, "must be a shade from 0 to 1"},
        {"a picture colour on a plain box", [&](Json& d) { box(d)["pictureColour"] = "Sky"; },
            "belongs only to a picture box (kind 4)"},
        {"an unknown run colour", [&](Json& d) { d["layouts"][0]["stories"][0]["characterRuns"][0]["colour"] = "Sea"; },
            "\"layouts[0].stories[0].characterRuns[0].colour\" names no colour of the layout (\"Sea\")"},
        {"an unknown rule colour", [&](Json& d) { d["layouts"][0]["stories"][0]["paragraphRuns"][0]["ruleBelow"]["colour"] = true; },
            "\"layouts[0].stories[0].paragraphRuns[0].ruleBelow.colour\" must be the name of a colour of the layout, or \"None\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string error;
        EXPECT_EQ(reopen(c.damage, &error), nullptr);
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
        EXPECT_EQ(m_reopened.projectCount(), 0u);
    }
    std::string error;
    ASSERT_EQ(reopen([&](Json& d) { box(d)["colour"] = "Sea"; }, &error), nullptr);
    EXPECT_EQ(error, "\"layouts[0].items[0].colour\" names no colour of the layout (\"Sea\")");
}

TEST_F(ColoursJson, AFileWithoutColoursHasTheDefaultsAndItsOldZeroesReadAsBlack)
{
    // Written before layouts kept colours: no list, and 0 wherever a colour was asked for.
    const char* text = R"({"format": "vorne-layout", "version": 1, "name": "Old", "layouts": [{"name": "L",
        "pages": [{"width": 612, "height": 792}],
        "items": [{"ref": 5, "page": 1, "kind": 5, "shape": 5, "rect": [10, 10, 50, 50], "colour": 0, "shade": 1,
            "record": "%RECORD%"}]}]})";
    std::string document = text;
    document.replace(document.find("%RECORD%"), 8, std::string(2 * sizeof(xt::BoxRecord), '0'));
    DocumentModel model;
    const OpenResult opened = documentFromText(document, model);
    ASSERT_TRUE(opened) << opened.error;
    const Layout& layout = opened.project->layout(0);
    EXPECT_TRUE(layout.colours().holdsDefaultsOnly());
    EXPECT_EQ(pageItems(layout).front()->frame(), (ColourUse{xt::kBlackColour, xt::kFixedOne}));
    EXPECT_FALSE(documentToJson(*opened.project)["layouts"][0].contains("colours")) << "the defaults need no list";

    // In a file with a list a number is the colour of that number, 0 White.
    Json withList = Json::parse(document);
    withList["layouts"][0]["colours"] = Json::array();
    DocumentModel listed;
    const OpenResult reopened = documentFromJson(withList, listed);
    ASSERT_TRUE(reopened) << reopened.error;
    EXPECT_EQ(pageItems(reopened.project->layout(0)).front()->frame().colour, xt::kWhiteColour);
    EXPECT_EQ(reopened.project->layout(0).colours().findByName("Red"), nullptr) << "an empty list has the fixed colours alone";
}

} // namespace
} // namespace host::model
