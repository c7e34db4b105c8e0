#include "file_fixtures.h"

#include "platform/long_path.h"
#include "support/wine.h"

#include <stdexcept>

namespace testing {
namespace {

// Attribute access only: works on folders (backup semantics) and on files others hold open.
HANDLE openForAttributes(const std::string& path, DWORD access) {
    HANDLE handle = CreateFileW(platform::windowsPath(path).c_str(), access,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path);
    return handle;
}

}  // namespace

std::uint64_t ticks(const FILETIME& time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

FILETIME fileTime(std::uint64_t value) {
    return FILETIME{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
}

SYSTEMTIME calendarTime(int year, int month, int day, int hour, int minute, int second) {
    SYSTEMTIME calendar = {};
    calendar.wYear = static_cast<WORD>(year);
    calendar.wMonth = static_cast<WORD>(month);
    calendar.wDay = static_cast<WORD>(day);
    calendar.wHour = static_cast<WORD>(hour);
    calendar.wMinute = static_cast<WORD>(minute);
    calendar.wSecond = static_cast<WORD>(second);
    return calendar;
}

std::uint64_t utcTicks(int year, int month, int day, int hour, int minute, int second, std::uint64_t subSecond) {
    const SYSTEMTIME calendar = calendarTime(year, month, day, hour, minute, second);
    FILETIME time = {};
    if (!SystemTimeToFileTime(&calendar, &time)) throw std::runtime_error("no FILETIME for this calendar time");
    return ticks(time) + subSecond;
}

FileTimes oddTimes() {
    return {utcTicks(2001, 2, 3, 4, 5, 6, 1234567), utcTicks(2002, 3, 4, 5, 6, 7, 7654321),
            utcTicks(2003, 4, 5, 6, 7, 8, 9999999)};
}

std::ostream& operator<<(std::ostream& out, const FileTimes& times) {
    return out << "{created " << times.created << ", accessed " << times.accessed << ", written " << times.written
               << "}";
}

FileTimes storedTimes(FileTimes times) {
    if (runningUnderWine()) times.created = times.written;
    return times;
}

DWORD archiveShownByWine() {
    return runningUnderWine() ? FILE_ATTRIBUTE_ARCHIVE : 0;
}

FileTimes readTimes(const std::string& path) {
    HANDLE handle = openForAttributes(path, FILE_READ_ATTRIBUTES);
    FILETIME created = {}, accessed = {}, written = {};
    const BOOL read = GetFileTime(handle, &created, &accessed, &written);
    CloseHandle(handle);
    if (!read) throw std::runtime_error("cannot read the times of " + path);
    return {ticks(created), ticks(accessed), ticks(written)};
}

void writeTimes(const std::string& path, const FileTimes& times) {
    HANDLE handle = openForAttributes(path, FILE_WRITE_ATTRIBUTES);
    const FILETIME created = fileTime(times.created), accessed = fileTime(times.accessed),
                   written = fileTime(times.written);
    const BOOL set = SetFileTime(handle, &created, &accessed, &written);
    CloseHandle(handle);
    if (!set) throw std::runtime_error("cannot write the times of " + path);
}

DWORD readFlags(const std::string& path) {
    const DWORD flags = GetFileAttributesW(platform::windowsPath(path).c_str());
    return flags == INVALID_FILE_ATTRIBUTES ? flags : flags & 0x37;
}

void writeFlags(const std::string& path, DWORD flags) {
    if (!SetFileAttributesW(platform::windowsPath(path).c_str(), flags))
        throw std::runtime_error("cannot set the flags of " + path);
}

HeldForWriting::HeldForWriting(const std::string& path, DWORD share)
    : handle_(CreateFileW(platform::windowsPath(path).c_str(), GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (handle_ == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot hold " + path);
}

HeldForWriting::~HeldForWriting() {
    CloseHandle(handle_);
}

HANDLE FileServicesProbe::createFile(const std::string& path, DWORD access, DWORD share, DWORD disposition,
                                     DWORD flags) {
    opens.push_back({access, share, disposition, flags});
    return RecordingServices::createFile(path, access, share, disposition, flags);
}

DWORD FileServicesProbe::getFileAttributes(const std::string& path) {
    const DWORD real = RecordingServices::getFileAttributes(path);
    return attributesRead && real != INVALID_FILE_ATTRIBUTES ? *attributesRead : real;
}

bool FileServicesProbe::getFileTime(HANDLE file, FILETIME* creation, FILETIME* lastAccess, FILETIME* lastWrite) {
    if (!RecordingServices::getFileTime(file, creation, lastAccess, lastWrite)) return false;
    if (timesRead) {
        *creation = fileTime(timesRead->created);
        *lastAccess = fileTime(timesRead->accessed);
        *lastWrite = fileTime(timesRead->written);
    }
    return true;
}

bool FileServicesProbe::setFileTime(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess,
                                    const FILETIME* lastWrite) {
    timesWritten.push_back({ticks(*creation), ticks(*lastAccess), ticks(*lastWrite)});
    return RecordingServices::setFileTime(file, creation, lastAccess, lastWrite);
}

}  // namespace testing
