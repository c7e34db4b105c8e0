#include "core/file_snapshot.h"

#include "file_fixtures.h"
#include "platform/text.h"
#include "support/temp_folder.h"
#include "support/wine.h"

#include <doctest.h>

#include <shlwapi.h>

using namespace core;
using namespace testing;

namespace {

constexpr std::uint64_t GiB = 1024ull * 1024 * 1024;

// oddTimes() as the suite's zone shows them (Asia/Shanghai, UTC+8 all year), to the second.
const DateTime oddCreated = makeDateTime(2001, 2, 3, 12, 5, 6);
const DateTime oddAccessed = makeDateTime(2002, 3, 4, 13, 6, 7);
const DateTime oddWritten = makeDateTime(2003, 4, 5, 14, 7, 8);

void checkSnapshot(const std::string& path, std::uint64_t size, const std::string& sizeCount, bool hasTimes,
                   AttributeMask attributes) {
    const FileSnapshot snapshot = readFileSnapshot(path);
    CHECK(snapshot.size == size);
    CHECK(snapshot.sizeText == shortSizeText(size) + " (" + sizeCount + " 字节)");
    CHECK(snapshot.attributes == attributes);
    REQUIRE(snapshot.hasTimes == hasTimes);
    if (hasTimes) {
        // Wine reports the last-write time as creation time (see storedTimes); the mapping of
        // the creation time is checked through the seam below.
        CHECK(snapshot.created == (runningUnderWine() ? oddWritten : oddCreated));
        CHECK(snapshot.modified == oddWritten);
        CHECK(snapshot.accessed == oddAccessed);
    } else {
        CHECK(snapshot.created == EmptyDateTime);
        CHECK(snapshot.modified == EmptyDateTime);
        CHECK(snapshot.accessed == EmptyDateTime);
    }
}

// A file with the given contents and oddTimes().
std::string makeFile(const std::string& path, const std::string& contents) {
    writeFile(path, contents);
    writeTimes(path, oddTimes());
    return path;
}

}  // namespace

