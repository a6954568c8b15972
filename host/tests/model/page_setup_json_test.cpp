// Page set-up, masters, guides and style sheets in document files: written, read back the same,
// and damaged values refused with where they sit.
#include <gtest/gtest.h>

#include "host/model/document_json.h"
#include "host/model/page_setup_json.h"
#include "host/model/spread_layout.h"
#include "testing/test_document.h"

namespace host_tests {
namespace {

using namespace host::model;
using namespace host::model::testdoc;

class PageSetupJsonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Layout& layout = m_model.newDocument({.pageCount = 3});
        setFacingPages(layout, true);
        layout.setup().setMargins({pt(10), pt(20), pt(30), pt(40.5)});
        layout.setup().setColumns({3, pt(9)});
        layout.setup().setBaselineGrid({pt(40), pt(14)});
        layout.masters().page(1).setMargins({pt(1), pt(2), pt(3), pt(4)});
        xt::GuideEntry guide{};
        guide.position = pt(700);
        guide.colour = xt::fourCC("GRD1");
        guide.flags = xt::kGuideLocked;
        layout.guides().add({xt::kGuideSpreadSet, layout.page(1).ref()}, GuideKind::Vertical, guide);
        guide.position = pt(50);
        layout.guides().add({xt::kGuidePageSet, layout.masters().page(1).ref()}, GuideKind::Horizontal, guide);
        xt::CharacterStyleRecord character = characterStyleNamed("Caption");
        character.size = pt(9);
        layout.styleSheets().addCharacterStyle(character);
        xt::ParagraphStyleRecord paragraph = paragraphStyleNamed("Body");
        paragraph.leading = pt(13);
        layout.styleSheets().addParagraphStyle(paragraph, std::vector<uint8_t>(16, 5));
        layout.styleSheets().addKind5Style("Figure list");
        layout.styleSheets().addKind5Style("Table list");
        m_written = documentToJson(m_model.project(0));
    }

    Layout& readBack()
    {
        OpenResult result = documentFromJson(m_written, m_model);
        EXPECT_TRUE(result) << result.error;
        return result.project->layout(0);
    }

    std::string refusal(const char* key, nlohmann::ordered_json value)
    {
        nlohmann::ordered_json damaged = m_written;
        damaged["layouts"][0][key] = std::move(value);
        return documentFromJson(damaged, m_model).error;
    }

    DocumentModel m_model;
    nlohmann::ordered_json m_written;
};

TEST_F(PageSetupJsonTest, EverythingReadsBackAsItWasWritten)
{
    const Layout& read = readBack();
    const Layout& original = m_model.project(0).layout(0);
    EXPECT_TRUE(read.setup().facing());
    EXPECT_EQ(read.setup().margins(), original.setup().margins());
    EXPECT_EQ(read.setup().columns(), original.setup().columns());
    EXPECT_EQ(read.setup().baselineGrid(), original.setup().baselineGrid());
    ASSERT_EQ(read.masters().pageCount(), 2u);
    EXPECT_EQ(read.masters().page(1).margins(), (PageMargins{pt(1), pt(2), pt(3), pt(4)}));

    const auto spreadGuides = read.guides().guides({xt::kGuideSpreadSet, read.page(1).ref()}, GuideKind::Vertical);
    ASSERT_EQ(spreadGuides.size(), 1u);
    EXPECT_EQ(spreadGuides[0].position(), pt(700));
    EXPECT_EQ(spreadGuides[0].colour(), xt::fourCC("GRD1"));
    EXPECT_TRUE(spreadGuides[0].isLocked());
    EXPECT_EQ(read.guides().count({xt::kGuidePageSet, read.masters().page(1).ref()}, GuideKind::Horizontal), 1u);

    ASSERT_EQ(read.styleSheets().characterStyles().size(), 1u);
    EXPECT_EQ(read.styleSheets().characterStyles()[0].name(), "Caption");
    EXPECT_EQ(xt::Fixed{read.styleSheets().characterStyles()[0].record().size}, pt(9));
    ASSERT_EQ(read.styleSheets().paragraphStyles().size(), 1u);
    EXPECT_EQ(xt::Fixed{read.styleSheets().paragraphStyles()[0].record().leading}, pt(13));
    EXPECT_EQ(read.styleSheets().paragraphStyles()[0].tabs(), std::vector<uint8_t>(16, 5));
    ASSERT_EQ(read.styleSheets().count(xt::kStyleKind5), 2u);
    EXPECT_EQ(read.styleSheets().kind5Styles()[1].name(), "Table list");
    EXPECT_EQ(read.styleSheets().styleAt(xt::kStyleKind5, 1), read.styleSheets().kind5Styles()[1].ref());
    EXPECT_EQ(documentToJson(*m_model.projectOf(read)).dump(), m_written.dump()) << "a second save is the same";
}

TEST_F(PageSetupJsonTest, DamagedValuesAreRefusedWithTheirPlace)
{
    const size_t projects = m_model.projectCount();
    struct Case {
        const char* key;
        nlohmann::ordered_json value;
        const char* where;
    };
    const Case cases[] = {
        {kPageSetupKey, {{"facing", 1}}, "layouts[0].pageSetup"},
        {kMastersKey, nlohmann::ordered_json::array({nlohmann::ordered_json::object()}), "layouts[0].masters"}, // half a facing spread
        {kGuidesKey, nlohmann::ordered_json::array({{{"list", "page"}, {"master", false}, {"page", 9}, {"kind", 1},
                         {"position", 1}, {"colour", 0}, {"flags", 0}}}), "layouts[0].guides[0].page"},
        {kStyleSheetsKey, nlohmann::ordered_json::array({{{"kind", 1}, {"record", "00"}}}), "layouts[0].styleSheets[0].record"},
        {kStyleSheetsKey, nlohmann::ordered_json::array({{{"kind", 3}, {"name", "A"}}}), "layouts[0].styleSheets[0].kind"}, // no such kind
        {kStyleSheetsKey, nlohmann::ordered_json::array({{{"kind", 5}}}), "layouts[0].styleSheets[0].name"},
        {kStyleSheetsKey, nlohmann::ordered_json::array({{{"kind", 5}, {"name", ""}}}), "layouts[0].styleSheets[0].name"},
        {kStyleSheetsKey, nlohmann::ordered_json::array({{{"kind", 5}, {"name", std::string(64, 'x')}}}), "layouts[0].styleSheets[0].name"},
    };
    for (const Case& c : cases) {
        const std::string error = refusal(c.key, c.value);
        EXPECT_NE(error.find(c.where), std::string::npos) << c.key << ": " << error;
    }
    EXPECT_EQ(m_model.projectCount(), projects) << "nothing was added";
}

} // namespace
} // namespace host_tests
