#include "core/apply_times.h"

#include "file_fixtures.h"
#include "support/temp_folder.h"

#include <doctest.h>

#include <map>
#include <optional>

using namespace core;
using namespace testing;

namespace {

// The times the tests write, in local time, and the same instants in UTC: the suite runs in
// Asia/Shanghai, UTC+8 all year.
const DateTime newCreated = makeDateTime(2015, 1, 24, 10, 5, 7);
const DateTime newModified = makeDateTime(2016, 2, 29, 23, 59, 59);
const DateTime newAccessed = makeDateTime(2021, 1, 1, 0, 0, 0);
const FileTimes newTimes = {utcTicks(2015, 1, 24, 2, 5, 7), utcTicks(2020, 12, 31, 16, 0, 0),
                            utcTicks(2016, 2, 29, 15, 59, 59)};

// Bytes that any rewrite, truncation or text conversion would disturb.
const std::string contents = std::string("line\r\n\0\xff\xfe", 9) + "内容" + std::string(5000, 'z');

const std::set<std::string> fileCalls = {"getFileAttributes", "setFileAttributes", "createFile",
                                         "getFileTime",       "setFileTime",       "closeHandle"};

std::string makeFile(const std::string& path, DWORD flags) {
    writeFile(path, contents);
    writeTimes(path, oddTimes());
    writeFlags(path, flags);
    return path;
}

std::string attributeWrite(const std::string& path, DWORD value) {
    return "setFileAttributes " + path + " " + std::to_string(value);
}

}  // namespace

