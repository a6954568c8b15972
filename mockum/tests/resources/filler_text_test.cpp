// The placeholder text as the resource table carries it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "mockum/resources/filler_text.h"
#include "mockum/resources/resources.h"

namespace mockum {
namespace {

TEST(FillerTextTest, IsTheLatinFillerOfSixParagraphs)
{
    const std::string_view text(kFillerText, kFillerTextSize);
    EXPECT_EQ(text.size(), 4827u);
    EXPECT_TRUE(text.starts_with("Lorem ipsum dolor sit amet, consectetaur adipisicing elit,"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 6);
    EXPECT_EQ(text.back(), '\r');
    EXPECT_EQ(text.find('\0'), std::string_view::npos);
}

TEST(FillerTextTest, TheResourceTableHoldsItWhole)
{
    const auto found = std::find_if(kMockumResources.begin(), kMockumResources.end(),
        [](const xt::Resource& r) { return r.type == kFillerTextType && r.id == kFillerTextId; });
    ASSERT_NE(found, kMockumResources.end());
    EXPECT_EQ(found->size, 4827u);
    EXPECT_EQ(found->data, kFillerText);
}

} // namespace
} // namespace mockum
