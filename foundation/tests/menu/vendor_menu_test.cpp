// The shared "VORNE" menu: made once by the first plug-in to build its menus, joined by the others.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/tests/module_fixture.h"
#include "win32/windows.h"
#include "xtapi/messages.h"

namespace foundation_test {
namespace {

using Lines = std::vector<std::string>;
using VendorMenuTest = ModuleTest;

const std::string kCelloraItem = "VORNE > Cellora...";
const std::string kSeparator = "VORNE > ---";
const std::string kLowItem = "VORNE > Low Sibling...";
const std::string kHighItems[] = {"VORNE > High Sibling One...", "VORNE > High Sibling Two..."};

size_t vendorMenus(const host::Host& host)
{
    size_t count = 0;
    for (const auto* menu : host.menuBar().barMenus())
        count += menu->title() == "VORNE";
    return count;
}

TEST_F(VendorMenuTest, ALonePlugInCreatesTheMenuAtTheEndOfTheBar)
{
    load({kCellora});
    host().startSession();
    EXPECT_EQ(host().menuLines(), (Lines{kCelloraItem}));
    ASSERT_FALSE(host().menuBar().barMenus().empty());
    EXPECT_EQ(host().menuBar().barMenus().back()->title(), "VORNE");
}

struct OrderCase {
    std::vector<const char*> loadOrder;
    Lines lines;
};

TEST_F(VendorMenuTest, TheFirstToBuildCreatesAndEachLaterOneJoinsWithASeparator)
{
    const OrderCase cases[] = {
        {{kCellora, kHighSibling, kLowSibling},
            {kCelloraItem, kSeparator, kHighItems[0], kHighItems[1], kSeparator, kLowItem}},
        // The low sibling creates; the others find it first in the search.
        {{kLowSibling, kHighSibling, kCellora},
            {kLowItem, kSeparator, kHighItems[0], kHighItems[1], kSeparator, kCelloraItem}},
        // The high sibling creates although two lower siblings are loaded: they answer 0 before
        // their own menus are built. Cellora then skips the low sibling's 0 and finds the menu.
        {{kHighSibling, kCellora, kLowSibling},
            {kHighItems[0], kHighItems[1], kSeparator, kCelloraItem, kSeparator, kLowItem}},
    };
    for (const OrderCase& c : cases) {
        makeHost();
        load(c.loadOrder);
        host().startSession();
        EXPECT_EQ(host().menuLines(), c.lines) << "first loaded: " << c.loadOrder[0];
        EXPECT_EQ(vendorMenus(host()), 1u) << "first loaded: " << c.loadOrder[0];
    }
}

TEST_F(VendorMenuTest, ASiblingWhoseBlockHoldsNoOperationIsPassedOver)
{
    load({kBlankSibling, kCellora, kLowSibling});
    host().startSession();
    EXPECT_EQ(host().menuLines(), (Lines{kCelloraItem, kSeparator, kLowItem}));
}

TEST_F(VendorMenuTest, ASecondMenuSetupBuildsNothingTwice)
{
    load({kCellora, kLowSibling});
    host().startSession();
    const Lines first = host().menuLines();
    xt::MenuSetupBlock block{};
    host().sendMessage(xt::MenuSetupMessage, &block);
    EXPECT_EQ(host().menuLines(), first);
    EXPECT_EQ(vendorMenus(host()), 1u);
}

TEST_F(VendorMenuTest, OnlyTheOwnerAnswersItsItem)
{
    load({kCellora, kHighSibling, kLowSibling});
    host().startSession();
    ASSERT_TRUE(host().chooseMenuItem("VORNE > High Sibling Two..."));
    ASSERT_EQ(host().messageBoxes().size(), 1u);
    EXPECT_EQ(host().messageBoxes()[0].text, "High Sibling Two... chosen, language 0");
    EXPECT_EQ(host().messageBoxes()[0].caption, "VORNE");
    EXPECT_EQ(host().messageBoxes()[0].style, MB_ICONWARNING);
}

TEST_F(VendorMenuTest, QuitDisablesEachPlugInsOwnItems)
{
    load({kCellora, kLowSibling});
    host().startSession();
    host().sendMessage(xt::QuitMessage);
    EXPECT_EQ(host().menuLines(), (Lines{"VORNE > (Cellora...)", kSeparator, "VORNE > (Low Sibling...)"}));
}

} // namespace
} // namespace foundation_test
