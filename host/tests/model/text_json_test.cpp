// Stories and XtData blocks in document files: written, read back into the same shape, and damaged
// files refused with the place of the problem.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>

#include "host/model/document_json.h"
#include "host/model/text/text_boxes.h"
#include "host/model/text_json.h"
#include "testing/test_document.h"
#include "testing/test_text.h"

namespace host_tests {
namespace {

using host::model::testdoc::pt;
using host::model::testdoc::rect;
using Json = nlohmann::ordered_json;

constexpr xt::FourLetterCode kMarker = 0x314E5256; // "VRN1"

class TextJsonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_layout = &m_model.newDocument({.pageCount = 2});
        m_first = host::model::testdoc::addTextBox(*m_layout, 0, rect(0, 0, 100, 100)).ref();
        m_second = host::model::testdoc::addTextBox(*m_layout, 1, rect(0, 0, 100, 100)).ref();
        m_anchored = host::model::testdoc::addBox(*m_layout, 0, rect(0, 0, 5, 5)).ref();
        ASSERT_TRUE(host::model::testdoc::linkChain(*m_layout, {m_first, m_second}));

        host::model::Story& story = host::model::testdoc::setText(*m_layout, m_first, "Caf\xE9 one\rtwo\x0bthree");
        story.setCharacterValue({0, 4}, xt::kCharSize, pt(18.5));
        story.setCharacterValue({2, 6}, xt::kCharTracking, pt(-3));
        story.setParagraphValue({0, 1}, xt::kParaLeftIndent, pt(12));
        story.setParagraphValue({0, 1}, xt::kParaRuleBelowWeight, pt(2));
        story.setParagraphValue({0, 1}, xt::kParaRuleBelowOn, 1);
        host::model::TabStop tab;
        tab.position = pt(72.25);
        tab.alignment = 2;
        story.setTabs({12, 13}, {tab});
        story.insertAnchor(5, m_anchored);
        story.select(3, 9);

        auto& blocks = m_layout->dataBlocks();
        blocks.holder(blocks.holderRef(host::model::HolderKind::Box, m_second))->set(kMarker, bytes("textdone"));
        blocks.holder(blocks.holderRef(host::model::HolderKind::Page, m_layout->page(1).ref()))->set(0x12345678, {0, 255, 7});
        blocks.holder(blocks.holderRef(host::model::HolderKind::Document, m_layout->ref()))->set(kMarker, {});
    }

    static host::model::DataBlock bytes(const char* text) { return host::model::DataBlock(text, text + std::strlen(text) + 1); }

    Json layoutJson() const
    {
        Json object = {{"name", "Layout 1"}, {"pages", Json::array({{{"width", 612}, {"height", 792}}, {{"width", 612}, {"height", 792}}})}};
        host::model::writeLayoutText(*m_layout, object);
        return object;
    }

    host::model::DocumentModel m_model;
    host::model::Layout* m_layout = nullptr;
    int32_t m_first = 0, m_second = 0, m_anchored = 0;
};

TEST_F(TextJsonTest, StoriesAndBlocksComeBackAsTheyWere)
{
    const Json written = layoutJson();
    host::model::LayoutTextData read;
    ASSERT_EQ(host::model::readLayoutText(written, "layouts[0]", host::model::ColourNames(host::model::LayoutColoursData{}), 1, read), std::nullopt);

    // A second document with items of its own stands for the reopened one.
    host::model::Layout& copy = m_model.newDocument({2});
    std::map<int32_t, int32_t> refs;
    for (int32_t item : {m_first, m_second})
        refs[item] = host::model::testdoc::addTextBox(copy, 0, rect(0, 0, 100, 100)).ref();
    refs[m_anchored] = host::model::testdoc::addBox(copy, 0, rect(0, 0, 5, 5)).ref();
    host::model::applyLayoutText(read, copy, [&](int32_t saved) { return refs.count(saved) ? refs[saved] : 0; });

    const host::model::Story& before = *m_layout->stories().storyOfBox(m_first);
    const host::model::Story& after = *copy.stories().storyOfBox(refs[m_first]);
    EXPECT_EQ(after.text(), before.text());
    EXPECT_EQ(copy.stories().nextBox(refs[m_first]), refs[m_second]);
    ASSERT_EQ(after.characterRuns().runCount(), before.characterRuns().runCount());
    for (size_t i = 0; i < before.characterRuns().runCount(); ++i) {
        EXPECT_EQ(after.characterRuns().startOfRun(i), before.characterRuns().startOfRun(i));
        EXPECT_EQ(after.characterRuns().endOfRun(i), before.characterRuns().endOfRun(i));
        EXPECT_EQ(after.characterRuns().valueOfRun(i), before.characterRuns().valueOfRun(i));
    }
    ASSERT_EQ(after.paragraphRuns().runCount(), before.paragraphRuns().runCount());
    for (size_t i = 0; i < before.paragraphRuns().runCount(); ++i)
        EXPECT_EQ(after.paragraphRuns().valueOfRun(i), before.paragraphRuns().valueOfRun(i));
    EXPECT_EQ(after.anchoredItem(5), refs[m_anchored]);
    EXPECT_EQ(after.selection(), before.selection());

    const auto* marker = copy.dataBlocks().holder(host::model::HolderKind::Box, refs[m_second]);
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(*marker->find(kMarker), bytes("textdone"));
    const auto* page = copy.dataBlocks().holder(host::model::HolderKind::Page, copy.page(1).ref());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(*page->find(0x12345678), (host::model::DataBlock{0, 255, 7}));
    const auto* document = copy.dataBlocks().holder(host::model::HolderKind::Document, copy.ref());
    ASSERT_NE(document, nullptr);
    EXPECT_TRUE(document->has(kMarker)) << "an empty block is still a block";
}

