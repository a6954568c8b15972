// Items in document files: a layout's boxes, lines, shapes, groups and tables come back field by
// field with their stories and data blocks, and damaged item entries are refused whole.
#include "host/model/items_json.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "host/model/document_json.h"
#include "testing/test_document.h"

namespace host::model {
namespace {

using Json = nlohmann::ordered_json;
using namespace testdoc;

constexpr xt::FourLetterCode kPluginBlock = xt::fourCC("VRN1");

/// What the file holds of a record: every byte but the rectangle or shape-data handle, which the
/// item keeps apart.
xt::BoxRecord recordBytes(const Item& item)
{
    xt::BoxRecord record = item.record();
    record.geometry.rect = xt::FixedRect{};
    return record;
}

bool sameRect(const xt::FixedRect& a, const xt::FixedRect& b)
{
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

/// The layout the round trip starts from, and the names of its parts.
struct Brochure {
    DocumentModel model;
    Layout* layout = nullptr;
    int32_t headline = 0, sidebar = 0, rule = 0, star = 0, picture = 0, group = 0, table = 0;
};

/// The headline runs on into the sidebar; a plug-in keeps its settings on the first box.
void addStoryAndBlock(Layout& layout, int32_t headline, int32_t sidebar)
{
    layout.stories().addTextBox(headline);
    layout.stories().addTextBox(sidebar);
    ASSERT_TRUE(layout.stories().link(headline, sidebar));
    layout.stories().storyOfBox(headline)->insert(0, u"Spring sale");
    layout.dataBlocks().holder(layout.dataBlocks().holderRef(HolderKind::Box, headline))->set(kPluginBlock, {7, 0, 1, 255});
}

void buildBrochure(Brochure& doc)
{
    Layout& layout = doc.model.newDocument({2, {}, "Brochure"});
    doc.layout = &layout;
    Item& headline = addTextBox(layout, 0, rect(36, 36, 136, 300));
    headline.setOutsets(pt(1), pt(2), pt(3), pt(4.5));
    headline.setFrame({xt::kMagentaColour, pt(0.25)});
    headline.setBackground({xt::kYellowColour, pt(0.1)});
    xt::TextFields text = headline.text();
    text.columns = 2;
    text.gutter = pt(12);
    text.flags = xt::kTextRunsOn;
    headline.setText(text);
    Item& sidebar = addTextBox(layout, 1, rect(400, 36, 700, 200));
    sidebar.setLocked(true);
    sidebar.setLayer(4);
    sidebar.setName("Sidebar \u00e9t\u00e9");
    Item& rule = addAngledLine(layout, 0, point(150, 36), pt(200), 30);
    rule.setWeight(pt(2.5));
    Item& star = addShape(layout, 0, {point(200, 50), point(260, 80), point(200, 110), point(230.5, 80)});
    star.setDropShadow({pt(3), {1, 2, 3, 4}, pt(-2), {9}});
    Item& picture = addPictureBox(layout, 0, rect(300, 300, 400, 450));
    picture.setFlags(xt::kPictureMirroredAcross);
    picture.setCorner(pt(6));
    Item& group = addGroup(layout, {rule.ref(), star.ref()});
    group.setLocked(true);
    Item& table = addTable(layout, 1, point(100, 300), {pt(50), pt(70.25)}, {pt(20), pt(30), pt(40)}, pt(0.5));
    layout.items().table(table.ref())->setColumnLine(1, pt(3));
    layout.items().remove(layout.items().table(table.ref())->cell(1, 2));
    doc.headline = headline.ref();
    addStoryAndBlock(layout, headline.ref(), sidebar.ref());
    doc.sidebar = sidebar.ref();
    doc.rule = rule.ref();
    doc.star = star.ref();
    doc.picture = picture.ref();
    doc.group = group.ref();
    doc.table = table.ref();
}

/// Compares what a user sees of two items, following members and cells; `refs` maps old to new.
void expectSameItem(const Layout& before, const Item& a, Layout& after, const Item& b, const std::map<int32_t, int32_t>& refs)
{
    SCOPED_TRACE("item " + std::to_string(a.ref()));
    EXPECT_EQ(a.kind(), b.kind());
    EXPECT_EQ(a.shape(), b.shape());
    EXPECT_EQ(a.groupRole(), b.groupRole());
    EXPECT_TRUE(sameRect(before.items().bounds(a), after.items().bounds(b)));
    EXPECT_TRUE(sameRect(a.rect(), b.rect()));
    EXPECT_EQ(a.hasShapeData(), b.hasShapeData());
    if (a.shapeData() && b.shapeData()) {
        EXPECT_TRUE(sameRect(a.shapeData()->rect(), b.shapeData()->rect()));
        const auto pa = a.shapeData()->points();
        const auto pb = b.shapeData()->points();
        ASSERT_EQ(pa.size(), pb.size());
        for (size_t i = 0; i < pa.size(); ++i)
            EXPECT_TRUE(pa[i].v == pb[i].v && pa[i].h == pb[i].h) << "point " << i;
    }
    const xt::BoxRecord ra = recordBytes(a);
    const xt::BoxRecord rb = recordBytes(b);
    EXPECT_EQ(std::memcmp(&ra, &rb, sizeof ra), 0) << "record bytes differ";
    EXPECT_EQ(a.frame(), b.frame());
    EXPECT_EQ(a.background(), b.background());
    EXPECT_EQ(a.pictureColour(), b.pictureColour());
    EXPECT_EQ(a.isLocked(), b.isLocked());
    EXPECT_EQ(a.layer(), b.layer());
    EXPECT_EQ(a.name(), b.name());
    EXPECT_EQ(a.dropShadow().has_value(), b.dropShadow().has_value());
    if (a.dropShadow() && b.dropShadow()) {
        EXPECT_EQ(std::memcmp(&*a.dropShadow(), &*b.dropShadow(), sizeof(xt::DropShadowRecord)), 0);
    }
    EXPECT_EQ(refs.at(a.ref()), b.ref());
    EXPECT_EQ(a.parent() ? refs.at(a.parent()) : 0, b.parent());
    ASSERT_EQ(a.members().size(), b.members().size());
    for (size_t i = 0; i < a.members().size(); ++i)
        expectSameItem(before, *before.items().find(a.members()[i]), after, *after.items().find(b.members()[i]), refs);
}

class ItemsRoundTrip : public ::testing::Test {
protected:
    void SetUp() override
    {
        buildBrochure(m_doc);
        m_saved = documentToJson(*m_doc.model.projectOf(*m_doc.layout));
        const OpenResult result = documentFromJson(m_saved, m_opened);
        ASSERT_TRUE(result) << result.error;
        m_after = &result.project->layout(0);
        // The file lists items page by page, back to front, members before their group.
        const Json& written = m_saved["layouts"][0]["items"];
        std::vector<int32_t> order;
        for (size_t page = 0; page < m_after->pageCount(); ++page) {
            for (int32_t ref : m_after->items().topLevelOnPage(m_after->page(page).ref()))
                order.push_back(ref);
        }
        const std::vector<int32_t> before = topLevel(*m_doc.layout);
        ASSERT_EQ(before.size(), order.size());
        ASSERT_FALSE(written.empty());
        for (size_t i = 0; i < order.size(); ++i)
            mapAll(*m_doc.layout->items().find(before[i]), *m_after->items().find(order[i]));
    }

    static std::vector<int32_t> topLevel(const Layout& layout)
    {
        std::vector<int32_t> refs;
        for (size_t page = 0; page < layout.pageCount(); ++page) {
            for (int32_t ref : layout.items().topLevelOnPage(layout.page(page).ref()))
                refs.push_back(ref);
        }
        return refs;
    }

    void mapAll(const Item& a, const Item& b)
    {
        m_refs[a.ref()] = b.ref();
        for (size_t i = 0; i < a.members().size() && i < b.members().size(); ++i)
            mapAll(*m_doc.layout->items().find(a.members()[i]), *m_after->items().find(b.members()[i]));
    }

    Brochure m_doc;
    Json m_saved;
    DocumentModel m_opened;
    Layout* m_after = nullptr;
    std::map<int32_t, int32_t> m_refs;
};

TEST_F(ItemsRoundTrip, EveryItemComesBackFieldByField)
{
    EXPECT_EQ(m_after->items().size(), m_doc.layout->items().size());
    for (int32_t ref : topLevel(*m_doc.layout)) {
        const Item& before = *m_doc.layout->items().find(ref);
        expectSameItem(*m_doc.layout, before, *m_after, *m_after->items().find(m_refs.at(ref)), m_refs);
    }
    const Item& headline = *m_after->items().find(m_refs.at(m_doc.headline));
    EXPECT_EQ(headline.text().columns, 2);
    EXPECT_EQ(headline.text().gutter, pt(12));
    EXPECT_EQ(m_after->items().find(m_refs.at(m_doc.sidebar))->pageRef(), m_after->page(1).ref());
}

TEST_F(ItemsRoundTrip, TheFileIsTheWholeDocumentPrintedThoughItsListsAreWrittenAnEntryAtATime)
{
    // A second layout with nothing but pages, and a third with only a story-less box, so that lists and
    // objects left out, empty and nested all meet the writer.
    Project& project = *m_doc.model.projectOf(*m_doc.layout);
    project.addLayout("Empty").appendPage({pt(100), pt(100)});
    Layout& third = project.addLayout("One box");
    third.appendPage({pt(200), pt(300)});
    addBox(third, 0, rect(10, 10, 20, 20));
    std::ostringstream streamed;
    writeDocumentJson(streamed, project);
    EXPECT_EQ(streamed.str(), documentToJson(project).dump(2));
}

TEST_F(ItemsRoundTrip, ItemsListedOutOfPageOrderKeepTheirReferencesFromTheFirstSaveOn)
{
    // Written by hand, the page-2 sidebar comes first; read and saved, the file lists it in its page's
    // place, and reading that file again must give the same references.
    Json shuffled = m_saved;
    Json& items = shuffled["layouts"][0]["items"];
    const auto sidebar = std::find_if(items.begin(), items.end(), [](const Json& item) { return item["page"] == 2; });
    ASSERT_NE(sidebar, items.end());
    const Json moved = *sidebar;
    items.erase(sidebar);
    items.insert(items.begin(), moved);

    DocumentModel first;
    const OpenResult once = documentFromJson(shuffled, first);
    ASSERT_TRUE(once) << once.error;
    const Json saved = documentToJson(*once.project);
    DocumentModel second;
    const OpenResult twice = documentFromJson(saved, second);
    ASSERT_TRUE(twice) << twice.error;
    EXPECT_EQ(documentToJson(*twice.project), saved);
}

TEST_F(ItemsRoundTrip, TableKeepsItsGridLinesAndTheGapOfARemovedCell)
{
    Table& before = *m_doc.layout->items().table(m_doc.table);
    Table* after = m_after->items().table(m_refs.at(m_doc.table));
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->widths(), before.widths());
    EXPECT_EQ(after->heights(), before.heights());
    for (int32_t k = 0; k <= before.columnCount(); ++k)
        EXPECT_EQ(after->columnLine(k), before.columnLine(k)) << "column line " << k;
    for (int32_t k = 0; k <= before.rowCount(); ++k)
        EXPECT_EQ(after->rowLine(k), before.rowLine(k)) << "row line " << k;
    for (int32_t column = 0; column < before.columnCount(); ++column) {
        for (int32_t row = 0; row < before.rowCount(); ++row) {
            const int32_t cell = before.cell(column, row);
            EXPECT_EQ(after->cell(column, row), cell ? m_refs.at(cell) : 0) << column << "," << row;
        }
    }
    EXPECT_EQ(after->cell(1, 2), 0);
}

TEST_F(ItemsRoundTrip, LinkedStoryAndBoxDataFollowTheNewReferences)
{
    const int32_t headline = m_refs.at(m_doc.headline);
    const int32_t sidebar = m_refs.at(m_doc.sidebar);
    const Story* story = m_after->stories().storyOfBox(headline);
    ASSERT_NE(story, nullptr);
    EXPECT_EQ(story->text(), u"Spring sale");
    EXPECT_EQ(m_after->stories().nextBox(headline), sidebar);
    EXPECT_EQ(m_after->stories().storyOfBox(sidebar), story);
    const DataBlockHolder* holder = m_after->dataBlocks().holder(HolderKind::Box, headline);
    ASSERT_NE(holder, nullptr);
    ASSERT_NE(holder->find(kPluginBlock), nullptr);
    EXPECT_EQ(*holder->find(kPluginBlock), (DataBlock{7, 0, 1, 255}));
}

TEST_F(ItemsRoundTrip, SavingTheOpenedDocumentWritesTheSameItems)
{
    const Json again = documentToJson(*m_opened.projectOf(*m_after));
    // References are new, so compare what they point at: the same entries in the same order.
    const Json& first = m_saved["layouts"][0]["items"];
    const Json& second = again["layouts"][0]["items"];
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].value("record", Json()), second[i].value("record", Json())) << i;
        EXPECT_EQ(first[i].value("content", Json()), second[i].value("content", Json())) << i;
        EXPECT_EQ(first[i].value("rect", Json()), second[i].value("rect", Json())) << i;
        EXPECT_EQ(first[i].value("points", Json()), second[i].value("points", Json())) << i;
    }
}

