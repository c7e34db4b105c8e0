#include "core/date_time.h"

#include "platform/services.h"

#include <algorithm>
#include <cmath>

namespace core {
namespace {

constexpr DateTime LastDateTime = 2958465.0;  // 9999-12-31 00:00:00
constexpr double SecondsPerDay = 86400.0;
constexpr double HalfSecond = 0.5 / SecondsPerDay;
// Day 0 (1899-12-30) counted from 0000-03-01, the start of the calendar cycle used below.
constexpr int DayZeroFromCycleStart = 693899;

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : lengths[month - 1];
}

// Days from 1899-12-30 in the proleptic Gregorian calendar. Counting years from March puts
// the leap day at the end of the year; years here are never below 100, so no negative eras.
int dayNumber(int year, int month, int day) {
    if (month <= 2) year -= 1;
    const int era = year / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - DayZeroFromCycleStart;
}

// The inverse of dayNumber, for day numbers of the DateTime range.
void calendarDate(int number, int& year, int& month, int& day) {
    const int days = number + DayZeroFromCycleStart;
    const int era = days / 146097;
    const int dayOfEra = days - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

ULONGLONG ticks(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

DateTime makeDateTime(int year, int month, int day, int hour, int minute, int second) {
    year = std::clamp(year, 100, 9999);
    month = std::clamp(month, 1, 12);
    day = std::clamp(day, 1, 31);
    day = std::min(day, daysInMonth(year, month));
    hour = std::clamp(hour, 0, 23);
    minute = std::clamp(minute, 0, 59);
    second = std::clamp(second, 0, 59);

    const int days = dayNumber(year, month, day);
    const double timeOfDay = (hour * 3600 + minute * 60 + second) / SecondsPerDay;
    return days >= 0 ? days + timeOfDay : days - timeOfDay;
}

DateTimeFields splitDateTime(DateTime value) {
    if (std::isnan(value)) value = EmptyDateTime;  // no comparison would clamp it
    value = std::clamp(value, EmptyDateTime, LastDateTime);
    // Round to the nearest second; the time of day runs away from day 0 on both sides.
    value += value > 0 ? HalfSecond : -HalfSecond;

    DateTimeFields fields;
    const double wholeDays = std::trunc(value);
    const int days = static_cast<int>(wholeDays);
    calendarDate(days, fields.year, fields.month, fields.day);
    fields.dayOfWeek = (days + 693958) % 7 + 1;

    // The product can reach 86400 only through rounding at the very end of a day.
    const double fraction = std::fabs(value) - std::fabs(wholeDays);
    const int seconds = std::min(static_cast<int>(fraction * SecondsPerDay), 86399);
    fields.hour = seconds / 3600;
    fields.minute = seconds / 60 % 60;
    fields.second = seconds % 60;
    return fields;
}

std::string dateTimeText(DateTime value) {
    const DateTimeFields f = splitDateTime(value);
    std::string text = std::to_string(f.year) + "年" + std::to_string(f.month) + "月" + std::to_string(f.day) + "日";
    if (f.second != 0) {
        text += std::to_string(f.hour) + "时" + std::to_string(f.minute) + "分" + std::to_string(f.second) + "秒";
    } else if (f.minute != 0) {
        text += std::to_string(f.hour) + "时" + std::to_string(f.minute) + "分";
    } else if (f.hour != 0) {
        text += std::to_string(f.hour) + "时";
    }
    return text;
}

bool isEmptyDateTime(DateTime value) {
    return dateTimeText(value) == "100年1月1日";
}

DateTime fileTimeToDateTime(FILETIME utc) {
    // From 2^63 ticks on a time has no calendar form, and the shift to local time could wrap
    // it into one.
    if (static_cast<LONGLONG>(ticks(utc)) < 0) return EmptyDateTime;
    FILETIME local = utc;
    platform::services().fileTimeToLocalFileTime(&utc, &local);
    // A refused calendar conversion shows as all-zero fields, which makeDateTime turns into
    // the empty DateTime.
    SYSTEMTIME calendar = {};
    if (!platform::services().fileTimeToSystemTime(&local, &calendar)) calendar = {};
    return systemTimeToDateTime(calendar);
}

CalendarRecord dateTimeToCalendarRecord(DateTime value) {
    const DateTimeFields f = splitDateTime(value);
    CalendarRecord record;
    record.year = f.year;
    record.month = f.month;
    record.dayOfWeek = f.dayOfWeek - 1;
    record.day = f.day;
    record.hour = f.hour;
    record.minute = f.minute;
    record.second = f.second;
    record.milliseconds = 0;
    return record;
}

bool dateTimeToFileTime(DateTime local, FILETIME& utc) {
    const SYSTEMTIME calendar = dateTimeToSystemTime(local);
    FILETIME localTime = {};
    if (!platform::services().systemTimeToFileTime(&calendar, &localTime)) return false;  // before 1601
    if (!platform::services().localFileTimeToFileTime(&localTime, &utc)) return false;
    // The shift to UTC wraps below 1601-01-01 without complaint, and a zero FILETIME would
    // tell the time write to leave that time stamp unchanged.
    return static_cast<LONGLONG>(ticks(utc)) > 0;
}

SYSTEMTIME dateTimeToSystemTime(DateTime value) {
    const CalendarRecord record = dateTimeToCalendarRecord(value);
    SYSTEMTIME calendar = {};
    calendar.wYear = static_cast<WORD>(record.year);
    calendar.wMonth = static_cast<WORD>(record.month);
    calendar.wDayOfWeek = static_cast<WORD>(record.dayOfWeek);
    calendar.wDay = static_cast<WORD>(record.day);
    calendar.wHour = static_cast<WORD>(record.hour);
    calendar.wMinute = static_cast<WORD>(record.minute);
    calendar.wSecond = static_cast<WORD>(record.second);
    calendar.wMilliseconds = static_cast<WORD>(record.milliseconds);
    return calendar;
}

DateTime systemTimeToDateTime(const SYSTEMTIME& calendar) {
    return makeDateTime(calendar.wYear, calendar.wMonth, calendar.wDay, calendar.wHour, calendar.wMinute,
                        calendar.wSecond);
}

}  // namespace core
