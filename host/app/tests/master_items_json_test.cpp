// Items on master pages in document files: saved beside the document pages' items with their text,
// pictures, groups, tables and data blocks, read back onto the same master pages, and damaged master
// entries refused with their place.
#include <algorithm>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "host/model/document_json.h"
#include "host/model/items/table.h"
#include "host/model/text/text_boxes.h"
#include "testing/temporary_folder.h"
#include "testing/test_document.h"
#include "testing/test_text.h"

namespace host::model {
namespace {

using Json = nlohmann::ordered_json;
using namespace testdoc;

constexpr xt::FourLetterCode kPluginBlock = xt::fourCC("VRN1");

std::u16string textOf(Layout& layout, int32_t box)
{
    const Story* story = storyOfTextBox(layout, box);
    return story ? story->text() : u"(no story)";
}

/// The top-level items of a master page by kind, back to front.
std::vector<xt::BoxKind> kindsOn(const Layout& layout, int32_t pageRef)
{
    std::vector<xt::BoxKind> kinds;
    for (int32_t ref : layout.items().topLevelOnPage(pageRef))
        kinds.push_back(layout.items().find(ref)->kind());
    return kinds;
}

/// Two document pages on two master spreads ("A" and "B"); B-Master carries a running head (a text box
/// with text), a logo (a picture box), a rule and a mark grouped, and a table with text in a cell.
class MasterItemsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_layout = &m_model.newDocument({2, {}, "Magazine"});
        const size_t second = m_layout->masters().addSpread();
        m_layout->page(1).setMasterSpread(1);
        m_master = m_layout->masters().page(second).ref();
        ItemStore& items = m_layout->items();
        m_head = items.addItem(m_master, xt::BoxKind::Text, xt::shape::kRectangle, rect(20, 36, 40, 300)).ref();
        setText(*m_layout, m_head, "Issue 12\rSpring");
        Item& logo = items.addItem(m_master, xt::BoxKind::Picture, xt::shape::kRectangle, rect(20, 400, 60, 500));
        logo.setPictureFile({"logo.png", {pt(120), pt(40)}});
        const int32_t rule = items.addItem(m_master, xt::BoxKind::Plain, xt::shape::kLine, rect(60, 36, 60, 576)).ref();
        const int32_t mark = items.addItem(m_master, xt::BoxKind::Plain, xt::shape::kOval, rect(700, 36, 712, 48)).ref();
        m_group = items.addGroup({rule, mark})->ref();
        Item& table = items.addTable(m_master, point(600, 36), {pt(50), pt(60)}, {pt(20)}, pt(1));
        m_table = table.ref();
        setText(*m_layout, items.table(m_table)->cell(1, 0), "Contents");
        m_layout->dataBlocks().holder(m_layout->dataBlocks().holderRef(HolderKind::Box, m_head))->set(kPluginBlock, {1, 2});
        m_layout->dataBlocks().holder(m_layout->dataBlocks().holderRef(HolderKind::Page, m_master))->set(kPluginBlock, {3});
        // A document page item with text of its own, so both lists meet in one file.
        const int32_t body = addTextBox(*m_layout, 0, rect(100, 36, 500, 576)).ref();
        setText(*m_layout, body, "Body text");
    }

    std::filesystem::path save(const Project& project, const std::string& name)
    {
        const auto file = m_folder.path() / name;
        const SaveResult saved = saveDocument(project, file);
        EXPECT_TRUE(saved) << saved.error;
        return file;
    }

    xt_testing::TemporaryFolder m_folder;
    DocumentModel m_model;
    Layout* m_layout = nullptr;
    int32_t m_master = 0, m_head = 0, m_group = 0, m_table = 0;
};