TEST(ItemsJson, ALayoutWithoutItemsWritesNoItemsKey)
{
    DocumentModel model;
    const Layout& layout = model.newDocument();
    const Json saved = documentToJson(*model.projectOf(layout));
    EXPECT_FALSE(saved["layouts"][0].contains("items"));
}

const std::string kZeroRecord(2 * sizeof(xt::BoxRecord), '0');

/// A document of one two-page layout whose "items" are `items`, with @R standing for a sound record.
std::string documentWithItems(std::string items)
{
    for (size_t at = items.find("@R"); at != std::string::npos; at = items.find("@R"))
        items.replace(at, 2, kZeroRecord);
    return R"({"format": "vorne-layout", "version": 1, "name": "x", "layouts": [{"name": "L",
        "pages": [{"width": 612, "height": 792}, {"width": 612, "height": 792}], "items": )" + items + "}]}";
}

struct DamagedItems {
    const char* items;
    const char* error;
};

const DamagedItems kDamagedItems[] = {
    {R"({})", "\"layouts[0].items\" must be a list of items"},
    {R"([7])", "\"layouts[0].items[0]\" must be an item with a reference, page, kind and shape"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10], "record": "@R", "size": 3}])",
        "\"layouts[0].items[0].size\" is not part of a version-1 document"},
    {R"([{"page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10], "record": "@R"}])", "\"layouts[0].items[0].ref\" is missing"},
    {R"([{"ref": 1, "page": 3, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10], "record": "@R"}])",
        "\"layouts[0].items[0].page\" must be a whole number from 0 to 2"},
    {R"([{"ref": 1, "page": 1, "kind": 9, "shape": 5, "rect": [0, 0, 10, 10], "record": "@R"}])",
        "\"layouts[0].items[0].kind\" must be a whole number from 0 to 5"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 12, "rect": [0, 0, 10, 10], "record": "@R"}])",
        "\"layouts[0].items[0].shape\" must be a whole number from 0 to 11"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10], "record": "00ff"}])",
        "\"layouts[0].items[0].record\" must be the item's 538 bytes in hex"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10], "record": "@R"}])",
        "\"layouts[0].items[0].rect\" must be a list of 4 lengths in points"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 1e9], "record": "@R"}])",
        "\"layouts[0].items[0].rect\" must be a list of 4 lengths in points"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 3, "rect": [0, 0, 10, 10], "record": "@R"}])",
        "\"layouts[0].items[0].points\" is missing"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 3, "rect": [0, 0, 10, 10], "points": [[1, 2], [3]], "record": "@R"}])",
        "\"layouts[0].items[0].points\" must be a list of at least one point [v, h]"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10], "record": "@R", "angle": "30"}])",
        "\"layouts[0].items[0].angle\" must be a number"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10], "record": "@R", "locked": 1}])",
        "\"layouts[0].items[0].locked\" must be true or false"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10], "record": "@R", "name": 7}])",
        "\"layouts[0].items[0].name\" must be text"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10], "record": "@R", "dropShadow": "zz"}])",
        "\"layouts[0].items[0].dropShadow\" must be the shadow's 32 bytes in hex"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10], "record": "@R"},
         {"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10], "record": "@R"}])",
        "\"layouts[0].items[1].ref\" is the reference of another item"},
    {R"([{"ref": 5, "page": 1, "kind": 2, "shape": 5, "members": [4], "record": "@R"}])",
        "\"layouts[0].items[0].members\" must name items written before the group"},
    {R"([{"ref": 5, "page": 1, "kind": 2, "shape": 5, "members": [5], "record": "@R"}])",
        "\"layouts[0].items[0].members\" must name items written before the group"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10], "record": "@R"},
         {"ref": 2, "page": 1, "kind": 2, "shape": 5, "members": [1], "record": "@R"},
         {"ref": 3, "page": 1, "kind": 2, "shape": 5, "members": [1], "record": "@R"}])",
        "\"layouts[0].items[2].members\" names an item that another group or table already holds"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10], "members": [], "record": "@R"}])",
        "\"layouts[0].items[0]\" holds members but is not of kind 2"},
    {R"([{"ref": 1, "page": 1, "kind": 2, "shape": 5, "rect": [0, 0, 10, 10], "members": [], "record": "@R"}])",
        "\"layouts[0].items[0]\" is a group or table"},
    {R"([{"ref": 1, "page": 1, "kind": 2, "shape": 5, "record": "@R", "table": {"widths": [10], "heights": [0],
         "columnLines": [1, 1], "rowLines": [1, 1], "cells": [null]}}])",
        "\"layouts[0].items[0].table.heights\" must be a list of lengths in points above 0"},
    {R"([{"ref": 1, "page": 1, "kind": 2, "shape": 5, "record": "@R", "table": {"widths": [10], "heights": [10],
         "columnLines": [1], "rowLines": [1, 1], "cells": [null]}}])",
        "\"layouts[0].items[0].table.columnLines\" must be a list of 2 lengths in points"},
    {R"([{"ref": 1, "page": 1, "kind": 2, "shape": 5, "record": "@R", "table": {"widths": [10], "heights": [10],
         "columnLines": [1, 1], "rowLines": [1, 1], "cells": []}}])",
        "\"layouts[0].items[0].table.cells\" must be a list of 1 cells (one per column and row)"},
    {R"([{"ref": 1, "page": 1, "kind": 2, "shape": 5, "record": "@R", "table": {"widths": [10], "heights": [10],
         "columnLines": [1, 1], "rowLines": [1, 1], "cells": [{"ref": 2, "page": 1, "kind": 4, "shape": 5,
         "rect": [0, 0, 10, 10], "record": "@R"}]}}])",
        "\"layouts[0].items[0].table.cells[0]\" must be a framed text box (kind 3)"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10], "lineStyle": 16}])",
        "\"layouts[0].items[0].lineStyle\" must be a whole number from 0 to 15"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10], "arrows": "both"}])",
        "\"layouts[0].items[0].arrows\" belongs only to a line (shape 1 or 2)"},
    {R"([{"ref": 1, "page": 1, "kind": 1, "shape": 1, "rect": [0, 0, 10, 10], "arrows": 2}])",
        "\"layouts[0].items[0].arrows\" must be \"none\", \"first\", \"second\" or \"both\""},
    {R"([{"ref": 1, "page": 1, "kind": 4, "shape": 5, "rect": [0, 0, 10, 10], "content": "00ff"}])",
        "\"layouts[0].items[0].content\" must be the box's 44 bytes of record 390 on, in hex"},
    {R"([{"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [0, 0, 10, 10], "picture": {"file": "a.png", "width": 1, "height": 1}}])",
        "\"layouts[0].items[0].picture\" belongs only to a picture box (kind 4)"},
    {R"([{"ref": 1, "page": 1, "kind": 4, "shape": 5, "rect": [0, 0, 10, 10], "picture": {"width": 1, "height": 1}}])",
        "\"layouts[0].items[0].picture.file\" must be the image file's name"},
    {R"([{"ref": 1, "page": 1, "kind": 4, "shape": 5, "rect": [0, 0, 10, 10], "picture": {"file": "a.png", "width": 0, "height": 1}}])",
        "\"layouts[0].items[0].picture.width\" must be a length above 0 in points"},
    {R"([{"ref": 1, "page": 1, "kind": 4, "shape": 5, "rect": [0, 0, 10, 10], "picture": {"file": "a.png", "width": 1, "height": 1, "dpi": 72}}])",
        "\"layouts[0].items[0].picture.dpi\" is not part of a version-1 document"},
    {R"([{"ref": 1, "page": 1, "kind": 4, "shape": 5, "rect": [0, 0, 10, 10], "picture": "a.png"}])",
        "\"layouts[0].items[0].picture\" must be an image file with its \"file\", \"width\" and \"height\""},
};

