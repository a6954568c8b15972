// The host's clock: a local time the session sets, the ticks since the session began, and dates and
// times written in the user's (US English) formats or in a format picture.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>

#include "win32/internal.h"
#include "win32/standin.h"

namespace win32 {
namespace {

/// The clock a session starts with, so that what a plug-in stamps is the same on every run.
constexpr SYSTEMTIME kSessionStart{2026, 1, 4, 1, 9, 0, 0, 0};
constexpr DWORD kFirstTick = 1000;

constexpr std::array<const char*, 7> kDayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonthNames = {"January", "February", "March", "April", "May", "June", "July",
    "August", "September", "October", "November", "December"};

struct ClockState {
    SYSTEMTIME now = kSessionStart;
    DWORD ticks = kFirstTick;
};

ClockState& clock()
{
    static ClockState state;
    return state;
}

bool isLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysIn(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

bool isDay(const SYSTEMTIME& time)
{
    return time.wYear >= 1601 && time.wYear <= 30827 && time.wMonth >= 1 && time.wMonth <= 12 && time.wDay >= 1
        && time.wDay <= daysIn(time.wYear, time.wMonth);
}

bool isTime(const SYSTEMTIME& time)
{
    return time.wHour < 24 && time.wMinute < 60 && time.wSecond < 60 && time.wMilliseconds < 1000;
}

/// Days from 1970-01-01 (Howard Hinnant's civil calendar arithmetic).
int64_t daysFromCivil(int64_t year, int64_t month, int64_t day)
{
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int64_t millisecondsOf(const SYSTEMTIME& time)
{
    const int64_t days = daysFromCivil(time.wYear, time.wMonth, time.wDay);
    return ((days * 24 + time.wHour) * 60 + time.wMinute) * 60000 + time.wSecond * 1000 + time.wMilliseconds;
}

WORD dayOfWeek(const SYSTEMTIME& time)
{
    const int64_t days = daysFromCivil(time.wYear, time.wMonth, time.wDay);
    return static_cast<WORD>(((days % 7) + 7 + 4) % 7); // 1970-01-01 was a Thursday
}

std::string twoDigits(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

/// The length of the run of `c` starting at `at`.
size_t runOf(const std::string& format, size_t at)
{
    size_t end = at;
    while (end < format.size() && format[end] == format[at])
        ++end;
    return end - at;
}

using Picture = std::string (*)(const SYSTEMTIME& time, size_t count);

std::string dayPicture(const SYSTEMTIME& time, size_t count)
{
    if (count == 1)
        return std::to_string(time.wDay);
    if (count == 2)
        return twoDigits(time.wDay);
    const std::string name = kDayNames[dayOfWeek(time)];
    return count == 3 ? name.substr(0, 3) : name;
}

std::string monthPicture(const SYSTEMTIME& time, size_t count)
{
    if (count == 1)
        return std::to_string(time.wMonth);
    if (count == 2)
        return twoDigits(time.wMonth);
    const std::string name = kMonthNames[time.wMonth - 1];
    return count == 3 ? name.substr(0, 3) : name;
}

std::string yearPicture(const SYSTEMTIME& time, size_t count)
{
    if (count <= 2)
        return twoDigits(time.wYear % 100).substr(count == 1 && time.wYear % 100 < 10 ? 1 : 0);
    return std::to_string(time.wYear);
}

std::string hour12Picture(const SYSTEMTIME& time, size_t count)
{
    const int hour = time.wHour % 12 == 0 ? 12 : time.wHour % 12;
    return count == 1 ? std::to_string(hour) : twoDigits(hour);
}

std::string hour24Picture(const SYSTEMTIME& time, size_t count)
{
    return count == 1 ? std::to_string(time.wHour) : twoDigits(time.wHour);
}

std::string minutePicture(const SYSTEMTIME& time, size_t count)
{
    return count == 1 ? std::to_string(time.wMinute) : twoDigits(time.wMinute);
}

std::string secondPicture(const SYSTEMTIME& time, size_t count)
{
    return count == 1 ? std::to_string(time.wSecond) : twoDigits(time.wSecond);
}

std::string markerPicture(const SYSTEMTIME& time, size_t count)
{
    const std::string marker = time.wHour < 12 ? "AM" : "PM";
    return count == 1 ? marker.substr(0, 1) : marker;
}

struct PictureLetter {
    char letter;
    Picture picture;
};

constexpr PictureLetter kDatePictures[] = {{'d', dayPicture}, {'M', monthPicture}, {'y', yearPicture}};
constexpr PictureLetter kTimePictures[] = {
    {'h', hour12Picture}, {'H', hour24Picture}, {'m', minutePicture}, {'s', secondPicture}, {'t', markerPicture}};

/// Writes the format picture out: its letters replaced, text in single quotes taken as it is.
template <size_t N>
std::string expand(const std::string& format, const SYSTEMTIME& time, const PictureLetter (&pictures)[N])
{
    std::string text;
    for (size_t i = 0; i < format.size();) {
        if (format[i] == '\'') {
            const size_t close = format.find('\'', i + 1);
            text += format.substr(i + 1, (close == std::string::npos ? format.size() : close) - i - 1);
            i = close == std::string::npos ? format.size() : close + 1;
            continue;
        }
        const size_t count = runOf(format, i);
        const PictureLetter* found = nullptr;
        for (const PictureLetter& entry : pictures) {
            if (entry.letter == format[i])
                found = &entry;
        }
        text += found ? found->picture(time, std::min<size_t>(count, 4)) : format.substr(i, count);
        i += count;
    }
    return text;
}

int answer(const std::string& text, LPSTR buffer, int size)
{
    const int needed = static_cast<int>(text.size()) + 1;
    if (size == 0)
        return needed;
    if (!buffer || size < needed) {
        detail::setLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(buffer, text.c_str(), static_cast<size_t>(needed));
    return needed;
}

} // namespace

void setLocalTime(const SYSTEMTIME& time)
{
    ClockState& state = clock();
    const int64_t moved = millisecondsOf(time) - millisecondsOf(state.now);
    if (moved > 0)
        state.ticks += static_cast<DWORD>(moved);
    state.now = time;
    state.now.wDayOfWeek = dayOfWeek(time);
}

SYSTEMTIME localTime()
{
    return clock().now;
}

void detail::resetClock()
{
    clock() = ClockState{};
}

} // namespace win32

extern "C" void GetLocalTime(SYSTEMTIME* time)
{
    if (time)
        *time = win32::clock().now;
}

extern "C" DWORD GetTickCount()
{
    return win32::clock().ticks++;
}

extern "C" int GetDateFormatA(LCID, DWORD flags, const SYSTEMTIME* date, LPCSTR format, LPSTR buffer, int size)
{
    const SYSTEMTIME time = date ? *date : win32::clock().now;
    if (size < 0 || !win32::isDay(time)) {
        win32::detail::setLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::string picture = format ? format : (flags & DATE_LONGDATE) ? "dddd, MMMM d, yyyy" : "M/d/yyyy";
    return win32::answer(win32::expand(picture, time, win32::kDatePictures), buffer, size);
}

extern "C" int GetTimeFormatA(LCID, DWORD flags, const SYSTEMTIME* when, LPCSTR format, LPSTR buffer, int size)
{
    const SYSTEMTIME time = when ? *when : win32::clock().now;
    if (size < 0 || !win32::isTime(time)) {
        win32::detail::setLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string picture = format ? format : "h:mm:ss tt";
    if (!format && (flags & TIME_FORCE24HOURFORMAT))
        picture = "H:mm:ss";
    if (!format && (flags & TIME_NOSECONDS))
        picture.erase(picture.find(":ss"), 3);
    if (!format && (flags & TIME_NOMINUTESORSECONDS))
        picture = picture.substr(0, 1) + picture.substr(picture.find(' ') == std::string::npos ? picture.size() : picture.find(' '));
    return win32::answer(win32::expand(picture, time, win32::kTimePictures), buffer, size);
}
