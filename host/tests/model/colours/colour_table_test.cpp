// The colour table itself: numbers that are never given twice, a table that runs out of them, and
// telling a table that still holds just the defaults (which a document file need not list).
#include <gtest/gtest.h>

#include "host/model/colours/colour_table.h"

namespace {

using host::model::Colour;
using host::model::ColourChanges;
using host::model::ColourProblem;
using host::model::ColourTable;
using host::model::ColourValue;
using host::model::Ink;

const ColourValue kGrey = ColourValue::rgb({0x8000, 0x8000, 0x8000});

TEST(ColourTable, ANumberIsNeverGivenTwiceWhileTheTableLives)
{
    ColourChanges changes;
    ColourTable table(1, changes);
    const auto first = table.add("First", kGrey, Ink::Process);
    ASSERT_TRUE(first);
    EXPECT_EQ(first.id, 9);
    ASSERT_FALSE(table.remove(first.id));
    const auto reserved = table.reserve();
    ASSERT_TRUE(reserved);
    EXPECT_EQ(*reserved, 10) << "not the removed colour's number";
    EXPECT_EQ(table.add("Second", kGrey, Ink::Process).id, 11) << "nor the reserved one's";
    EXPECT_EQ(table.find(first.id), nullptr);
    EXPECT_EQ(table.remove(xt::kBlackColour), ColourProblem::Fixed);
    EXPECT_EQ(table.remove(first.id), ColourProblem::NoSuchColour);
    EXPECT_EQ(changes.count(), 3u) << "two colours added, one removed";
}

TEST(ColourTable, ATableWithoutNumbersLeftRefusesNewColours)
{
    ColourChanges changes;
    ColourTable table(1, changes);
    table.replaceUserColours({Colour(INT16_MAX, "Last", kGrey, Ink::Spot)});
    EXPECT_EQ(changes.count(), 0u) << "a document being read is no change";
    EXPECT_FALSE(table.reserve().has_value());
    EXPECT_EQ(table.add("More", kGrey, Ink::Process).problem, ColourProblem::TableFull);
    EXPECT_EQ(table.findByName("Red"), nullptr) << "the colours read replace the defaults a user may change";
    EXPECT_NE(table.findByName("Registration"), nullptr) << "the fixed ones stay";
}

TEST(ColourTable, ATableKnowsWhenItHoldsJustTheDefaults)
{
    ColourChanges changes;
    ColourTable table(1, changes);
    EXPECT_TRUE(table.holdsDefaultsOnly());
    ASSERT_FALSE(table.setInk(xt::kBlueColour, Ink::Process));
    EXPECT_FALSE(table.holdsDefaultsOnly());
    ASSERT_FALSE(table.setInk(xt::kBlueColour, Ink::Spot));
    EXPECT_TRUE(table.holdsDefaultsOnly()) << "changed back";
    ASSERT_TRUE(table.reserve().has_value());
    EXPECT_TRUE(table.holdsDefaultsOnly()) << "a colour still being made is not in the table";
    ASSERT_FALSE(table.rename(xt::kGreenColour, "Lime"));
    EXPECT_FALSE(table.holdsDefaultsOnly());
}

} // namespace
