// EnumFontFamiliesA: the families the host gave, in order, one of them by name, and a stop on 0.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "win32/standin.h"
#include "win32/windows.h"

namespace {

struct Seen {
    std::vector<std::string> names;
    std::vector<DWORD> types;
    size_t stopAfter = 0; // 0: never stop
};

int CALLBACK collect(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM data)
{
    auto& seen = *reinterpret_cast<Seen*>(data);
    seen.names.emplace_back(font->lfFaceName);
    seen.types.push_back(type);
    return seen.stopAfter != 0 && seen.names.size() == seen.stopAfter ? 0 : 1;
}

class FontsTest : public ::testing::Test {
protected:
    void SetUp() override { win32::setFontFamilies({"Times", "Helvetica", "Courier"}); }
    void TearDown() override { win32::setFontFamilies({}); }

    Seen enumerate(const char* family, size_t stopAfter = 0, int* answer = nullptr)
    {
        Seen seen;
        seen.stopAfter = stopAfter;
        const int result = EnumFontFamiliesA(GetDC(nullptr), family, &collect, reinterpret_cast<LPARAM>(&seen));
        if (answer)
            *answer = result;
        return seen;
    }
};

TEST_F(FontsTest, EveryFamilyIsReportedOnceInOrderAsATrueTypeFont)
{
    int answer = 0;
    const Seen seen = enumerate(nullptr, 0, &answer);
    EXPECT_EQ(seen.names, (std::vector<std::string>{"Times", "Helvetica", "Courier"}));
    EXPECT_EQ(seen.types, (std::vector<DWORD>(3, TRUETYPE_FONTTYPE)));
    EXPECT_EQ(answer, 1);
}

TEST_F(FontsTest, ACallbackAnsweringZeroEndsTheEnumeration)
{
    int answer = -1;
    EXPECT_EQ(enumerate(nullptr, 2, &answer).names, (std::vector<std::string>{"Times", "Helvetica"}));
    EXPECT_EQ(answer, 0);
}

TEST_F(FontsTest, AFamilyNamedIsReportedAloneWhateverItsCase)
{
    EXPECT_EQ(enumerate("helvetica").names, (std::vector<std::string>{"Helvetica"}));
    EXPECT_TRUE(enumerate("Garamond").names.empty());
    EXPECT_EQ(EnumFontFamiliesA(nullptr, nullptr, nullptr, 0), 0) << "no callback";
}

TEST_F(FontsTest, ALongNameIsCutToTheFaceNameField)
{
    win32::setFontFamilies({std::string(40, 'x')});
    const Seen seen = enumerate(nullptr);
    ASSERT_EQ(seen.names.size(), 1u);
    EXPECT_EQ(seen.names.front(), std::string(LF_FACESIZE - 1, 'x'));
}

} // namespace
