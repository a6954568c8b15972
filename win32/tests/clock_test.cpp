// The host's clock: the local time a session sets, ticks that only go forward, and dates and times in
// the user's formats.
#include <gtest/gtest.h>

#include <string>

#include "win32/standin.h"
#include "win32/windows.h"

namespace {

class ClockTest : public ::testing::Test {
protected:
    void TearDown() override { win32::resetStandIn(); }
};

SYSTEMTIME at(WORD year, WORD month, WORD day, WORD hour, WORD minute)
{
    return SYSTEMTIME{year, month, 0, day, hour, minute, 0, 0};
}

std::string dateText(DWORD flags, const SYSTEMTIME* when, const char* format = nullptr)
{
    char buffer[64] = "stale";
    const int written = GetDateFormatA(LOCALE_USER_DEFAULT, flags, when, format, buffer, sizeof buffer);
    return written > 0 ? std::string(buffer) : "(failed)";
}

std::string timeText(DWORD flags, const SYSTEMTIME* when, const char* format = nullptr)
{
    char buffer[64] = "stale";
    const int written = GetTimeFormatA(LOCALE_USER_DEFAULT, flags, when, format, buffer, sizeof buffer);
    return written > 0 ? std::string(buffer) : "(failed)";
}

TEST_F(ClockTest, TheLocalTimeIsTheOneSetWithItsDayOfTheWeek)
{
    win32::setLocalTime(at(2026, 12, 11, 9, 30));
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_EQ(now.wYear, 2026);
    EXPECT_EQ(now.wMonth, 12);
    EXPECT_EQ(now.wDay, 11);
    EXPECT_EQ(now.wHour, 9);
    EXPECT_EQ(now.wMinute, 30);
    EXPECT_EQ(now.wDayOfWeek, 5) << "a Friday";
    EXPECT_EQ(dateText(DATE_SHORTDATE, nullptr), "12/11/2026");
    EXPECT_EQ(dateText(DATE_LONGDATE, nullptr), "Friday, December 11, 2026");
    EXPECT_EQ(timeText(TIME_NOSECONDS, nullptr), "9:30 AM");
}

TEST_F(ClockTest, TicksGoOnWithEachCallAndWithTheClockSetLaterButNeverBack)
{
    const DWORD first = GetTickCount();
    EXPECT_EQ(GetTickCount(), first + 1);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    now.wMinute = static_cast<WORD>(now.wMinute + 2);
    win32::setLocalTime(now);
    EXPECT_EQ(GetTickCount(), first + 2 + 120000);
    win32::setLocalTime(at(2000, 1, 1, 0, 0));
    EXPECT_EQ(GetTickCount(), first + 3 + 120000) << "a clock set back leaves the ticks";
}

struct FormatCase {
    const char* name;
    SYSTEMTIME when;
    bool isDate;
    DWORD flags;
    const char* format;
    const char* expected;
};

const FormatCase kFormats[] = {
    {"short date", {2027, 3, 0, 5, 0, 0, 0, 0}, true, DATE_SHORTDATE, nullptr, "3/5/2027"},
    {"leap day", {2028, 2, 0, 29, 0, 0, 0, 0}, true, DATE_SHORTDATE, nullptr, "2/29/2028"},
    {"picture", {2027, 3, 0, 5, 0, 0, 0, 0}, true, 0, "dd.MM.yy ddd MMM", "05.03.27 Fri Mar"},
    {"quoted text", {2027, 3, 0, 5, 0, 0, 0, 0}, true, 0, "'Day' d 'of' MMMM", "Day 5 of March"},
    {"not a day", {2027, 2, 0, 30, 0, 0, 0, 0}, true, DATE_SHORTDATE, nullptr, "(failed)"},
    {"noon", {2027, 3, 0, 5, 12, 5, 9, 0}, false, 0, nullptr, "12:05:09 PM"},
    {"midnight", {2027, 3, 0, 5, 0, 7, 0, 0}, false, TIME_NOSECONDS, nullptr, "12:07 AM"},
    {"24 hours", {2027, 3, 0, 5, 18, 7, 0, 0}, false, TIME_FORCE24HOURFORMAT | TIME_NOSECONDS, nullptr, "18:07"},
    {"hours alone", {2027, 3, 0, 5, 18, 7, 0, 0}, false, TIME_NOMINUTESORSECONDS, nullptr, "6 PM"},
    {"time picture", {2027, 3, 0, 5, 8, 7, 3, 0}, false, 0, "HH'h'mm t", "08h07 A"},
    {"not a time", {2027, 3, 0, 5, 25, 0, 0, 0}, false, 0, nullptr, "(failed)"},
};

TEST_F(ClockTest, DatesAndTimesAreWrittenInTheUsersFormsOrAPicture)
{
    for (const FormatCase& c : kFormats) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.isDate ? dateText(c.flags, &c.when, c.format) : timeText(c.flags, &c.when, c.format), c.expected);
    }
}

TEST_F(ClockTest, ASmallBufferGetsNothingAndSizeZeroAsksForTheRoom)
{
    const SYSTEMTIME when = at(2026, 12, 11, 9, 30);
    EXPECT_EQ(GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, nullptr, 0), 11);
    char small[10] = "stale";
    EXPECT_EQ(GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, small, sizeof small), 0);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    char exact[11];
    EXPECT_EQ(GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, exact, sizeof exact), 11);
    EXPECT_STREQ(exact, "12/11/2026");
}

} // namespace
