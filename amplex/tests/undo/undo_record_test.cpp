// Undo recording: an entry taken before each change holds the item's state; groups are recorded
// member by member; document scales record nothing; ClearUndo empties it all.
#include <cstring>

#include "amplex/tests/engine_fixture.h"
#include "testing/test_text.h"

namespace amplex::testing {
namespace {

using UndoRecordTest = EngineTest;
using host::model::testdoc::addBox;

xt::FixedRect recordedRect(const UndoEntry& entry)
{
    return xt::readAt<xt::FixedRect>(&entry.boxRecord, xt::kRecordTopLeft);
}

TEST_F(UndoRecordTest, EntryHoldsTheBoxAsItWasBeforeTheScale)
{
    auto& box = addBox(layout(), 0, rect(10, 20, 30, 60));
    box.setWeight(pt(2));
    setFactors(0.5, 2.0);
    m_engine->clearUndo();
    scaleSelected({box.ref()});
    const auto entries = undoEntries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].item, box.ref());
    EXPECT_EQ(entries[0].kind, static_cast<int16_t>(xt::BoxKind::Plain));
    EXPECT_EQ(entries[0].shape, xt::shape::kRectangle);
    EXPECT_EQ(entries[0].AnchoredItem, 0);
    EXPECT_EQ(entries[0].ReplayItem, 0);
    EXPECT_TRUE(sameRect(recordedRect(entries[0]), rect(10, 20, 30, 60)));
    const xt::Fixed weight = entries[0].boxRecord.weight;
    EXPECT_EQ(weight, pt(2));
    EXPECT_FALSE(sameRect(box.rect(), rect(10, 20, 30, 60)));  // while the item itself changed
}

TEST_F(UndoRecordTest, TextBoxKeepsItsCharacterAndParagraphRuns)
{
    const int32_t box = host::model::testdoc::addTextBox(layout(), 0, rect(10, 20, 110, 220)).ref();
    auto& story = host::model::testdoc::setText(layout(), box, "Hello\rWorld");
    host::model::testdoc::setType(layout(), box, 1, pt(12));
    host::model::TabStop stop;
    stop.position = pt(36);
    story.setTabs({0, 6}, {stop});
    story.setParagraphValue({6, 11}, xt::kParaLeading, pt(14));
    setFactors(0.5, 0.5);
    m_engine->clearUndo();
    scaleSelected({box});
    const auto entries = undoEntries();
    ASSERT_EQ(entries.size(), 1u);
    ASSERT_EQ(entries[0].charRunCount, 1);
    const CharRunNode* run = entries[0].charRuns;
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->start, 0);
    EXPECT_EQ(run->end, 11);
    EXPECT_EQ(run->attributes.size, pt(12));  // as it was before the scale
    EXPECT_EQ(run->next, nullptr);
    ASSERT_EQ(entries[0].paraRunCount, 2);
    const ParaRunNode* first = entries[0].paraRuns;
    ASSERT_NE(first, nullptr);
    ASSERT_NE(first->next, nullptr);
    EXPECT_EQ(first->start, 0);
    EXPECT_EQ(first->end, 6);
    EXPECT_EQ(first->next->start, 6);
    EXPECT_EQ(first->next->end, 11);
    EXPECT_EQ(first->next->attributes.leading, pt(14));
    ASSERT_EQ(first->hasTabs, 1);
    ASSERT_EQ(first->tabs.count, 1);
    ASSERT_NE(first->tabs.entries, nullptr);
    EXPECT_EQ(xt::readAt<xt::TabEntry>(*first->tabs.entries).position, pt(36));
    EXPECT_EQ(first->next->hasTabs, 0);
    EXPECT_EQ(items().current(), box);
}

