// The host's check of what a user typed into a numeric field: text it cannot read and values outside the
// range the plug-in gave are refused with a message naming the range; what the plug-in put there is its own.
#include <gtest/gtest.h>

#include <climits>

#include "host/tests/host_fixture.h"
#include "host/ui/field_check.h"
#include "xtapi/dialogs.h"

namespace host_tests {
namespace {

using host::ui::FieldFormat;
using host::ui::ItemKind;
using host::ui::WindowItem;

constexpr xt::Fixed kOne = xt::kFixedOne;
constexpr FieldFormat kAnyPercent{xt::UnitPercent, INT32_MIN, INT32_MAX};
constexpr FieldFormat kAnyWidth{xt::UnitHorizontal, INT32_MIN, INT32_MAX};
constexpr FieldFormat kRepeatCount{xt::UnitPlainNumber, -1000 * kOne, 1000 * kOne};
constexpr FieldFormat kPageNumber{xt::UnitPlainNumber, 0, 1000 * kOne};
constexpr FieldFormat kIncrement{xt::UnitPoints, 0, 1000 * kOne};
constexpr FieldFormat kFreeText{xt::UnitText, 0, 0};

struct Case {
    const char* what;
    FieldFormat format;
    const char* text;
    bool typed;
    bool enabled;
    const char* message; // nullptr: the field takes its text
};

const Case kCases[] = {
    {"letters in a percentage", kAnyPercent, "abc", true, true,
        "\"abc\" is not a value this field takes. Enter a percentage, such as 75%."},
    {"an empty percentage", kAnyPercent, "", true, true,
        "\"\" is not a value this field takes. Enter a percentage, such as 75%."},
    {"a decimal comma", kAnyPercent, "1,5%", true, true,
        "\"1,5%\" is not a value this field takes. Enter a percentage, such as 75%."},
    {"a percentage in a width", kAnyWidth, "50%", true, true,
        "\"50%\" is not a value this field takes. Enter a measurement, such as 12 pt, 1.5 in or 10 mm."},
    {"a repeat count past its range", kRepeatCount, "2000", true, true,
        "\"2000\" is not a value this field takes. Enter a value between -1000 and 1000."},
    {"an increment below its range", kIncrement, "-1 pt", true, true,
        "\"-1 pt\" is not a value this field takes. Enter a value between 0 pt and 1000 pt."},
    {"a repeat count in range", kRepeatCount, "-1000", true, true, nullptr},
    {"a width in inches", kAnyWidth, "1.5 in", true, true, nullptr},
    {"a percentage past 100", kAnyPercent, "400%", true, true, nullptr},
    // The plug-in showed the document's last page, beyond the range it gave: the user typed nothing there.
    {"a page the plug-in showed", kPageNumber, "1999", false, true, nullptr},
    {"a page the user typed", kPageNumber, "1999", true, true,
        "\"1999\" is not a value this field takes. Enter a value between 0 and 1000."},
    {"a disabled field", kRepeatCount, "2000", true, false, nullptr},
    {"a text field", kFreeText, "abc", true, true, nullptr},
};

TEST(FieldCheckTest, TypedTextIsRefusedWhenTheFieldCannotTakeIt)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        WindowItem field(ItemKind::EditText);
        field.setFieldFormat(c.format);
        if (c.typed)
            field.typeText(c.text);
        else
            field.setText(c.text);
        field.setEnabled(c.enabled);
        const auto message = host::ui::fieldRefusal(field);
        if (c.message)
            EXPECT_EQ(message.value_or("(taken)"), c.message);
        else
            EXPECT_FALSE(message) << *message;
    }
}

TEST(FieldCheckTest, TheRangeIsNamedBySideWhenOnlyOneIsGiven)
{
    EXPECT_EQ(host::ui::rangeWords({xt::UnitWholeNumber, 2 * kOne, INT32_MAX}), "Enter a value of at least 2.");
    EXPECT_EQ(host::ui::rangeWords({xt::UnitPercent, INT32_MIN, 4 * kOne}), "Enter a value of at most 400%.");
    EXPECT_EQ(host::ui::rangeWords({xt::UnitWholeNumber, INT32_MIN, INT32_MAX}), "Enter a whole number.");
}

TEST_F(HostTest, ARefusedFieldGetsTheFocusWithItsTextSelectedAfterTheMessage)
{
    host::ui::Window& window = host().windows().open(501, 7);
    window.addItem(3, ItemKind::EditText).setFieldFormat(kRepeatCount);
    window.item(3)->typeText("12");
    window.addItem(4, ItemKind::EditText).setFieldFormat(kRepeatCount);
    window.item(4)->typeText("2000");

    const auto refused = host::ui::refuseFirstUnreadable({{501, 3}, {501, 4}});

    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->item, 4);
    ASSERT_EQ(host().messageBoxes().size(), 1u);
    EXPECT_EQ(host().messageBoxes().back().text,
        "\"2000\" is not a value this field takes. Enter a value between -1000 and 1000.");
    EXPECT_EQ(window.focusedItem(), 4);
    EXPECT_EQ(window.item(4)->setupValue("selection start"), 0);
    EXPECT_EQ(window.item(4)->setupValue("selection end"), 0x7FFF);
    EXPECT_FALSE(host::ui::refuseFirstUnreadable({{501, 3}}));
}

} // namespace
} // namespace host_tests
