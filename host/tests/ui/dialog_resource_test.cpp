// Dialog resources checked before a window is built from them, and menu resources read as rows.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/ui/dialog_resource.h"
#include "host/ui/window_model.h"

namespace host_tests {
namespace {

using host::ui::DialogTemplate;
using host::ui::readDialogResource;

std::vector<char> resourceBytes(std::vector<xt::DialogItemTemplate> items, int16_t count)
{
    xt::DialogTemplateHeader header{100, 50, count, 0, "Title", "QFPalette"};
    std::vector<char> bytes(sizeof header + items.size() * sizeof(xt::DialogItemTemplate));
    std::memcpy(bytes.data(), &header, sizeof header);
    if (!items.empty())
        std::memcpy(bytes.data() + sizeof header, items.data(), items.size() * sizeof(xt::DialogItemTemplate));
    return bytes;
}

xt::DialogItemTemplate item(int16_t id, xt::DialogItemKind kind, const char* text = "", int32_t value = 0, uint8_t flags = 0)
{
    xt::DialogItemTemplate made{id, kind, flags, 1, 2, 3, 4, value, {}};
    std::strncpy(made.text, text, sizeof made.text - 1);
    return made;
}

std::string faultOf(const std::vector<char>& bytes)
{
    auto read = readDialogResource(bytes.data(), bytes.size());
    const auto* why = std::get_if<std::string>(&read);
    return why ? *why : "";
}

TEST(DialogResourceTest, ASoundResourceBuildsTheWindowsItems)
{
    const auto bytes = resourceBytes({item(1, xt::DialogItemKind::Button, "Scale"),
                                         item(4, xt::DialogItemKind::CheckBox, "Text", 1),
                                         item(5, xt::DialogItemKind::Picture, "", 20008, xt::kDialogItemDisabled),
                                         item(10, xt::DialogItemKind::TabControl, "", 0, xt::kDialogItemHidden)},
        4);
    auto read = readDialogResource(bytes.data(), bytes.size());
    ASSERT_TRUE(std::holds_alternative<DialogTemplate>(read)) << std::get<std::string>(read);
    host::ui::Window window(7, 20000);
    host::ui::buildWindow(window, 21002, std::get<DialogTemplate>(read));
    EXPECT_EQ(window.resourceId(), 21002);
    EXPECT_EQ(window.title(), "Title");
    EXPECT_EQ(window.windowClass(), "QFPalette");
    ASSERT_EQ(window.items().size(), 4u);
    EXPECT_EQ(window.item(1)->text(), "Scale");
    EXPECT_EQ(window.item(4)->value(), 1);
    EXPECT_EQ(window.item(5)->bitmap(), 20008);
    EXPECT_FALSE(window.item(5)->enabled());
    EXPECT_FALSE(window.item(10)->visible());
    EXPECT_NE(window.tabControl(10), nullptr);
}

TEST(DialogResourceTest, DamagedResourcesAreRefusedWithTheReason)
{
    auto unterminated = item(3, xt::DialogItemKind::StaticText);
    std::memset(unterminated.text, 'x', sizeof unterminated.text);
    auto shortOne = resourceBytes({item(1, xt::DialogItemKind::Button)}, 1);
    shortOne.pop_back();
    struct Case {
        std::vector<char> bytes;
        const char* fault;
    };
    const Case cases[] = {
        {std::vector<char>(10), "the dialog resource is shorter than its head"},
        {shortOne, "the dialog resource has 151 bytes, not the size of 1 items"},
        {resourceBytes({item(1, xt::DialogItemKind::Button)}, 2), "the dialog resource has 152 bytes, not the size of 2 items"},
        {resourceBytes({}, -1), "the dialog resource has 88 bytes, not the size of -1 items"},
        {resourceBytes({item(1, static_cast<xt::DialogItemKind>(42))}, 1), "item 1 has an unknown kind 42"},
        {resourceBytes({unterminated}, 1), "the text of item 3 does not end"},
        {resourceBytes({item(2, xt::DialogItemKind::Button), item(2, xt::DialogItemKind::List)}, 2), "item 2 appears twice"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(faultOf(c.bytes), c.fault);
}

TEST(DialogResourceTest, MenuResourcesGiveOneRowPerEntry)
{
    const char menu[] = "Upper left of selection\0Center of selection\0-\0Center of items";
    EXPECT_EQ(host::ui::readMenuResource(menu, sizeof menu),
        (std::vector<std::string>{"Upper left of selection", "Center of selection", "-", "Center of items"}));
    EXPECT_TRUE(host::ui::readMenuResource(menu, sizeof menu - 1).empty()) << "the last entry does not end";
    EXPECT_TRUE(host::ui::readMenuResource(nullptr, 0).empty());
}

} // namespace
} // namespace host_tests
