#include "core/date_time.h"

#include "file_fixtures.h"

#include <doctest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <random>

using namespace core;
using testing::ticks;
using testing::TicksPerSecond;
using testing::utcTicks;

namespace {

// A DateTime from a day number and seconds since midnight, as the data model defines it.
DateTime dateTimeOf(int day, int secondsOfDay) {
    const double timeOfDay = secondsOfDay / 86400.0;
    return day >= 0 ? day + timeOfDay : day - timeOfDay;
}

constexpr int SecondsOf(int hour, int minute, int second) {
    return hour * 3600 + minute * 60 + second;
}

// The platform's own calendar, independent of ours: day number and day of week (1 = Sunday) of
// a date. False for a date that does not exist and for every date before 1601.
bool platformCalendar(int year, int month, int day, int& dayNumber, int& dayOfWeek) {
    SYSTEMTIME calendar = {};
    calendar.wYear = static_cast<WORD>(year);
    calendar.wMonth = static_cast<WORD>(month);
    calendar.wDay = static_cast<WORD>(day);
    FILETIME time = {};
    if (!SystemTimeToFileTime(&calendar, &time) || !FileTimeToSystemTime(&time, &calendar)) return false;
    // Wine takes February 29 of any year and rolls it over into March.
    if (calendar.wMonth != month) return false;
    dayNumber = static_cast<int>(ticks(time) / (86400 * TicksPerSecond)) - 109205;  // 1601-01-01 is day -109205
    dayOfWeek = calendar.wDayOfWeek + 1;
    return true;
}

}  // namespace

namespace core {
std::ostream& operator<<(std::ostream& out, const DateTimeFields& f) {
    return out << f.year << "-" << f.month << "-" << f.day << " " << f.hour << ":" << f.minute << ":" << f.second
               << " day " << f.dayOfWeek;
}
}  // namespace core

TEST_CASE("makeDateTime clamps every field and the day to its month") {
    struct Case {
        int year, month, day, hour, minute, second;
        int expectedDay, expectedSeconds;
    };
    const Case cases[] = {
        {2016, 2, 30, 0, 0, 0, 42429, 0},                        // 2016-02-29
        {2100, 2, 29, 0, 0, 0, 73109, 0},                        // no leap day in 2100
        {2000, 2, 29, 0, 0, 0, 36585, 0},                        // but in 2000
        {1900, 2, 29, 0, 0, 0, 60, 0},                           // 1900-02-28
        {2024, 4, 31, 0, 0, 0, 45412, 0},                        // 2024-04-30
        {2015, 2, 30, 25, 61, -3, 42063, SecondsOf(23, 59, 0)},  // 2015-02-28 23:59:00
        {99, 0, 0, 24, 60, 60, -657434, SecondsOf(23, 59, 59)},  // 100-01-01 23:59:59
        {10000, 13, 32, 0, 0, 0, 2958465, 0},                    // 9999-12-31
        {100, 1, 2, 0, 0, 0, -657433, 0},
        {1899, 12, 29, 6, 0, 0, -1, SecondsOf(6, 0, 0)},
        {1899, 12, 30, 6, 0, 0, 0, SecondsOf(6, 0, 0)},
    };
    for (const Case& c : cases) {
        CAPTURE(c.year);
        CAPTURE(c.month);
        CAPTURE(c.day);
        CHECK(makeDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second) ==
              dateTimeOf(c.expectedDay, c.expectedSeconds));
    }
    // The time of day is subtracted from a negative day number.
    CHECK(makeDateTime(1899, 12, 29, 6, 0, 0) == -1.25);
    CHECK(makeDateTime(1899, 12, 30, 6, 0, 0) == 0.25);
    CHECK(makeDateTime(100, 1, 1, 12, 0, 0) == -657434.5);
    CHECK(makeDateTime(100, 1, 2, 0, 0, 0) == -657433.0);
}

TEST_CASE("splitDateTime clamps, rounds to the nearest second and names the day of week") {
    struct Case {
        DateTime value;
        DateTimeFields expected;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0, 7}},
        {-1.25, {1899, 12, 29, 6, 0, 0, 6}},
        {0.25, {1899, 12, 30, 6, 0, 0, 7}},
        {42028.0, {2015, 1, 24, 0, 0, 0, 7}},
        {42429.0, {2016, 2, 29, 0, 0, 0, 2}},
        {-657434.5, {100, 1, 1, 0, 0, 0, 6}},  // every time of 100-01-01 lies below the range
        {-1e9, {100, 1, 1, 0, 0, 0, 6}},
        {2958465.5, {9999, 12, 31, 0, 0, 0, 6}},  // and every time after 9999-12-31 00:00 above it
        {1e9, {9999, 12, 31, 0, 0, 0, 6}},
        {nan, {100, 1, 1, 0, 0, 0, 6}},
        {42028.0 + 59.51 / 86400, {2015, 1, 24, 0, 1, 0, 7}},  // to the nearest second
        {42028.0 + 59.49 / 86400, {2015, 1, 24, 0, 0, 59, 7}},
        {42028.0 + 86399.6 / 86400, {2015, 1, 25, 0, 0, 0, 1}},  // into the next day
        {-1.0 - 59.51 / 86400, {1899, 12, 29, 0, 1, 0, 6}},  // away from day 0 on the negative side
    };
    for (const Case& c : cases) {
        CAPTURE(c.value);
        const DateTimeFields f = splitDateTime(c.value);
        CHECK(f == c.expected);
    }
}

