// Layers, sections, page names, the ruler origin and the stored switches in document files: written,
// read back the same, and damaged values refused with where they sit; older files open as before.
#include <gtest/gtest.h>

#include "host/model/document_json.h"
#include "host/model/layers/layer_edits.h"
#include "host/model/pages/page_names.h"
#include "host/model/pages/pages_json.h"
#include "testing/test_document.h"

namespace host_tests {
namespace {

using namespace host::model;
using namespace host::model::testdoc;
using Json = nlohmann::ordered_json;

class PagesJsonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Layout& layout = m_model.newDocument({.pageCount = 4});
        const int32_t marks = *layout.layers().create("Marks");
        const int32_t notes = *layout.layers().create("Notes");
        layout.layers().setVisible(notes, false);
        layout.layers().setLocked(marks, true);
        makeLayerCurrent(layout, marks);
        m_box = addBox(layout, 1, rect(10, 10, 40, 40)).ref(); // on Marks, the current layer
        layout.sections().start(layout.page(0).ref(), {"", 1, NumberFormat::LowerRoman});
        layout.sections().start(layout.page(2).ref(), {"A-", 3, NumberFormat::Arabic});
        layout.settings().rulerOrigin = {pt(18), pt(-9), true};
        layout.settings().setting950 = 0;
        layout.masters().addSpread();
        layout.page(3).setMasterSpread(1); // "B-Master"
        m_written = documentToJson(m_model.project(0));
    }

    Layout& readBack(const Json& document)
    {
        OpenResult result = documentFromJson(document, m_model);
        EXPECT_TRUE(result) << result.error;
        return result.project->layout(0);
    }

    std::string refusal(const char* key, Json value)
    {
        Json damaged = m_written;
        damaged["layouts"][0][key] = std::move(value);
        return documentFromJson(damaged, m_model).error;
    }

    DocumentModel m_model;
    Json m_written;
    int32_t m_box = 0;
};

TEST_F(PagesJsonTest, EverythingReadsBackAsItWasWritten)
{
    const Layout& original = m_model.project(0).layout(0);
    Layout& read = readBack(m_written);
    EXPECT_EQ(read.layers().inOrder(), original.layers().inOrder());
    EXPECT_EQ(read.layers().current(), original.layers().current());
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(pageName(read, i), pageName(original, i)) << i;
    EXPECT_EQ(pageName(read, 3), "A-4");
    EXPECT_EQ(read.settings(), original.settings());
    EXPECT_EQ(read.page(3).masterSpread(), 1u);
    EXPECT_EQ(read.page(2).masterSpread(), 0u);
    const auto items = read.items().topLevelOnPage(read.page(1).ref());
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(read.items().find(items[0])->layer(), original.items().find(m_box)->layer());
    const Json again = documentToJson(*m_model.projectOf(read));
    for (const char* key : {"pages", kLayersKey, kCurrentLayerKey, kSectionsKey, kRulerOriginKey, kSettingsKey})
        EXPECT_EQ(again["layouts"][0][key], m_written["layouts"][0][key]) << key << ": a second save writes the same";
    // New items go on the current layer of the document as read.
    EXPECT_EQ(addBox(read, 0, rect(0, 0, 5, 5)).layer(), read.layers().current());
}

TEST_F(PagesJsonTest, PagesShowTheNamesTheirSectionsGiveThem)
{
    const Json& pages = m_written["layouts"][0]["pages"];
    const char* expected[] = {"i", "ii", "A-3", "A-4"};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(pages[i]["name"], expected[i]);
}

TEST_F(PagesJsonTest, ADocumentWithoutTheNewKeysOpensWithTheHostsDefaults)
{
    Json old = m_written;
    Json& layout = old["layouts"][0];
    for (const char* key : {kLayersKey, kCurrentLayerKey, kSectionsKey, kRulerOriginKey, kSettingsKey})
        layout.erase(key);
    for (Json& page : layout["pages"])
        page.erase("name");
    for (Json& item : layout["items"])
        item["layer"] = 0;
    Layout& read = readBack(old);
    ASSERT_EQ(read.layers().inOrder().size(), 1u);
    EXPECT_EQ(read.layers().inOrder()[0].name, "Default");
    EXPECT_EQ(pageName(read, 2), "3");
    EXPECT_EQ(read.settings(), DocumentSettings{});
}