TEST_F(TextJsonTest, ASavedDocumentKeepsItsPageAndDocumentBlocks)
{
    const Json document = host::model::documentToJson(*m_model.projectOf(*m_layout));
    EXPECT_EQ(document["layouts"][0]["dataBlocks"][0]["blocks"][0]["id"], "VRN1");
    const host::model::OpenResult opened = host::model::documentFromJson(document, m_model);
    ASSERT_TRUE(opened) << opened.error;
    host::model::Layout& reopened = opened.project->layout(0);
    const auto* page = reopened.dataBlocks().holder(host::model::HolderKind::Page, reopened.page(1).ref());
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->has(0x12345678));
    EXPECT_NE(reopened.dataBlocks().holder(host::model::HolderKind::Document, reopened.ref()), nullptr);
}

TEST_F(TextJsonTest, DamagedStoriesAndBlocksAreRefusedWithTheirPlace)
{
    struct Case {
        const char* what;
        std::function<void(Json&)> damage;
        const char* where;
    } const cases[] = {
        {"runs shorter than the text", [](Json& l) { l["stories"][0]["characterRuns"][0]["length"] = 1; }, "layouts[0].stories[0].characterRuns"},
        {"a negative run", [](Json& l) { l["stories"][0]["characterRuns"][0]["length"] = -4; }, "layouts[0].stories[0].characterRuns[0].length"},
        {"an unknown attribute", [](Json& l) { l["stories"][0]["characterRuns"][0]["glow"] = 1; }, "layouts[0].stories[0].characterRuns[0].glow"},
        {"a size beyond Fixed", [](Json& l) { l["stories"][0]["characterRuns"][0]["size"] = 1e9; }, "layouts[0].stories[0].characterRuns[0].size"},
        {"a paragraph run ending mid-paragraph",
            [](Json& l) {
                auto& runs = l["stories"][0]["paragraphRuns"];
                runs[0]["length"] = runs[0]["length"].get<int>() - 1;
                runs[1]["length"] = runs[1]["length"].get<int>() + 1;
            },
            "layouts[0].stories[0].paragraphRuns[0]"},
        {"an anchor on an ordinary character", [](Json& l) { l["stories"][0]["anchors"][0]["offset"] = 0; }, "layouts[0].stories[0].anchors[0].offset"},
        {"a selection past the text", [](Json& l) { l["stories"][0]["selection"] = {2, 999}; }, "layouts[0].stories[0].selection"},
        {"no boxes", [](Json& l) { l["stories"][0]["boxes"] = Json::array(); }, "layouts[0].stories[0].boxes"},
        {"text and units both", [](Json& l) { l["stories"][0]["units"] = {65}; }, "layouts[0].stories[0]"},
        {"a box in two stories", [](Json& l) { l["stories"].push_back(l["stories"][0]); }, "layouts[0].stories[1].boxes"},
        {"odd hexadecimal", [](Json& l) { l["dataBlocks"][0]["blocks"][0]["bytes"] = "abc"; }, "layouts[0].dataBlocks[0].blocks[0].bytes"},
        {"a three-letter id", [](Json& l) { l["dataBlocks"][0]["blocks"][0]["id"] = "VRN"; }, "layouts[0].dataBlocks[0].blocks[0].id"},
        {"an unknown holder", [](Json& l) { l["dataBlocks"][0]["holder"] = "spread"; }, "layouts[0].dataBlocks[0].holder"},
        {"a page the layout lacks", [](Json& l) { l["dataBlocks"][1]["page"] = 3; }, "layouts[0].dataBlocks[1].page"},
        {"one id twice", [](Json& l) { l["dataBlocks"][0]["blocks"].push_back(l["dataBlocks"][0]["blocks"][0]); }, "layouts[0].dataBlocks[0].blocks[1].id"},
    };
    const Json good = layoutJson();
    ASSERT_EQ(good["dataBlocks"][1]["holder"], "page");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Json layout = good;
        c.damage(layout);
        host::model::LayoutTextData read;
        const auto problem = host::model::readLayoutText(layout, "layouts[0]", host::model::ColourNames(host::model::LayoutColoursData{}), 1, read);
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problem->where, c.where) << problem->what;
        EXPECT_FALSE(problem->what.empty());

        Json document = host::model::documentToJson(*m_model.projectOf(*m_layout));
        document["layouts"][0] = layout;
        const size_t projects = m_model.projectCount();
        const host::model::OpenResult opened = host::model::documentFromJson(document, m_model);
        EXPECT_FALSE(opened);
        EXPECT_NE(opened.error.find(c.where), std::string::npos) << opened.error;
        EXPECT_EQ(m_model.projectCount(), projects) << "a damaged document adds nothing";
    }
}

} // namespace
} // namespace host_tests