/// A person writes items by their named fields alone; the host writes the record back only for bytes it gives
/// no meaning, and a box's own fields as its "content".
TEST(ItemsJson, ItemsWrittenByHandNeedNoRecord)
{
    DocumentModel model;
    const OpenResult result = documentFromText(documentWithItems(R"([
        {"ref": 1, "page": 1, "kind": 5, "shape": 5, "rect": [10, 20, 30, 40], "background": "Cyan", "name": "Swatch"},
        {"ref": 2, "page": 1, "kind": 4, "shape": 5, "rect": [50, 20, 150, 220],
         "picture": {"file": "logo.png", "width": 120, "height": 60}},
        {"ref": 3, "page": 2, "kind": 1, "shape": 1, "rect": [0, 0, 100, 0], "weight": 2, "lineStyle": 3, "arrows": "both"}])"), model);
    ASSERT_TRUE(result) << result.error;
    const Layout& layout = result.project->layout(0);
    const Item& swatch = *layout.items().find(layout.items().named("Swatch"));
    EXPECT_EQ(swatch.frame(), (ColourUse{xt::kBlackColour, xt::kFixedOne})) << "a new item's frame";
    EXPECT_EQ(swatch.background().colour, layout.colours().findByName("Cyan")->id());
    EXPECT_FALSE(swatch.hasUnmodelledBytes());
    const auto pictures = layout.items().topLevelOnPage(layout.page(0).ref());
    const Item* picture = nullptr;
    for (int32_t ref : pictures)
        picture = layout.items().find(ref)->kind() == xt::BoxKind::Picture ? layout.items().find(ref) : picture;
    ASSERT_NE(picture, nullptr);
    ASSERT_NE(picture->pictureFile(), nullptr);
    EXPECT_EQ(*picture->pictureFile(), (PictureFile{"logo.png", {pt(120), pt(60)}}));
    EXPECT_EQ(picture->pictureColour(), xt::kBlackColour);
    const Item& fold = *layout.items().find(layout.items().topLevelOnPage(layout.page(1).ref()).front());
    EXPECT_EQ(fold.lineStyle(), 3);
    EXPECT_EQ(fold.arrowheads(), xt::kArrowAtFirst | xt::kArrowAtSecond);
    EXPECT_EQ(fold.record().style, 3 << 2 | 3) << "plug-ins read them at record byte 46";

    const Json saved = documentToJson(*result.project);
    for (const Json& item : saved["layouts"][0]["items"])
        EXPECT_FALSE(item.contains("record")) << item.dump();
    DocumentModel again;
    const OpenResult reopened = documentFromJson(saved, again);
    ASSERT_TRUE(reopened) << reopened.error;
    EXPECT_EQ(documentToJson(*reopened.project), saved);
}