TEST_F(MasterItemsFile, TheFileKeepsThemAfterTheDocumentPagesItems)
{
    const Json saved = Json::parse(xt_testing::readFile(save(*m_model.projectOf(*m_layout), "magazine.json")));
    const Json& layout = saved["layouts"][0];
    std::vector<std::string> keys;
    for (const auto& [key, value] : layout.items())
        keys.push_back(key);
    const auto at = [&](const char* key) { return std::find(keys.begin(), keys.end(), key) - keys.begin(); };
    EXPECT_EQ(at("masterItems"), at("items") + 1) << "the master pages' items follow the document pages'";
    EXPECT_LT(at("masterItems"), at("stories"));

    ASSERT_EQ(layout["items"].size(), 1u);
    // The head, the logo, the rule and mark before their group, the table (its cells inside it).
    const Json& masterItems = layout["masterItems"];
    ASSERT_EQ(masterItems.size(), 6u);
    for (const Json& item : masterItems)
        EXPECT_EQ(item["page"], 2) << "B-Master's page is the second master page: " << item.dump();
    EXPECT_EQ(masterItems[0]["ref"], m_head);
    EXPECT_EQ(masterItems[1]["picture"]["file"], "logo.png");
    EXPECT_EQ(masterItems[4]["members"].size(), 2u);
    EXPECT_EQ(masterItems[5]["table"]["cells"][1]["page"], 2);
    // The running head's story names its master box like any other.
    const Json& stories = layout["stories"];
    const auto head = std::find_if(stories.begin(), stories.end(), [&](const Json& story) { return story["boxes"][0] == m_head; });
    ASSERT_NE(head, stories.end());
    EXPECT_EQ((*head)["text"], "Issue 12\rSpring");
    const auto pageBlocks = std::find_if(layout["dataBlocks"].begin(), layout["dataBlocks"].end(),
        [](const Json& holder) { return holder["holder"] == "page"; });
    ASSERT_NE(pageBlocks, layout["dataBlocks"].end());
    EXPECT_EQ(pageBlocks->dump(), R"({"holder":"page","master":true,"page":2,"blocks":[{"id":"VRN1","bytes":"03"}]})");
}

TEST_F(MasterItemsFile, ReopenedTheMasterPageHoldsTheSameItemsTextAndBlocks)
{
    const auto file = save(*m_model.projectOf(*m_layout), "magazine.json");
    DocumentModel reopened;
    const OpenResult opened = openDocument(file, reopened);
    ASSERT_TRUE(opened) << opened.error;
    Layout& layout = opened.project->layout(0);
    ASSERT_EQ(layout.masters().pageCount(), 2u);
    const int32_t master = layout.masters().page(1).ref();

    EXPECT_TRUE(layout.items().topLevelOnPage(layout.masters().page(0).ref()).empty());
    const std::vector<int32_t> onMaster = layout.items().topLevelOnPage(master);
    ASSERT_EQ(kindsOn(layout, master), (std::vector<xt::BoxKind>{xt::BoxKind::Text, xt::BoxKind::Picture,
                                            xt::BoxKind::Group, xt::BoxKind::Group}));
    const Item& head = *layout.items().find(onMaster[0]);
    EXPECT_TRUE(sameRect(head.rect(), rect(20, 36, 40, 300)));
    EXPECT_EQ(textOf(layout, head.ref()), u"Issue 12\rSpring");
    const Item& logo = *layout.items().find(onMaster[1]);
    ASSERT_NE(logo.pictureFile(), nullptr);
    EXPECT_EQ(*logo.pictureFile(), (PictureFile{"logo.png", {pt(120), pt(40)}}));
    const Item& group = *layout.items().find(onMaster[2]);
    ASSERT_EQ(group.members().size(), 2u);
    for (int32_t member : group.members())
        EXPECT_EQ(layout.items().find(member)->pageRef(), master);
    EXPECT_EQ(layout.items().find(group.members()[0])->shape(), xt::shape::kLine);
    const Table* table = layout.items().table(onMaster[3]);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(textOf(layout, table->cell(1, 0)), u"Contents");
    EXPECT_EQ(layout.items().find(table->cell(1, 0))->pageRef(), master);

    const DataBlockHolder* boxBlocks = layout.dataBlocks().holder(HolderKind::Box, head.ref());
    ASSERT_NE(boxBlocks, nullptr);
    EXPECT_EQ(*boxBlocks->find(kPluginBlock), (DataBlock{1, 2}));
    const DataBlockHolder* pageBlocks = layout.dataBlocks().holder(HolderKind::Page, master);
    ASSERT_NE(pageBlocks, nullptr);
    EXPECT_EQ(*pageBlocks->find(kPluginBlock), (DataBlock{3}));
    ASSERT_EQ(layout.items().topLevelOnPage(layout.page(0).ref()).size(), 1u);
    EXPECT_EQ(textOf(layout, layout.items().topLevelOnPage(layout.page(0).ref())[0]), u"Body text");

    // Read, the items took new references in the order the file lists them; from then on a save reads
    // back to the same file, to the byte.
    const auto again = save(*opened.project, "again.json");
    DocumentModel third;
    const OpenResult thirdOpened = openDocument(again, third);
    ASSERT_TRUE(thirdOpened) << thirdOpened.error;
    EXPECT_EQ(xt_testing::readFile(save(*thirdOpened.project, "third.json")), xt_testing::readFile(again));
}