TEST_CASE("applyTimesAndAttributes writes the times and flags of a real file and leaves its contents alone") {
    TempFolder folder;
    // Names outside the ANSI code page and paths beyond MAX_PATH are changed like any other.
    const std::string deep = std::string(100, 'a') + "\\" + std::string(100, 'b');
    makeFolder(folder / std::string(100, 'a'));
    makeFolder(folder / deep);

    const DWORD wineArchive = archiveShownByWine();
    const DWORD normal = FILE_ATTRIBUTE_NORMAL;
    struct Case {
        std::string name;
        DWORD before;
        AttributeMask attributes;
        std::optional<DWORD> finalWrite;  // the flags written after the times, if any
        DWORD after;
    };
    const Case cases[] = {
        {"plain.txt", normal, ReadOnlyFlag, 1, 1 | wineArchive},
        {"read-only kept.txt", 1, KeepAttributes, 1 | wineArchive, 1 | wineArchive},
        {"한글😀ñ.txt", 1 | 2 | 4, KeepAttributes, 7 | wineArchive, 7 | wineArchive},
        {deep + "\\" + std::string(80, 'c') + ".txt", 1, 0, 0, wineArchive},
        {"hidden system.txt", 2 | 4, ArchiveFlag, 32, 32},
        {"other bits.txt", normal, 1 | 16 | 64 | 128 | 4096, 1, 1 | wineArchive},
        {"hidden kept.txt", 2, KeepAttributes, std::nullopt, 2 | wineArchive},
        {"read-only archive.txt", 1 | 32, HiddenFlag, 2, 2 | wineArchive},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        const std::string path = makeFile(folder / c.name, c.before);
        FileServicesProbe services;

        CHECK(applyTimesAndAttributes(path, newCreated, newModified, newAccessed, c.attributes));

        CHECK(services.timesWritten == std::vector<FileTimes>{newTimes});
        CHECK(readTimes(path) == storedTimes(newTimes));
        CHECK(readFlags(path) == c.after);
        CHECK(readFile(path) == contents);

        // A read-only file is cleared before it is opened; the handle is closed before the
        // final flag write; all three times given, so none is read.
        std::vector<std::string> expected = {"getFileAttributes " + path};
        if (c.before & ReadOnlyFlag) expected.push_back(attributeWrite(path, 0));
        expected.insert(expected.end(), {"createFile " + path, "setFileTime", "closeHandle"});
        if (c.finalWrite) expected.push_back(attributeWrite(path, *c.finalWrite));
        CHECK(services.only(fileCalls) == expected);
        REQUIRE(services.opens.size() == 1);
        CHECK(services.opens[0].access == (GENERIC_READ | GENERIC_WRITE));
        CHECK(services.opens[0].share == FILE_SHARE_READ);
        CHECK(services.opens[0].disposition == OPEN_EXISTING);
        CHECK(services.opens[0].flags == FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_CASE("a folder is opened with backup semantics, gets its times and keeps its directory bit") {
    TempFolder folder;
    const std::string path = folder / "sub";
    makeFolder(path);
    writeTimes(path, oddTimes());
    FileServicesProbe services;

    SUBCASE("given flags") {
        CHECK(applyTimesAndAttributes(path, newCreated, newModified, newAccessed, HiddenFlag | DirectoryFlag));
        CHECK(services.timesWritten == std::vector<FileTimes>{newTimes});
        CHECK(readTimes(path) == storedTimes(newTimes));
        CHECK(readFlags(path) == (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN));
        CHECK(services.only({"setFileAttributes"}) == std::vector<std::string>{attributeWrite(path, 2)});
        REQUIRE(services.opens.size() == 1);
        CHECK(services.opens[0].flags == FILE_FLAG_BACKUP_SEMANTICS);
    }
    SUBCASE("a read-only folder") {
        // Wine does not store read-only on folders, so the attribute read reports it.
        services.attributesRead = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY;
        CHECK(applyTimesAndAttributes(path, newCreated, newModified, newAccessed, KeepAttributes));
        CHECK(readTimes(path) == storedTimes(newTimes));
        CHECK(services.only({"setFileAttributes", "createFile"}) ==
              std::vector<std::string>{attributeWrite(path, 0), "createFile " + path, attributeWrite(path, 1)});
        CHECK(services.opens[0].flags == FILE_FLAG_BACKUP_SEMANTICS);
    }
}

TEST_CASE("an empty time keeps its value to the 100 ns") {
    TempFolder folder;
    const DateTime noonOfEmptyDay = makeDateTime(100, 1, 1, 12, 0, 0);  // empty too
    struct Case {
        DateTime created, modified, accessed;
    };
    const Case cases[] = {
        {EmptyDateTime, newModified, noonOfEmptyDay},
        {newCreated, EmptyDateTime, newAccessed},
        {EmptyDateTime, EmptyDateTime, EmptyDateTime},
    };
    int n = 0;
    for (const Case& c : cases) {
        CAPTURE(n);
        const std::string path = makeFile(folder / ("f" + std::to_string(n++)), FILE_ATTRIBUTE_NORMAL);
        const FileTimes before = readTimes(path);
        const FileTimes expected = {c.created == newCreated ? newTimes.created : before.created,
                                    c.accessed == newAccessed ? newTimes.accessed : before.accessed,
                                    c.modified == newModified ? newTimes.written : before.written};
        FileServicesProbe services;

        CHECK(applyTimesAndAttributes(path, c.created, c.modified, c.accessed, KeepAttributes));
        CHECK(services.timesWritten == std::vector<FileTimes>{expected});
        CHECK(readTimes(path) == storedTimes(expected));
        CHECK(services.count("getFileTime") == 1);
        CHECK(services.count("setFileAttributes") == 0);
    }
}

TEST_CASE("a time the file system cannot hold is refused before anything is touched") {
    TempFolder folder;
    const std::string path = makeFile(folder / "f.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    const DWORD flagsBefore = readFlags(path);
    const FileTimes timesBefore = readTimes(path);

    const DateTime unstorable[] = {
        makeDateTime(1600, 12, 31, 23, 59, 59),  // before 1601 in local time
        makeDateTime(1601, 1, 1, 7, 59, 59),     // before 1601 in UTC
        makeDateTime(1601, 1, 1, 8, 0, 0),       // the zero FILETIME, which a time write skips
    };
    for (const DateTime bad : unstorable) {
        CAPTURE(dateTimeText(bad));
        FileServicesProbe services;
        CHECK_FALSE(applyTimesAndAttributes(path, bad, newModified, newAccessed, 0));
        CHECK_FALSE(applyTimesAndAttributes(path, newCreated, bad, newAccessed, 0));
        CHECK_FALSE(applyTimesAndAttributes(path, newCreated, newModified, bad, KeepAttributes));
        CHECK(services.only(fileCalls).empty());
    }
    {
        FileServicesProbe services;
        services.failing = {"systemTimeToFileTime"};
        CHECK_FALSE(applyTimesAndAttributes(path, newCreated, EmptyDateTime, EmptyDateTime, 0));
        CHECK(services.only(fileCalls).empty());
    }
    CHECK(readTimes(path) == timesBefore);
    CHECK(readFlags(path) == flagsBefore);
}

TEST_CASE("on every failure the flags end as found and nothing happens after the failing step") {
    TempFolder folder;
    const DWORD wineArchive = archiveShownByWine();
    const DWORD readOnlyHidden = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
    const DWORD found = readOnlyHidden | wineArchive;
    struct Case {
        const char* failingCall;
        int occurrence;
        DWORD before;
        bool result;
        DWORD flagsAfter;
        bool timesWritten;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"getFileAttributes", 1, readOnlyHidden, false, found, false, {"getFileAttributes"}},
        {"setFileAttributes", 1, readOnlyHidden, false, found, false, {"getFileAttributes", "clear flags"}},
        {"createFile", 1, readOnlyHidden, false, found, false,
         {"getFileAttributes", "clear flags", "createFile", "put flags back"}},
        {"createFile", 1, FILE_ATTRIBUTE_HIDDEN, false, FILE_ATTRIBUTE_HIDDEN | wineArchive, false,
         {"getFileAttributes", "createFile"}},
        {"getFileTime", 1, readOnlyHidden, false, found, false,
         {"getFileAttributes", "clear flags", "createFile", "getFileTime", "closeHandle", "put flags back"}},
        {"setFileTime", 1, readOnlyHidden, false, found, false,
         {"getFileAttributes", "clear flags", "createFile", "getFileTime", "setFileTime", "closeHandle",
          "put flags back"}},
        // The times are written; the flags stay as the platform left them: cleared.
        {"setFileAttributes", 2, readOnlyHidden, true, wineArchive, true,
         {"getFileAttributes", "clear flags", "createFile", "getFileTime", "setFileTime", "closeHandle",
          "write flags 4"}},
    };
    int n = 0;
    for (const Case& c : cases) {
        CAPTURE(c.failingCall);
        CAPTURE(c.occurrence);
        const std::string path = makeFile(folder / ("f" + std::to_string(n++)), c.before);
        const FileTimes before = readTimes(path);
        const FileTimes partlyNew = {newTimes.created, newTimes.accessed, before.written};
        FileServicesProbe services;
        services.failingOccurrence = {{c.failingCall, c.occurrence}};

        // The modified time is left empty so that the current times are read.
        CHECK(applyTimesAndAttributes(path, newCreated, EmptyDateTime, newAccessed, SystemFlag) == c.result);

        CHECK(readFlags(path) == c.flagsAfter);
        CHECK(readTimes(path) == (c.timesWritten ? storedTimes(partlyNew) : before));
        CHECK(readFile(path) == contents);
        const std::map<std::string, std::string> spelled = {
            {"getFileAttributes", "getFileAttributes " + path},
            {"createFile", "createFile " + path},
            {"clear flags", attributeWrite(path, 0)},
            {"put flags back", attributeWrite(path, (c.before | wineArchive) & 0x27)},
            {"write flags 4", attributeWrite(path, 4)},
        };
        std::vector<std::string> expected;
        for (const std::string& step : c.calls) expected.push_back(spelled.count(step) ? spelled.at(step) : step);
        CHECK(services.only(fileCalls) == expected);
    }
}

TEST_CASE("a read-only file that someone holds open for writing ends as found") {
    TempFolder folder;
    const std::string path = makeFile(folder / "busy.txt", FILE_ATTRIBUTE_NORMAL);
    for (const DWORD share : {DWORD{0}, DWORD{FILE_SHARE_READ}}) {
        CAPTURE(share);
        // The other program opened the file before it was made read-only.
        writeFlags(path, FILE_ATTRIBUTE_NORMAL);
        HeldForWriting held(path, share);
        writeFlags(path, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
        const DWORD flagsBefore = readFlags(path);
        const FileTimes timesBefore = readTimes(path);

        CHECK_FALSE(applyTimesAndAttributes(path, newCreated, newModified, newAccessed, 0));
        CHECK(readFlags(path) == flagsBefore);
        CHECK(readTimes(path) == timesBefore);
    }
}

TEST_CASE("a missing path changes nothing and opens nothing") {
    TempFolder folder;
    const std::string path = folder / "missing.txt";
    FileServicesProbe services;
    CHECK_FALSE(applyTimesAndAttributes(path, newCreated, newModified, newAccessed, 0));
    CHECK_FALSE(applyTimesAndAttributes("", newCreated, newModified, newAccessed, 0));
    CHECK(services.only(fileCalls) == std::vector<std::string>{"getFileAttributes " + path, "getFileAttributes"});
}