/// Bytes the host gives no meaning (here the skew at 18) keep the record in the file; a picture box's scale
/// goes in its content.
TEST(ItemsJson, TheRecordIsWrittenOnlyForBytesTheModelDoesNotHold)
{
    DocumentModel model;
    Layout& layout = model.newDocument();
    Item& plain = addBox(layout, 0, rect(0, 0, 10, 10));
    Item& skewed = addBox(layout, 0, rect(20, 0, 30, 10));
    xt::BoxRecord record = skewed.record();
    record.skew = pt(10);
    skewed.apply(record);
    addPictureBox(layout, 0, rect(40, 0, 80, 40));
    const int32_t plainRef = plain.ref();
    const Json saved = documentToJson(*model.projectOf(layout));
    const Json& items = saved["layouts"][0]["items"];
    ASSERT_EQ(items.size(), 3u);
    EXPECT_FALSE(items[0].contains("record"));
    EXPECT_FALSE(items[0].contains("content"));
    EXPECT_EQ(items[0]["ref"], plainRef);
    ASSERT_TRUE(items[1].contains("record"));
    EXPECT_TRUE(items[2].contains("content")) << "a picture at 100 % has scales of 1.0";
    EXPECT_FALSE(items[2].contains("record"));

    DocumentModel again;
    const OpenResult reopened = documentFromJson(saved, again);
    ASSERT_TRUE(reopened) << reopened.error;
    const Layout& read = reopened.project->layout(0);
    std::vector<xt::Fixed> skews;
    std::vector<xt::Fixed> scales;
    for (int32_t ref : read.items().topLevelOnPage(read.page(0).ref())) {
        // Copied out first: the records are packed, so a reference to their fields may be misaligned.
        const xt::Fixed skew = read.items().find(ref)->record().skew;
        skews.push_back(skew);
        if (read.items().find(ref)->kind() == xt::BoxKind::Picture) {
            const xt::Fixed scale = read.items().find(ref)->picture().scales[0];
            scales.push_back(scale);
        }
    }
    EXPECT_NE(std::find(skews.begin(), skews.end(), pt(10)), skews.end());
    EXPECT_EQ(scales, (std::vector<xt::Fixed>{xt::kFixedOne}));
}

