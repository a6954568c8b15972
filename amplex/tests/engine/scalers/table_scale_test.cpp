// Tables scaled as a whole: track sizes, grid lines and cells, in a selection or inside a group.
#include "amplex/tests/engine_fixture.h"

namespace amplex::testing {
namespace {

using TableScaleTest = EngineTest;

/// A table of two columns 40 pt wide and three rows 20 pt high, with 1 pt grid lines.
int32_t addTwoByThree(host::model::Layout& layout)
{
    return host::model::testdoc::addTable(layout, 0, point(100, 100), {pt(40), pt(40)}, {pt(20), pt(20), pt(20)}, pt(1))
        .ref();
}

struct TableCase {
    const char* name;
    uint8_t keepTextBoxes;
    uint8_t keepTextPaths;
    double width, height;            // each track after the scale, from 40 and 20
    double columnLine, rowLine;      // inner lines after the scale, from 1
};

TEST_F(TableScaleTest, TracksAndGridLinesFollowTheirOwnSwitches)
{
    const TableCase cases[] = {
        {"no switch", 0, 0, 20, 40, 2, 0.5},
        // The tracks keep their proportion; the lines still follow byte 22.
        {"text boxes kept proportional", 1, 0, 20, 10, 2, 0.5},
        {"text paths kept proportional", 0, 1, 20, 40, 0.5, 0.5},
    };
    setFactors(0.5, 2.0);
    for (const auto& c : cases) {
        const int32_t tableItem = addTwoByThree(layout());
        settings().KeepTextBoxesProportional = c.keepTextBoxes;
        settings().KeepTextPathsProportional = c.keepTextPaths;
        scaleSelected({tableItem});
        const host::model::Table* table = items().table(tableItem);
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->widths(), (std::vector<xt::Fixed>{pt(c.width), pt(c.width)})) << c.name;
        EXPECT_EQ(table->heights(), (std::vector<xt::Fixed>(3, pt(c.height)))) << c.name;
        for (int32_t k = 1; k <= 2; ++k)
            EXPECT_EQ(table->columnLine(k), pt(c.columnLine)) << c.name << " column line " << k;
        for (int32_t k = 1; k <= 3; ++k)
            EXPECT_EQ(table->rowLine(k), pt(c.rowLine)) << c.name << " row line " << k;
        // The outer left and top edges are not among the lines scaled.
        EXPECT_EQ(table->columnLine(0), pt(1)) << c.name;
        EXPECT_EQ(table->rowLine(0), pt(1)) << c.name;
    }
}

TEST_F(TableScaleTest, EveryCellIsRecordedForRedoAndTheTableForRegrouping)
{
    const int32_t tableItem = addTwoByThree(layout());
    setFactors(0.5, 2.0);
    m_engine->clearUndo();
    scaleSelected({tableItem});
    const auto entries = undoEntries();
    const host::model::Table* table = items().table(tableItem);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(entries.size(), table->cells().size());
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].item, table->cells()[i]);  // column by column, row by row
        EXPECT_EQ(entries[i].ReplayItem, 1);
        EXPECT_EQ(entries[i].kind, static_cast<int16_t>(xt::BoxKind::Text));
    }
    int32_t regrouped[4] = {};
    ASSERT_EQ(m_engine->regroupedGroups(regrouped, 4), 1);
    EXPECT_EQ(regrouped[0], tableItem);
}

TEST_F(TableScaleTest, DocumentScaleLeavesNothingForUndo)
{
    const int32_t tableItem = addTwoByThree(layout());
    setFactors(0.5, 2.0);
    m_engine->clearUndo();
    scaleInDocument(tableItem, point(0, 0));
    EXPECT_EQ(items().table(tableItem)->widths(), (std::vector<xt::Fixed>{pt(20), pt(20)}));
    EXPECT_EQ(m_engine->undoEntryCount(), 0);
    EXPECT_EQ(m_engine->regroupedGroups(nullptr, 0), 0);
}

TEST_F(TableScaleTest, TableInsideAGroupScalesAsOneTable)
{
    const int32_t box = host::model::testdoc::addBox(layout(), 0, rect(10, 20, 30, 60)).ref();
    const int32_t tableItem = addTwoByThree(layout());
    const int32_t group = host::model::testdoc::addGroup(layout(), {box, tableItem}).ref();
    setFactors(0.5, 2.0);
    scaleSelected({group});
    EXPECT_EQ(items().table(tableItem)->widths(), (std::vector<xt::Fixed>{pt(20), pt(20)}));
    EXPECT_EQ(items().table(tableItem)->heights(), (std::vector<xt::Fixed>(3, pt(40))));
    EXPECT_TRUE(sameRect(item(box).rect(), rect(10, 20, 50, 40))) << describe(item(box).rect());
    EXPECT_EQ(item(group).members(), (std::vector<int32_t>{box, tableItem}));
}

} // namespace
} // namespace amplex::testing
