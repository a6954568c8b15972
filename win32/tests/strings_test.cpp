// The lstr calls: comparisons with -1/0/1 and bounded copies.
#include <gtest/gtest.h>

#include <cstring>

#include "win32/windows.h"

namespace {

TEST(StringsTest, ComparisonsGiveMinusOneZeroOrOne)
{
    struct Case {
        const char* a;
        const char* b;
        int exact;
        int ignoringCase;
    };
    const Case cases[] = {
        {"abc", "abc", 0, 0},
        {"ABC", "abc", -1, 0},
        {"Default.prf", "default.PRF", -1, 0},
        {"a", "b", -1, -1},
        {"b", "A", 1, 1},
        {"ab", "abc", -1, -1},   // a prefix sorts first
        {"", "", 0, 0},
        {nullptr, "", 0, 0},     // null reads as empty
        {"z", nullptr, 1, 1},
        {"\xE9", "a", 1, 1},     // bytes above 127 compare unsigned, and are not folded
        {"[", "a", -1, -1},      // ASCII folding only: '[' (0x5B) stays below 'a'
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lstrcmpA(c.a, c.b), c.exact) << (c.a ? c.a : "null") << " vs " << (c.b ? c.b : "null");
        EXPECT_EQ(lstrcmpiA(c.a, c.b), c.ignoringCase) << (c.a ? c.a : "null") << " vs " << (c.b ? c.b : "null");
    }
}

TEST(StringsTest, CopiesAndLengths)
{
    char buffer[16];
    EXPECT_EQ(lstrcpyA(buffer, "C:\\x"), buffer);
    EXPECT_EQ(lstrcatA(buffer, "\\y"), buffer);
    EXPECT_STREQ(buffer, "C:\\x\\y");
    EXPECT_EQ(lstrlenA(buffer), 6);
    EXPECT_EQ(lstrlenA(nullptr), 0);

    std::memset(buffer, 'z', sizeof buffer);
    lstrcpynA(buffer, "abcdefgh", 4);
    EXPECT_STREQ(buffer, "abc") << "at most size - 1 characters and a zero";
    EXPECT_EQ(buffer[4], 'z');
    lstrcpynA(buffer, "q", 0);
    EXPECT_STREQ(buffer, "abc") << "size 0 writes nothing";
}

} // namespace
