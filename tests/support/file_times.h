#pragma once
// Time stamps and flags of real files, read and set with the plain Windows calls, so that the
// editor's results are checked against what the file system holds.
#include "platform/long_path.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace testing {

struct FileTimes {
    FILETIME created{};
    FILETIME modified{};
    FILETIME accessed{};
};

inline std::string timeText(const SYSTEMTIME& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", time.wYear, time.wMonth, time.wDay, time.wHour,
                  time.wMinute, time.wSecond);
    return text;
}

inline FILETIME utcTime(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    const SYSTEMTIME calendar{year, month, 0, day, hour, minute, second, 0};
    FILETIME time{};
    SystemTimeToFileTime(&calendar, &time);
    return time;
}

// A file time as the UTC text "yyyy-MM-dd HH:mm:ss".
inline std::string utcText(const FILETIME& time) {
    SYSTEMTIME calendar{};
    FileTimeToSystemTime(&time, &calendar);
    return timeText(calendar);
}

// A file time as the local text the date boxes should show.
inline std::string localText(const FILETIME& time) {
    SYSTEMTIME utc{}, local{};
    FileTimeToSystemTime(&time, &utc);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
    return timeText(local);
}

// The UTC text of a local calendar time, as a write should store it.
inline std::string utcTextOfLocal(const SYSTEMTIME& local) {
    SYSTEMTIME utc{};
    TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc);
    return timeText(utc);
}

inline HANDLE openForTimes(const std::string& path, DWORD access) {
    return CreateFileW(platform::windowsPath(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

inline FileTimes timesOf(const std::string& path) {
    FileTimes times;
    HANDLE file = openForTimes(path, GENERIC_READ);
    GetFileTime(file, &times.created, &times.accessed, &times.modified);
    CloseHandle(file);
    return times;
}

inline void setTimes(const std::string& path, const FileTimes& times) {
    HANDLE file = openForTimes(path, FILE_WRITE_ATTRIBUTES);
    SetFileTime(file, &times.created, &times.accessed, &times.modified);
    CloseHandle(file);
}

inline DWORD attributesOf(const std::string& path) {
    return GetFileAttributesW(platform::windowsPath(path).c_str());
}

inline void setAttributes(const std::string& path, DWORD attributes) {
    SetFileAttributesW(platform::windowsPath(path).c_str(), attributes);
}

}  // namespace testing