TEST_CASE("dateTimeText shortens the time of day, and isEmptyDateTime accepts the day 100-01-01 only") {
    struct Case {
        DateTime value;
        const char* text;
        bool empty;
    };
    const Case cases[] = {
        {makeDateTime(2015, 1, 24, 0, 0, 0), "2015年1月24日", false},
        {makeDateTime(2015, 1, 24, 10, 5, 0), "2015年1月24日10时5分", false},
        {makeDateTime(2015, 1, 24, 0, 0, 7), "2015年1月24日0时0分7秒", false},
        {makeDateTime(2015, 1, 24, 10, 0, 5), "2015年1月24日10时0分5秒", false},
        {makeDateTime(2015, 1, 24, 10, 0, 0), "2015年1月24日10时", false},
        {makeDateTime(2015, 12, 31, 23, 59, 59), "2015年12月31日23时59分59秒", false},
        {EmptyDateTime, "100年1月1日", true},
        {makeDateTime(100, 1, 1, 12, 0, 0), "100年1月1日", true},
        {makeDateTime(99, 0, 0, 24, 60, 60), "100年1月1日", true},
        {makeDateTime(100, 1, 2, 0, 0, 0), "100年1月2日", false},
        {makeDateTime(100, 1, 2, 0, 0, 1), "100年1月2日0时0分1秒", false},
        {0.0, "1899年12月30日", false},
        {makeDateTime(9999, 12, 31, 23, 59, 59), "9999年12月31日", false},
    };
    for (const Case& c : cases) {
        CAPTURE(c.value);
        CHECK(dateTimeText(c.value) == c.text);
        CHECK(isEmptyDateTime(c.value) == c.empty);
    }
}

TEST_CASE("dateTimeToCalendarRecord counts the day of week from 0 and carries no milliseconds") {
    CHECK(dateTimeToCalendarRecord(0.0) == CalendarRecord{1899, 12, 6, 30, 0, 0, 0, 0});
    CHECK(dateTimeToCalendarRecord(makeDateTime(2016, 2, 29, 10, 5, 7)) == CalendarRecord{2016, 2, 1, 29, 10, 5, 7, 0});
    CHECK(dateTimeToCalendarRecord(makeDateTime(2015, 1, 25, 0, 0, 0) - 0.4 / 86400) ==
          CalendarRecord{2015, 1, 0, 25, 0, 0, 0, 0});

    const SYSTEMTIME calendar = dateTimeToSystemTime(makeDateTime(2016, 2, 29, 10, 5, 7));
    CHECK(calendar.wYear == 2016);
    CHECK(calendar.wMonth == 2);
    CHECK(calendar.wDayOfWeek == 1);
    CHECK(calendar.wDay == 29);
    CHECK(calendar.wHour == 10);
    CHECK(calendar.wMinute == 5);
    CHECK(calendar.wSecond == 7);
    CHECK(calendar.wMilliseconds == 0);
    CHECK(systemTimeToDateTime(calendar) == makeDateTime(2016, 2, 29, 10, 5, 7));
}