TEST_CASE("readFileSnapshot reads size, times and flags of real paths, each on its own") {
    TempFolder folder;
    const AttributeMask file = FILE_ATTRIBUTE_ARCHIVE;  // what a new file carries

    SUBCASE("a missing path still gets its size texts") {
        checkSnapshot(folder / "missing.txt", 0, "0", false, -1);
    }
    SUBCASE("an empty path is a missing file, not the current folder") {
        checkSnapshot("", 0, "0", false, -1);
    }
    SUBCASE("an empty file") {
        checkSnapshot(makeFile(folder / "empty.txt", ""), 0, "0", true, file);
    }
    SUBCASE("sizes from 2 GiB on come out whole") {
        makeSparseFile(folder / "3g.bin", 3 * GiB);
        writeTimes(folder / "3g.bin", oddTimes());
        checkSnapshot(folder / "3g.bin", 3221225472, "3,221,225,472", true, file);

        makeSparseFile(folder / "5g.bin", 5 * GiB);
        writeTimes(folder / "5g.bin", oddTimes());
        checkSnapshot(folder / "5g.bin", 5368709120, "5,368,709,120", true, file);
    }
    SUBCASE("a folder cannot be opened for its times") {
        makeFolder(folder / "sub");
        writeTimes(folder / "sub", oddTimes());
        checkSnapshot(folder / "sub", 0, "0", false, FILE_ATTRIBUTE_DIRECTORY);
    }
    SUBCASE("a hidden read-only file") {
        makeFile(folder / "hidden.txt", "abc");
        writeFlags(folder / "hidden.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
        checkSnapshot(folder / "hidden.txt", 3, "3", true, 3 | archiveShownByWine());
    }
    SUBCASE("a file someone holds open for writing gives no times, but its size and flags") {
        makeFile(folder / "busy.txt", std::string(1536, 'x'));
        {
            HeldForWriting held(folder / "busy.txt", FILE_SHARE_READ);
            checkSnapshot(folder / "busy.txt", 1536, "1,536", false, file);
        }
        {
            HeldForWriting held(folder / "busy.txt", 0);
            checkSnapshot(folder / "busy.txt", 1536, "1,536", false, file);
        }
    }
    SUBCASE("a name outside the ANSI code page") {
        checkSnapshot(makeFile(folder / "한글😀ñ.txt", "0123456789"), 10, "10", true, file);
    }
    SUBCASE("a path longer than MAX_PATH") {
        makeFolder(folder / std::string(100, 'a'));
        makeFolder(folder / (std::string(100, 'a') + "\\" + std::string(100, 'b')));
        const std::string path = folder / (std::string(100, 'a') + "\\" + std::string(100, 'b') + "\\" +
                                           std::string(80, 'c') + ".txt");
        REQUIRE(path.size() > 260);
        checkSnapshot(makeFile(path, std::string(1000, 'x')), 1000, "1,000", true, file);
    }
}

TEST_CASE("each time of a snapshot converts on its own record, so a refused one shows empty, not another's fields") {
    TempFolder folder;
    const std::string path = makeFile(folder / "f.txt", "x");
    struct Case {
        const char* what;
        int refusedCalendarConversion;  // 1 to 3, or 0 for none
        std::uint64_t accessedTicks;    // as the time read gives it
        DateTime created, modified, accessed;
    };
    const std::uint64_t beyondAnyCalendar = 0x8000000000000000ull;
    const Case cases[] = {
        {"nothing refused", 0, oddTimes().accessed, oddCreated, oddWritten, oddAccessed},
        {"the platform refuses the second", 2, oddTimes().accessed, oddCreated, EmptyDateTime, oddAccessed},
        {"a time beyond any calendar", 0, beyondAnyCalendar, oddCreated, oddWritten, EmptyDateTime},
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        FileServicesProbe services;
        // Three distinct times, whatever the file system stores.
        services.timesRead = FileTimes{oddTimes().created, c.accessedTicks, oddTimes().written};
        if (c.refusedCalendarConversion)
            services.failingOccurrence = {{"fileTimeToSystemTime", c.refusedCalendarConversion}};

        const FileSnapshot snapshot = readFileSnapshot(path);
        REQUIRE(snapshot.hasTimes);
        CHECK(snapshot.created == c.created);
        CHECK(snapshot.modified == c.modified);
        CHECK(snapshot.accessed == c.accessed);
    }
}

TEST_CASE("readFileSnapshot opens for reading shared with readers, and releases what it opened on every path") {
    TempFolder folder;
    const std::string path = makeFile(folder / "f.txt", "x");
    FileServicesProbe services;
    const std::set<std::string> fileCalls = {"findFirstFile", "findClose", "createFile",
                                             "getFileTime",   "closeHandle", "getFileAttributes"};

    SUBCASE("all reads succeed") {
        CHECK(readFileSnapshot(path).hasTimes);
        REQUIRE(services.opens.size() == 1);
        CHECK(services.opens[0].access == GENERIC_READ);
        CHECK(services.opens[0].share == FILE_SHARE_READ);
        CHECK(services.opens[0].disposition == OPEN_EXISTING);
        CHECK(services.opens[0].flags == FILE_ATTRIBUTE_NORMAL);
        CHECK(services.only(fileCalls) == std::vector<std::string>{"findFirstFile " + path, "findClose",
                                                                   "createFile " + path, "getFileTime", "closeHandle",
                                                                   "getFileAttributes " + path});
    }
    SUBCASE("the time read fails") {
        services.failing = {"getFileTime"};
        const FileSnapshot snapshot = readFileSnapshot(path);
        CHECK_FALSE(snapshot.hasTimes);
        CHECK(snapshot.size == 1);
        CHECK(snapshot.attributes == FILE_ATTRIBUTE_ARCHIVE);
        CHECK(services.count("closeHandle") == 1);
    }
    SUBCASE("the directory search finds nothing") {
        services.failing = {"findFirstFile"};
        const FileSnapshot snapshot = readFileSnapshot(path);
        CHECK(snapshot.size == 0);
        CHECK(snapshot.sizeText == shortSizeText(0) + " (0 字节)");
        CHECK(snapshot.hasTimes);
        CHECK(services.count("findClose") == 0);
    }
}

TEST_CASE("the attributes of a snapshot keep only read-only, hidden, system, directory and archive") {
    TempFolder folder;
    const std::string path = makeFile(folder / "f.txt", "x");
    FileServicesProbe services;
    const DWORD everyBitButFailure = 0x7FFFFFFF;
    services.attributesRead = everyBitButFailure;
    CHECK(readFileSnapshot(path).attributes == 0x37);
    services.attributesRead = FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN;
    CHECK(readFileSnapshot(path).attributes == FILE_ATTRIBUTE_HIDDEN);
}

TEST_CASE("longSizeText adds the byte count grouped by thousands to the platform's short text") {
    struct Case {
        std::uint64_t size;
        const char* grouped;
    };
    const Case cases[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {1536, "1,536"},
        {999999, "999,999"},
        {1000000, "1,000,000"},
        {4294967295, "4,294,967,295"},
        {4294967296, "4,294,967,296"},
        {1234567890123, "1,234,567,890,123"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.size);
        CHECK(longSizeText(c.size) == shortSizeText(c.size) + " (" + c.grouped + " 字节)");
    }

    // The short text is the platform's, given the whole 64-bit size.
    wchar_t expected[100] = {};
    StrFormatByteSizeW(static_cast<LONGLONG>(5 * GiB), expected, 100);
    CHECK(shortSizeText(5 * GiB) == platform::narrow(expected));
    CHECK(shortSizeText(5 * GiB) != shortSizeText(1 * GiB));
    CHECK_FALSE(shortSizeText(0).empty());
}