TEST_F(PagesJsonTest, APersonCanWriteLayersWithoutTheDefaultOne)
{
    Json written = m_written;
    written["layouts"][0][kLayersKey] = Json::parse(R"([{"id": 1, "name": "Marks"}, {"id": 2, "name": "Notes"}])");
    written["layouts"][0].erase(kCurrentLayerKey);
    Layout& read = readBack(written);
    const auto& layers = read.layers().inOrder();
    ASSERT_EQ(layers.size(), 3u);
    EXPECT_EQ(layers[0].name, "Marks");
    EXPECT_TRUE(layers[0].visible) << "shown and unlocked unless the file says otherwise";
    EXPECT_EQ(layers[2].id, kDefaultLayer) << "the default layer goes behind the listed ones";
    EXPECT_EQ(*read.layers().create("Later"), 3) << "new layers take ids after the file's";
}

TEST_F(PagesJsonTest, DamagedValuesAreRefusedWithWhereTheySit)
{
    struct Case {
        const char* key;
        const char* value;
        const char* where;
    } const cases[] = {
        {"layers", R"({"id": 1})", "layouts[0].layers"},
        {"layers", R"([{"id": 1, "name": ""}])", "layouts[0].layers[0].name"},
        {"layers", R"([{"id": 1, "name": "A"}, {"id": 1, "name": "B"}])", "layouts[0].layers[1].id"},
        {"layers", R"([{"id": 1, "name": "A"}, {"id": 2, "name": "A"}])", "layouts[0].layers[1].name"},
        {"layers", R"([{"id": -1, "name": "A"}])", "layouts[0].layers[0].id"},
        {"layers", R"([{"id": 1, "name": "A", "colour": 3}])", "layouts[0].layers[0].colour"},
        {"layers", R"([{"id": 1, "name": "A", "visible": "yes"}])", "layouts[0].layers[0].visible"},
        {"layers", R"([{"id": 4, "name": "Default"}])", "layouts[0].layers"},
        {"currentLayer", "9", "layouts[0].currentLayer"},
        {"sections", R"([{"page": 5, "start": 1}])", "layouts[0].sections[0].page"},
        {"sections", R"([{"page": 1, "start": 0}])", "layouts[0].sections[0].start"},
        {"sections", R"([{"page": 1, "start": 1, "prefix": "LONGER"}])", "layouts[0].sections[0].prefix"},
        {"sections", R"([{"page": 1, "start": 1, "format": "greek"}])", "layouts[0].sections[0].format"},
        {"sections", R"([{"page": 2, "start": 1}, {"page": 2, "start": 5}])", "layouts[0].sections[1].page"},
        {"rulerOrigin", R"({"top": "x"})", "layouts[0].rulerOrigin.top"},
        {"rulerOrigin", R"({"top": 0, "left": 0, "spreadWide": 1})", "layouts[0].rulerOrigin.spreadWide"},
        {"settings", R"({"setting948": 1.5})", "layouts[0].settings.setting948"},
        {"settings", R"({"other": 1})", "layouts[0].settings.other"},
    };
    for (const Case& c : cases) {
        const std::string error = refusal(c.key, Json::parse(c.value));
        EXPECT_NE(error.find(std::string("\"") + c.where + "\""), std::string::npos) << c.value << " gave: " << error;
    }
    EXPECT_EQ(m_model.projectCount(), 1u) << "nothing was added";
}

TEST_F(PagesJsonTest, APageNameThatDisagreesWithItsSectionAndAnItemOnNoLayerAreRefused)
{
    Json damaged = m_written;
    damaged["layouts"][0]["pages"][2]["name"] = "A-4";
    const std::string name = documentFromJson(damaged, m_model).error;
    EXPECT_NE(name.find("\"layouts[0].pages[2].name\""), std::string::npos) << name;
    EXPECT_NE(name.find("\"A-3\""), std::string::npos) << name;

    damaged = m_written;
    damaged["layouts"][0]["pages"][1]["master"] = 3; // two master spreads
    const std::string master = documentFromJson(damaged, m_model).error;
    EXPECT_NE(master.find("\"layouts[0].pages[1].master\""), std::string::npos) << master;

    damaged = m_written;
    damaged["layouts"][0]["items"][0]["layer"] = 7;
    const std::string layer = documentFromJson(damaged, m_model).error;
    EXPECT_NE(layer.find("\"layouts[0].items[0].layer\""), std::string::npos) << layer;
}

} // namespace
} // namespace host_tests