TEST_CASE("random whole-second DateTimes survive a split and a make, and agree with the platform's calendar") {
    std::mt19937 random(20150124);
    std::uniform_int_distribution<int> years(100, 9999), months(1, 12), days(1, 31), hours(0, 23), minutes(0, 59);
    for (int i = 0; i < 20000; ++i) {
        const int year = years(random), month = months(random);
        int day = days(random);
        int dayNumber = 0, dayOfWeek = 0;
        bool checkedByPlatform = platformCalendar(year, month, day, dayNumber, dayOfWeek);
        if (!checkedByPlatform) {
            day = std::min(day, 28);
            checkedByPlatform = platformCalendar(year, month, day, dayNumber, dayOfWeek);
        }
        // The first and the last day of the range hold only their midnight.
        const bool edgeDay = (year == 100 && month == 1 && day == 1) || (year == 9999 && month == 12 && day == 31);
        const int hour = edgeDay ? 0 : hours(random), minute = edgeDay ? 0 : minutes(random);
        const int second = edgeDay ? 0 : minutes(random);

        const DateTime value = makeDateTime(year, month, day, hour, minute, second);
        const DateTimeFields fields = splitDateTime(value);
        CAPTURE(value);
        REQUIRE(fields.year == year);
        REQUIRE(fields.month == month);
        REQUIRE(fields.day == day);
        REQUIRE(fields.hour == hour);
        REQUIRE(fields.minute == minute);
        REQUIRE(fields.second == second);
        REQUIRE(makeDateTime(fields.year, fields.month, fields.day, fields.hour, fields.minute, fields.second) ==
                value);
        if (checkedByPlatform) {
            REQUIRE(std::trunc(value) == dayNumber);
            REQUIRE(fields.dayOfWeek == dayOfWeek);
        }
    }
}

// The suite runs in Asia/Shanghai: UTC+8 all year, so local and UTC differ visibly.
TEST_CASE("file times convert through local time at the offset in force, dropping the sub-second part") {
    struct Case {
        std::uint64_t utc;
        DateTime local;
    };
    const Case cases[] = {
        {utcTicks(2015, 1, 24, 2, 5, 7, 9999999), makeDateTime(2015, 1, 24, 10, 5, 7)},  // truncated, not rounded
        {utcTicks(2016, 2, 28, 16, 0, 0, 1), makeDateTime(2016, 2, 29, 0, 0, 0)},        // across midnight
        {utcTicks(2015, 12, 31, 16, 0, 0, 5000000), makeDateTime(2016, 1, 1, 0, 0, 0)},   // across the year
        {utcTicks(1601, 1, 1, 0, 0, 1, 4), makeDateTime(1601, 1, 1, 8, 0, 1)},
    };
    for (const Case& c : cases) {
        CAPTURE(c.local);
        CHECK(fileTimeToDateTime(testing::fileTime(c.utc)) == c.local);
        FILETIME back = {};
        REQUIRE(dateTimeToFileTime(c.local, back));
        CHECK(ticks(back) == c.utc - c.utc % TicksPerSecond);
    }

    // Beyond the year 9999 the year is clamped, the rest kept.
    CHECK(fileTimeToDateTime(testing::fileTime(utcTicks(10000, 6, 15, 4, 0, 0))) ==
          makeDateTime(9999, 6, 15, 12, 0, 0));
    // No calendar form at all: shown as empty.
    CHECK(fileTimeToDateTime(testing::fileTime(0x8000000000000000ull)) == EmptyDateTime);
    CHECK(fileTimeToDateTime(testing::fileTime(~0ull)) == EmptyDateTime);
}

TEST_CASE("dateTimeToFileTime refuses times that a time write cannot store") {
    struct Case {
        DateTime local;
        bool converts;
    };
    const Case cases[] = {
        {EmptyDateTime, false},
        {makeDateTime(1600, 12, 31, 23, 59, 59), false},  // no FILETIME in local time
        {makeDateTime(1601, 1, 1, 0, 0, 0), false},       // 1600-12-31 16:00 UTC
        {makeDateTime(1601, 1, 1, 7, 59, 59), false},
        {makeDateTime(1601, 1, 1, 8, 0, 0), false},       // zero: a time write would leave the stamp alone
        {makeDateTime(1601, 1, 1, 8, 0, 1), true},
        {makeDateTime(9999, 12, 31, 0, 0, 0), true},
    };
    for (const Case& c : cases) {
        CAPTURE(dateTimeText(c.local));
        FILETIME utc = {};
        CHECK(dateTimeToFileTime(c.local, utc) == c.converts);
    }
    FILETIME utc = {};
    REQUIRE(dateTimeToFileTime(makeDateTime(1601, 1, 1, 8, 0, 1), utc));
    CHECK(ticks(utc) == TicksPerSecond);
}

TEST_CASE("a conversion the platform refuses is not passed off as a time") {
    testing::ServicesRecorder services;
    FILETIME utc = {};

    services.failing = {"systemTimeToFileTime"};
    CHECK_FALSE(dateTimeToFileTime(makeDateTime(2015, 1, 24, 10, 5, 7), utc));

    services.failing = {"localFileTimeToFileTime"};
    CHECK_FALSE(dateTimeToFileTime(makeDateTime(2015, 1, 24, 10, 5, 7), utc));

    services.failing = {"fileTimeToSystemTime"};
    CHECK(fileTimeToDateTime(testing::fileTime(utcTicks(2015, 1, 24, 2, 5, 7))) == EmptyDateTime);
}
