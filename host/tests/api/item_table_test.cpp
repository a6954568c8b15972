// The "XPTA" table component: tables among items, grid size, track sizes, cells and grid lines.
#include "host/tests/item_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;
namespace component = xt::component;

class ItemTableTest : public ItemTest {
protected:
    void SetUp() override
    {
        ItemTest::SetUp();
        // Two columns (20 and 30 pt wide) by three rows (10, 12 and 14 pt high), from (100, 50).
        m_table = addTable(layout(), 0, point(100, 50), {pt(20), pt(30)}, {pt(10), pt(12), pt(14)}, pt(1)).ref();
    }

    int32_t cell(int32_t column, int32_t row)
    {
        int32_t found = -1;
        EXPECT_EQ(componentOp<component::GetTableCell>()(m_table, column, row, &found), 0);
        return found;
    }

    xt::Fixed lineWeight(int32_t a, int32_t b, int32_t p, int32_t q)
    {
        xt::Fixed weight = 0;
        EXPECT_EQ(componentOp<component::GetTableLineWeight>()(m_table, 0, &a, &b, p, q, &weight), 0);
        return weight;
    }

    int32_t m_table = 0;
};

TEST_F(ItemTableTest, TheComponentTellsTablesFromOtherItems)
{
    const int32_t box = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    uint8_t isTable = 0;
    EXPECT_EQ(componentOp<component::XptaOp40>()(m_table, &isTable), 0);
    EXPECT_EQ(isTable, 1);
    EXPECT_EQ(componentOp<component::XptaOp40>()(box, &isTable), 0);
    EXPECT_EQ(isTable, 0);

    int32_t table = 0;
    EXPECT_EQ(componentOp<component::GetTableOfItem>()(cell(1, 2), &table), 0);
    EXPECT_EQ(table, m_table) << "a cell's table";
    table = 0;
    EXPECT_NE(componentOp<component::GetTableOfItem>()(box, &table), 0);
    EXPECT_EQ(table, 0) << "left as preset for an item in no table";
}

TEST_F(ItemTableTest, CellsAreTextBoxesLaidOutFromTheTracks)
{
    int16_t columns = 0, rows = 0;
    EXPECT_EQ(componentOp<component::GetTableGridSize>()(m_table, &columns, &rows), 0);
    EXPECT_EQ(columns, 2);
    EXPECT_EQ(rows, 3);

    const host::model::Item* last = items().find(cell(1, 2));
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->kind(), xt::BoxKind::Text);
    EXPECT_EQ(last->rect().top, pt(122));
    EXPECT_EQ(last->rect().left, pt(70));
    EXPECT_EQ(last->rect().bottom, pt(136));
    EXPECT_EQ(last->rect().right, pt(100));
    EXPECT_EQ(cell(2, 0), 0) << "outside the grid";
    EXPECT_EQ(items().bounds(*items().find(m_table)).bottom, pt(136));
}

TEST_F(ItemTableTest, TrackSizesAreHostArraysThatChangeTheTableOnlyWhenSet)
{
    xt::Fixed* widths = nullptr;
    xt::Fixed* heights = nullptr;
    ASSERT_EQ(componentOp<component::GetTableTrackSizes>()(m_table, &widths, &heights), 0);
    EXPECT_EQ(widths[1], pt(30));
    EXPECT_EQ(heights[2], pt(14));
    widths[0] = pt(10);
    heights[2] = pt(28);
    EXPECT_EQ(items().table(m_table)->widths()[0], pt(20)) << "not stored yet";

    EXPECT_EQ(componentOp<component::SetTableTrackSizes>()(m_table, widths, heights, 0), 0);
    EXPECT_EQ(items().table(m_table)->widths()[0], pt(10));
    EXPECT_EQ(items().table(m_table)->heights()[2], pt(28));
    EXPECT_EQ(items().find(cell(1, 2))->rect().bottom, pt(136)) << "setting the sizes does not move the cells";
}

TEST_F(ItemTableTest, GridLinesAreNamedByRowAndColumnLists)
{
    // The forms Amplex uses: (0, k), (0, 1) names column line k; (k, 0), (1, 0) names row line k.
    const auto setWeight = componentOp<component::SetTableLineWeight>();
    int32_t none = 0, two = 2;
    EXPECT_EQ(setWeight(m_table, 0, pt(3), &none, &two, 0, 1), 0);
    EXPECT_EQ(lineWeight(0, 2, 0, 1), pt(3));
    EXPECT_EQ(lineWeight(0, 1, 0, 1), pt(1));
    EXPECT_EQ(items().table(m_table)->columnLine(2), pt(3));
    EXPECT_EQ(items().table(m_table)->rowLine(2), pt(1)) << "row line 2 untouched";

    EXPECT_EQ(setWeight(m_table, 0, 0, &two, &none, 1, 0), 0);
    EXPECT_EQ(lineWeight(2, 0, 1, 0), 0) << "weight 0: no line";
    int32_t rows[] = {1, 2};
    int32_t columns[] = {1};
    xt::Fixed weight = 0;
    EXPECT_EQ(componentOp<component::GetTableLineWeight>()(m_table, 0, rows, columns, 2, 1, &weight), 0);
    EXPECT_EQ(weight, -2) << "lines of different weights have none in common";
}

/// Calls the line operations refuse, leaving the grid as it was.
struct BadLineCase {
    const char* why;
    int32_t attribute;
    int32_t row;
    int32_t rowCount;
    int32_t columnCount;
};

TEST_F(ItemTableTest, BadGridLineCallsAreRefused)
{
    const BadLineCase cases[] = {
        {"a line after the last row", 0, 4, 1, 0},
        {"a negative line", 0, -1, 1, 0},
        {"a negative count", 0, 1, -1, 0},
        {"a column list that is not there", 0, 1, 0, 1},
        {"an attribute the host does not keep", 5, 1, 1, 0},
    };
    for (const auto& c : cases) {
        int32_t row = c.row;
        const int32_t* columns = nullptr;
        EXPECT_NE(componentOp<component::SetTableLineWeight>()(m_table, c.attribute, pt(7), &row, columns, c.rowCount, c.columnCount), 0) << c.why;
    }
    for (int32_t k = 0; k <= 3; ++k)
        EXPECT_EQ(items().table(m_table)->rowLine(k), pt(1));
}

TEST_F(ItemTableTest, ARemovedCellLeavesAHoleInTheGrid)
{
    const int32_t gone = cell(0, 1);
    EXPECT_TRUE(items().remove(gone));
    EXPECT_EQ(cell(0, 1), 0);
    EXPECT_NE(cell(0, 2), 0);
    EXPECT_EQ(hostOp<xt::op::GetGroupItemCount>()(m_table), 5);
}

TEST_F(ItemTableTest, AnItemThatIsNoTableIsRefusedByTheTableCalls)
{
    const int32_t box = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    int16_t columns = 7, rows = 7;
    EXPECT_NE(componentOp<component::GetTableGridSize>()(box, &columns, &rows), 0);
    EXPECT_EQ(columns, 7);
    xt::Fixed* widths = nullptr;
    xt::Fixed* heights = nullptr;
    EXPECT_NE(componentOp<component::GetTableTrackSizes>()(box, &widths, &heights), 0);
    EXPECT_EQ(widths, nullptr);
}

} // namespace
} // namespace host_tests