TEST_F(UndoRecordTest, ShapedItemKeepsTheHeadOfItsShapeData)
{
    auto& shape = host::model::testdoc::addShape(layout(), 0,
        {point(100, 100), point(100, 200), point(140, 200), point(140, 100)}, xt::shape::kPolygon);
    setFactors(0.5, 0.5);
    m_engine->clearUndo();
    scaleSelected({shape.ref()});
    const auto entries = undoEntries();
    ASSERT_EQ(entries.size(), 1u);
    const xt::ShapeDataHeader head = xt::readAt<xt::ShapeDataHeader>(entries[0].shapeData);
    EXPECT_TRUE(sameRect(head.rect, rect(100, 100, 140, 200))) << describe(head.rect);
    EXPECT_EQ(head.pointCount, 4);
}

TEST_F(UndoRecordTest, GroupIsRecordedMemberByMemberAndNotedAsTakenApart)
{
    struct GroupRecordCase {
        bool realGroup;
        size_t ungrouped;
    } cases[] = {{true, 1}, {false, 0}};  // the selection's pseudo-group is never taken apart
    setFactors(0.5, 0.5);
    for (const auto& c : cases) {
        const int32_t first = addBox(layout(), 0, rect(10, 20, 30, 60)).ref();
        const int32_t second = addBox(layout(), 0, rect(50, 100, 70, 140)).ref();
        m_engine->clearUndo();
        int32_t group = 0;
        if (c.realGroup) {
            group = host::model::testdoc::addGroup(layout(), {first, second}).ref();
            scaleSelected({group});
        } else {
            scaleSelected({first, second});
        }
        const auto entries = undoEntries();
        ASSERT_EQ(entries.size(), 2u);
        EXPECT_EQ(entries[0].item, first);
        EXPECT_EQ(entries[1].item, second);
        EXPECT_TRUE(sameRect(recordedRect(entries[1]), rect(50, 100, 70, 140)));
        int32_t ungrouped[4] = {};
        ASSERT_EQ(static_cast<size_t>(m_engine->ungroupedGroups(ungrouped, 4)), c.ungrouped);
        if (c.realGroup) {
            EXPECT_EQ(ungrouped[0], group);
        }
    }
}

TEST_F(UndoRecordTest, OnlyASelectionScaleIsRecorded)
{
    const int32_t box = addBox(layout(), 0, rect(10, 20, 30, 60)).ref();
    setFactors(0.5, 0.5);
    m_engine->clearUndo();
    scaleInDocument(box, point(0, 0));
    EXPECT_EQ(m_engine->undoEntryCount(), 0);
}

TEST_F(UndoRecordTest, ClearUndoEmptiesTheListAndBothGroupLists)
{
    const int32_t first = addBox(layout(), 0, rect(10, 20, 30, 60)).ref();
    const int32_t second = addBox(layout(), 0, rect(50, 100, 70, 140)).ref();
    const int32_t group = host::model::testdoc::addGroup(layout(), {first, second}).ref();
    const int32_t table = host::model::testdoc::addTable(layout(), 0, point(200, 100), {pt(40)}, {pt(20)}).ref();
    setFactors(0.5, 0.5);
    scaleSelected({group});
    scaleSelected({table});
    ASSERT_GT(m_engine->undoEntryCount(), 0);
    m_engine->clearUndo();
    EXPECT_EQ(m_engine->undoEntryCount(), 0);
    EXPECT_EQ(m_engine->ungroupedGroups(nullptr, 0), 0);
    EXPECT_EQ(m_engine->regroupedGroups(nullptr, 0), 0);
}

TEST_F(UndoRecordTest, ListsGrowPastFourHundredTables)
{
    constexpr int kTables = 401;
    std::vector<int32_t> tables;
    for (int i = 0; i < kTables; ++i)
        tables.push_back(host::model::testdoc::addTable(layout(), 0, point(10, 10), {pt(10)}, {pt(10)}).ref());
    setFactors(0.5, 0.5);
    m_engine->clearUndo();
    for (const int32_t table : tables)
        scaleSelected({table});
    std::vector<int32_t> regrouped(kTables);
    ASSERT_EQ(m_engine->regroupedGroups(regrouped.data(), kTables), kTables);
    EXPECT_EQ(regrouped, tables);  // the 401st does not replace the 400th
}

} // namespace
} // namespace amplex::testing
