// Host text conversion, the string helpers, the version text and the warning box, run inside a module.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "foundation/tests/probe_fixture.h"
#include "win32/windows.h"

namespace foundation_test {
namespace {

using TextHelpersTest = ProbeTest;

constexpr char kUntouched = '#';

std::vector<char> untouchedBuffer(size_t size)
{
    return std::vector<char>(size, kUntouched);
}

TEST_F(TextHelpersTest, ConvertsHostTextIntoAZeroTerminatedString)
{
    xt::TextObject text = api().newTextObject("Cellora", 7);
    auto buffer = untouchedBuffer(16);
    api().textToCString(text, buffer.data());
    EXPECT_STREQ(buffer.data(), "Cellora");
    EXPECT_EQ(buffer[8], kUntouched);
    EXPECT_TRUE(host().errorReports().empty());
    api().disposeTextObject(text);
}

TEST_F(TextHelpersTest, AnEmptyOrMissingTextGivesAnEmptyStringAndCode4)
{
    xt::TextObject empty = api().newTextObject("", 0);
    for (xt::TextObject text : {empty, xt::TextObject{}}) {
        auto buffer = untouchedBuffer(4);
        api().textToCString(text, buffer.data());
        EXPECT_STREQ(buffer.data(), "") << "stale text must not reach the caller";
    }
    EXPECT_EQ(host().errorReports(), (std::vector<int32_t>{4, 4}));
    api().disposeTextObject(empty);
}

TEST_F(TextHelpersTest, ANullDestinationIsReportedWithCode7)
{
    xt::TextObject text = api().newTextObject("abc", 3);
    api().textToCString(text, nullptr);
    EXPECT_EQ(host().errorReports(), (std::vector<int32_t>{7}));
    api().disposeTextObject(text);
}

TEST_F(TextHelpersTest, TheBoundedFormNeverWritesPastItsCapacity)
{
    xt::TextObject text = api().newTextObject("Hello World", 11);
    auto buffer = untouchedBuffer(12);
    api().textToCStringBounded(text, buffer.data(), 6);
    EXPECT_STREQ(buffer.data(), "Hello");
    EXPECT_EQ(buffer[6], kUntouched);

    auto roomy = untouchedBuffer(32);
    api().textToCStringBounded(text, roomy.data(), 32);
    EXPECT_STREQ(roomy.data(), "Hello World");
    EXPECT_TRUE(host().errorReports().empty());

    auto none = untouchedBuffer(4);
    api().textToCStringBounded(text, none.data(), 0);
    EXPECT_EQ(none[0], kUntouched);
    EXPECT_EQ(host().errorReports(), (std::vector<int32_t>{6}));
    api().disposeTextObject(text);
}

struct CheckedCase {
    const char* name;
    int32_t length;
    const char* chars;
    bool withSize;
    int32_t size;
    bool withBuffer;
    bool withFlag;
    int32_t code;
};

const CheckedCase kCheckedRefusals[] = {
    {"no flag", 3, "abc", true, 8, true, false, 8},   // checked before anything is written
    {"no length", 0, "abc", true, 8, true, true, 4},
    {"negative length", -2, "abc", true, 8, true, true, 4},
    {"no characters", 3, nullptr, true, 8, true, true, 5},
    {"no size", 3, "abc", false, 0, true, true, 6},
    {"zero size", 3, "abc", true, 0, true, true, 6},
    {"no buffer", 3, "abc", true, 8, false, true, 7},
};

TEST_F(TextHelpersTest, CheckedConversionRefusesBadArgumentsWithTheirCodes)
{
    for (const CheckedCase& c : kCheckedRefusals) {
        auto buffer = untouchedBuffer(8);
        int32_t size = c.size;
        uint8_t done = 7;
        api().textToCStringChecked(c.length, c.chars, c.withSize ? &size : nullptr, c.withBuffer ? buffer.data() : nullptr,
            c.withFlag ? &done : nullptr, 0);
        ASSERT_FALSE(host().errorReports().empty()) << c.name;
        EXPECT_EQ(host().errorReports().back(), c.code) << c.name;
        EXPECT_EQ(buffer[0], kUntouched) << c.name;
        if (c.withFlag) {
            EXPECT_EQ(done, 0) << c.name;
        }
    }
}

TEST_F(TextHelpersTest, CheckedConversionGivesTheLengthWithoutTheZero)
{
    char buffer[16];
    int32_t size = sizeof buffer;
    uint8_t done = 0;
    api().textToCStringChecked(5, "Tabel", &size, buffer, &done, 0);
    EXPECT_EQ(done, 1);
    EXPECT_EQ(size, 5);
    EXPECT_STREQ(buffer, "Tabel");
    EXPECT_TRUE(host().errorReports().empty());
}

struct ContainsCase {
    const char* text;
    const char* part;
    bool contained;
};

const ContainsCase kContainsCases[] = {
    {"xabcx", "bc", true},
    {"abc", "abc", true},
    {"ab", "bcd", false},   // a candidate running past the end never matches
    {"abc", "", false},
    {"", "", true},
    {"", "a", false},
    {"Default.prf", "Default", true},
    {"default.prf", "Default", false}, // case-sensitive
    {"aab", "ab", true},
};

TEST_F(TextHelpersTest, ContainsStringFindsAPartInsideTheText)
{
    for (const ContainsCase& c : kContainsCases)
        EXPECT_EQ(api().containsString(c.text, c.part), c.contained) << '"' << c.text << "\" \"" << c.part << '"';
}

TEST_F(TextHelpersTest, ReadVersionTextCopiesExactlyEightBytes)
{
    auto buffer = untouchedBuffer(12);
    inProbe([&] { api().readVersionText(buffer.data()); });
    EXPECT_EQ(std::string(buffer.data(), 8), "9.1.2b7 ");
    EXPECT_EQ(buffer[8], kUntouched);
}

TEST_F(TextHelpersTest, ReadVersionTextStopsAtTheEndOfAShortResource)
{
    const probe::ProbeApi* shortProbe = loadShortProbe();
    ASSERT_NE(shortProbe, nullptr);
    auto buffer = untouchedBuffer(12);
    inProbe([&] { shortProbe->readVersionText(buffer.data()); }, probe::kShortRunMessage);
    EXPECT_EQ(std::string(buffer.data(), 2), "2.");
    EXPECT_EQ(buffer[2], kUntouched);
}

TEST_F(TextHelpersTest, WarningBoxShowsTheMakersTitleAndPutsTheCursorBack)
{
    api().setCursorKind(-1); // a long run shows the watch
    api().warningBox("Sorry, problems loading settings!");
    api().setCursorKind(0);
    api().warningBox("First, select some text.");

    ASSERT_EQ(host().messageBoxes().size(), 2u);
    EXPECT_EQ(host().messageBoxes()[0].text, "Sorry, problems loading settings!");
    EXPECT_EQ(host().messageBoxes()[0].caption, "VORNE");
    EXPECT_EQ(host().messageBoxes()[0].style, MB_ICONWARNING);
    EXPECT_EQ(host().cursorKinds(), (std::vector<int32_t>{-1, 0, -1, 0, 0, 0}));
}

} // namespace
} // namespace foundation_test