TEST_F(MasterItemsFile, ALayoutWhoseMastersHoldNothingIsWrittenAsBefore)
{
    // The second layout's masters are empty: no "masterItems", and the streamed file is the whole
    // document printed, as for every other list.
    Project& project = *m_model.projectOf(*m_layout);
    Layout& plain = project.addLayout("Plain");
    plain.appendPage({});
    addBox(plain, 0, rect(10, 10, 20, 20));
    const std::string text = xt_testing::readFile(save(project, "two.json"));
    const Json saved = Json::parse(text);
    EXPECT_FALSE(saved["layouts"][1].contains("masterItems"));
    EXPECT_EQ(text, documentToJson(project).dump(2) + "\n");
}

TEST_F(MasterItemsFile, AChainCannotBeLinkedFromAMasterPageOntoADocumentPage)
{
    const int32_t body = m_layout->items().topLevelOnPage(m_layout->page(0).ref())[0];
    EXPECT_FALSE(linkTextBoxes(*m_layout, m_head, body));
    EXPECT_FALSE(linkTextBoxes(*m_layout, body, m_head));
    EXPECT_EQ(nextTextBox(*m_layout, m_head), 0);
    EXPECT_EQ(nextTextBox(*m_layout, body), 0);
    // Between two master pages' boxes the link is made.
    const int32_t other = m_layout->items().addItem(m_layout->masters().page(0).ref(), xt::BoxKind::Text,
        xt::shape::kRectangle, rect(0, 0, 50, 50)).ref();
    EXPECT_TRUE(linkTextBoxes(*m_layout, m_head, other));
}

/// A document of one layout of two pages that ends with `layoutTail` (its items, masters, stories...).
std::string documentWithMasters(const std::string& layoutTail)
{
    return R"({"format": "vorne-layout", "version": 1, "name": "x", "layouts": [{"name": "L",
        "pages": [{"width": 612, "height": 792}, {"width": 612, "height": 792}], )" + layoutTail + "}]}";
}

struct DamagedMasters {
    const char* layoutTail;
    const char* error;
};

