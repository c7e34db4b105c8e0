#pragma once
// Direct access to a path's times and flags, past the platform layer, so that the tests of
// core/ check the file system itself rather than what the code under test believes.
#include "support/recording_services.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace testing {

// The three time stamps as 100-ns tick counts (UTC).
struct FileTimes {
    std::uint64_t created = 0;
    std::uint64_t accessed = 0;
    std::uint64_t written = 0;

    bool operator==(const FileTimes&) const = default;
};
std::ostream& operator<<(std::ostream& out, const FileTimes& times);

std::uint64_t ticks(const FILETIME& time);
FILETIME fileTime(std::uint64_t ticks);

inline constexpr std::uint64_t TicksPerSecond = 10'000'000;

// A UTC calendar time in ticks, plus a sub-second part.
// Calendar fields as the platform takes them (no day of week, no milliseconds).
SYSTEMTIME calendarTime(int year, int month, int day, int hour, int minute, int second);

std::uint64_t utcTicks(int year, int month, int day, int hour, int minute, int second, std::uint64_t subSecond = 0);

// Times distinct from anything the tests write, each with a sub-second part.
FileTimes oddTimes();

// Wine reports the archive flag on every regular file, even after it was cleared; Windows
// reports what was set. Expectations on a real file's flags add this.
DWORD archiveShownByWine();

// Wine (8, on ext4) does not store the creation time: it reports the last-write time in its
// place. storedTimes gives what a real file reports after `times` were written, so that the two
// times Wine stores are still compared exactly; the creation time is checked where it is handed
// to the platform (FileServicesProbe::timesWritten).
FileTimes storedTimes(FileTimes times);

FileTimes readTimes(const std::string& path);
void writeTimes(const std::string& path, const FileTimes& times);
// The path's read-only, hidden, system, directory and archive flags (Windows adds others, such as
// NORMAL on a file without flags); INVALID_FILE_ATTRIBUTES when they cannot be read.
DWORD readFlags(const std::string& path);
void writeFlags(const std::string& path, DWORD flags);

// Holds a file open for writing, as another program would, sharing it with readers at most.
class HeldForWriting {
public:
    HeldForWriting(const std::string& path, DWORD share);
    ~HeldForWriting();
    HeldForWriting(const HeldForWriting&) = delete;
    HeldForWriting& operator=(const HeldForWriting&) = delete;

private:
    HANDLE handle_;
};

// A recorder that also keeps the terms of each open and can stand in for the attribute read
// (to show a folder as read-only, which Wine does not store) or the time read.
class FileServicesProbe : public ServicesRecorder {
public:
    struct Open {
        DWORD access;
        DWORD share;
        DWORD disposition;
        DWORD flags;
    };
    std::vector<Open> opens;
    std::optional<DWORD> attributesRead;  // returned for an existing path instead of the real flags
    std::optional<FileTimes> timesRead;   // filled in by a successful time read instead
    std::vector<FileTimes> timesWritten;  // what each time write was given

    HANDLE createFile(const std::string& path, DWORD access, DWORD share, DWORD disposition, DWORD flags) override;
    DWORD getFileAttributes(const std::string& path) override;
    bool getFileTime(HANDLE file, FILETIME* creation, FILETIME* lastAccess, FILETIME* lastWrite) override;
    bool setFileTime(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess,
                     const FILETIME* lastWrite) override;
};

}  // namespace testing