TEST(ItemsJson, RefusesDamagedItemEntriesNamingThePlaceAndAddsNothing)
{
    for (const auto& row : kDamagedItems) {
        SCOPED_TRACE(row.items);
        DocumentModel model;
        const OpenResult result = documentFromText(documentWithItems(row.items), model);
        EXPECT_FALSE(result);
        EXPECT_TRUE(result.error.starts_with(row.error)) << result.error;
        EXPECT_EQ(model.projectCount(), 0u);
    }
}

TEST(ItemsJson, SoundEntriesOpenWithTheirNamedFieldsOverTheRecord)
{
    DocumentModel model;
    const OpenResult result = documentFromText(documentWithItems(R"([
        {"ref": 40, "page": 2, "kind": 3, "shape": 5, "rect": [10, 20, 30, 40], "angle": 15, "weight": 0.5, "record": "@R"},
        {"ref": 41, "page": 0, "kind": 5, "shape": 1, "rect": [0, 0, 0, 50], "record": "@R", "name": "Rule"}])"), model);
    ASSERT_TRUE(result) << result.error;
    const Layout& layout = result.project->layout(0);
    const std::vector<int32_t> onPage = layout.items().topLevelOnPage(layout.page(1).ref());
    ASSERT_EQ(onPage.size(), 1u);
    const Item& box = *layout.items().find(onPage[0]);
    EXPECT_TRUE(sameRect(box.rect(), rect(10, 20, 30, 40)));
    EXPECT_EQ(box.angle(), pt(15));
    EXPECT_EQ(box.weight(), pt(0.5));
    EXPECT_EQ(box.kind(), xt::BoxKind::Text);
    EXPECT_EQ(layout.items().topLevelOnPage(0).size(), 1u);
    EXPECT_EQ(layout.items().named("Rule"), layout.items().topLevelOnPage(0)[0]) << "a script finds an item by its name";
    EXPECT_EQ(box.name(), "") << "an item written without a name has none";
    EXPECT_EQ(layout.items().named(""), 0);
}

} // namespace
} // namespace host::model