const DamagedMasters kDamagedMasters[] = {
    {R"("masterItems": {})", "\"layouts[0].masterItems\" must be a list of items"},
    {R"("masterItems": [{"ref": 1, "page": 2, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10]}])",
        "\"layouts[0].masterItems[0].page\" must be a whole number from 1 to 1"},
    {R"("masterItems": [{"ref": 1, "page": 0, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10]}])",
        "\"layouts[0].masterItems[0].page\" must be a whole number from 1 to 1"},
    {R"("pageSetup": {"facing": true, "margins": [36, 36, 36, 36], "columns": 1, "gutter": 12, "gridStart": 36,
         "gridIncrement": 12}, "masters": [{"margins": [36, 36, 36, 36], "columns": 1, "gutter": 12},
         {"margins": [36, 36, 36, 36], "columns": 1, "gutter": 12}],
        "masterItems": [{"ref": 1, "page": 3, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10]}])",
        "\"layouts[0].masterItems[0].page\" must be a whole number from 1 to 2"},
    {R"("items": [{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10]}],
        "masterItems": [{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10]}])",
        "\"layouts[0].masterItems[0].ref\" is the reference of another item"},
    {R"("masterItems": [{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10]},
        {"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10]}])",
        "\"layouts[0].masterItems[1].ref\" is the reference of another item"},
    {R"("items": [{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10]}],
        "masterItems": [{"ref": 2, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10]},
        {"ref": 3, "page": 1, "kind": 2, "shape": 5, "members": [1, 2]}])",
        "\"layouts[0].masterItems[1].members\" names an item of a document page"},
    {R"("items": [{"ref": 1, "page": 1, "kind": 2, "shape": 5, "members": [2]}],
        "masterItems": [{"ref": 2, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10]}])",
        "\"layouts[0].items[0].members\" must name items written before the group"},
    {R"("masterItems": [{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10], "layer": 4}],
        "layers": [{"id": 0, "name": "Default", "visible": true, "locked": false}])",
        "\"layouts[0].masterItems[0].layer\" names no layer of the layout"},
    {R"("items": [{"ref": 1, "page": 1, "kind": 3, "shape": 5, "rect": [0, 0, 10, 10]}],
        "masterItems": [{"ref": 2, "page": 1, "kind": 3, "shape": 5, "rect": [0, 0, 10, 10]}],
        "stories": [{"boxes": [2, 1], "text": "Head", "characterRuns": [{"length": 4}], "paragraphRuns": [{"length": 4}]}])",
        "\"layouts[0].stories[0].boxes\" links a box on a master page with one on a document page or the pasteboard"},
    {R"("dataBlocks": [{"holder": "page", "master": true, "page": 2, "blocks": []}])",
        "\"layouts[0].dataBlocks[0].page\" must be a whole number from 1 to 1"},
    {R"("dataBlocks": [{"holder": "page", "master": "yes", "page": 1, "blocks": []}])",
        "\"layouts[0].dataBlocks[0].master\" must be true or false"},
};

TEST(MasterItemsJson, RefusesDamagedMasterEntriesNamingThePlaceAndAddsNothing)
{
    for (const auto& row : kDamagedMasters) {
        SCOPED_TRACE(row.layoutTail);
        DocumentModel model;
        const OpenResult result = documentFromText(documentWithMasters(row.layoutTail), model);
        EXPECT_FALSE(result);
        EXPECT_TRUE(result.error.starts_with(row.error)) << result.error;
        EXPECT_EQ(model.projectCount(), 0u);
    }
}

TEST(MasterItemsJson, AMasterItemWrittenByHandLandsOnItsMasterPageAndAChainOfMasterBoxesStaysWhole)
{
    // Facing pages written without their masters have the host's pair: the right master page is 2.
    DocumentModel model;
    const OpenResult result = documentFromText(documentWithMasters(R"("pageSetup": {"facing": true,
        "margins": [36, 36, 36, 36], "columns": 1, "gutter": 12, "gridStart": 36, "gridIncrement": 12},
        "masterItems": [{"ref": 8, "page": 2, "kind": 3, "shape": 5, "rect": [0, 0, 10, 10]},
            {"ref": 9, "page": 1, "kind": 3, "shape": 5, "rect": [0, 0, 10, 10]}],
        "stories": [{"boxes": [9, 8, 77], "text": "Folio", "characterRuns": [{"length": 5}], "paragraphRuns": [{"length": 5}]}])"),
        model);
    ASSERT_TRUE(result) << result.error;
    Layout& layout = result.project->layout(0);
    const auto right = layout.items().topLevelOnPage(layout.masters().page(1).ref());
    const auto left = layout.items().topLevelOnPage(layout.masters().page(0).ref());
    ASSERT_EQ(right.size(), 1u);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(nextTextBox(layout, left[0]), right[0]) << "a box that names no item is left out of the chain";
    EXPECT_EQ(textOf(layout, right[0]), u"Folio");
}

} // namespace
} // namespace host::model
