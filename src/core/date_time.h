#pragma once
// DateTime: a local calendar date and time of day to the second, and its conversion to and
// from the file system's FILETIME (UTC, 100-ns ticks since 1601).
#include <windows.h>

#include <cstdint>
#include <string>

namespace core {

// Whole days since 1899-12-30 (proleptic Gregorian); the time of day, as a fraction of a day,
// is added to a day number of 0 or more and subtracted from a negative one.
using DateTime = double;

// 100-01-01 00:00:00, the lowest DateTime: "no time given", so that time stamp stays as it is.
inline constexpr DateTime EmptyDateTime = -657434.0;

struct DateTimeFields {
    int year = 100;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int dayOfWeek = 1;  // 1 = Sunday .. 7 = Saturday

    bool operator==(const DateTimeFields&) const = default;
};

// The calendar record handed to and from the platform, members in SYSTEMTIME's order.
struct CalendarRecord {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t dayOfWeek = 0;  // 0 = Sunday .. 6 = Saturday
    std::int32_t day = 0;
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    std::int32_t second = 0;
    std::int32_t milliseconds = 0;

    bool operator==(const CalendarRecord&) const = default;
};

// Never fails: each field is clamped to its range (year 100..9999), the day to the month.
DateTime makeDateTime(int year, int month, int day, int hour, int minute, int second);

// Never fails: the value is clamped to 100-01-01..9999-12-31 and rounded to the second.
DateTimeFields splitDateTime(DateTime value);

// "2015年1月24日", then "10时5分7秒", "10时5分" or "10时" as far as the time is not zero.
std::string dateTimeText(DateTime value);

// True for every DateTime of the day 100-01-01.
bool isEmptyDateTime(DateTime value);

// A UTC FILETIME as local DateTime, shifted by the offset in force now; the sub-second part is
// dropped. A time the platform cannot put into calendar fields becomes EmptyDateTime.
DateTime fileTimeToDateTime(FILETIME utc);

CalendarRecord dateTimeToCalendarRecord(DateTime value);

// The local DateTime as UTC FILETIME, shifted by the offset in force now. False when it has
// no FILETIME that a time write would store: before 1601-01-01 in local time, not after
// 1601-01-01 00:00:00 UTC once shifted, or refused by the platform; `utc` is then unusable.
bool dateTimeToFileTime(DateTime local, FILETIME& utc);

// For the date boxes, which speak SYSTEMTIME.
SYSTEMTIME dateTimeToSystemTime(DateTime value);
DateTime systemTimeToDateTime(const SYSTEMTIME& calendar);

}  // namespace core
