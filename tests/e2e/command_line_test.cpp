// The real tempolis.exe started as a user would, with paths on its command line, and watched
// from outside: its windows found by class, its controls read with messages.
#include "single/main_controls.h"
#include "support/file_times.h"
#include "support/program.h"
#include "support/remote_window.h"
#include "support/temp_folder.h"

#include <doctest.h>

#include <string>

namespace {

using testing::answerMessageBox;
using testing::findControl;
using testing::isTicked;
using testing::textOf;
using testing::waitFor;

// A top-level window of the process of `sibling`, visible or not.
HWND findWindowOfProcess(HWND sibling, const wchar_t* className) {
    DWORD process = 0;
    GetWindowThreadProcessId(sibling, &process);
    for (HWND window = FindWindowExW(nullptr, nullptr, className, nullptr); window;
         window = FindWindowExW(nullptr, window, className, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process) return window;
    }
    return nullptr;
}

std::string quoted(const std::string& path) {
    return "\"" + path + "\"";
}

}  // namespace

TEST_CASE("started with a file, the program shows it and writes changed flags back after the question") {
    testing::TempFolder folder;
    const std::string path = folder / "数据 😀 1.txt";
    testing::writeFile(path, std::string(1536, 'x'));
    const testing::FileTimes times{testing::utcTime(2015, 1, 24, 2, 5, 7), testing::utcTime(2016, 2, 29, 23, 59, 59),
                                   testing::utcTime(2020, 12, 31, 16, 0, 0)};
    testing::setTimes(path, times);
    testing::setAttributes(path, FILE_ATTRIBUTE_HIDDEN);
    // What the file system reports: Wine gives the last-write time as creation time.
    const testing::FileTimes shown = testing::timesOf(path);

    testing::RunningProgram program(quoted(path));
    REQUIRE(program.started());
    HWND main = program.waitForWindow(L"TempolisMainWindow");
    REQUIRE(main != nullptr);
    HWND pathEdit = findControl(main, single::pathEdit);
    CHECK(waitFor([&] { return textOf(pathEdit) == path; }));
    CHECK(textOf(findControl(main, single::sizeEdit)).find("(1,536 字节)") != std::string::npos);
    CHECK(textOf(findControl(main, single::createdDateBox)) == testing::localText(shown.created));
    CHECK(textOf(findControl(main, single::modifiedDateBox)) == "2016-03-01 07:59:59");
    CHECK(textOf(findControl(main, single::accessedDateBox)) == "2021-01-01 00:00:00");
    CHECK(isTicked(findControl(main, single::hiddenCheck)));
    CHECK_FALSE(isTicked(findControl(main, single::systemCheck)));
    CHECK(IsWindowEnabled(findControl(main, single::modifyButton)));

    PostMessageW(findControl(main, single::systemCheck), BM_CLICK, 0, 0);
    CHECK(waitFor([&] { return isTicked(findControl(main, single::systemCheck)); }));
    PostMessageW(findControl(main, single::modifyButton), BM_CLICK, 0, 0);
    CHECK(answerMessageBox(program, IDYES) == "确认修改文件时间及属性?");
    CHECK(answerMessageBox(program, IDOK) == "修改完毕!");

    const DWORD flags = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    CHECK((testing::attributesOf(path) & flags) == flags);
    const testing::FileTimes after = testing::timesOf(path);
    CHECK(testing::utcText(after.created) == testing::utcText(shown.created));
    CHECK(testing::utcText(after.modified) == testing::utcText(shown.modified));
    CHECK(testing::utcText(after.accessed) == testing::utcText(shown.accessed));

    PostMessageW(main, WM_CLOSE, 0, 0);
    CHECK(program.waitForExit() == 0);
}

TEST_CASE("started with two paths, the program goes straight to BatchWindow") {
    testing::TempFolder folder;
    testing::writeFile(folder / "a.txt", "1");
    testing::writeFile(folder / "文件 b.txt", "2");

    testing::RunningProgram program(quoted(folder / "a.txt") + " " + quoted(folder / "文件 b.txt"));
    REQUIRE(program.started());
    HWND batch = program.waitForWindow(L"TempolisBatchWindow");
    REQUIRE(batch != nullptr);
    HWND main = findWindowOfProcess(batch, L"TempolisMainWindow");
    REQUIRE(main != nullptr);
    CHECK_FALSE(IsWindowVisible(main));

    PostMessageW(batch, WM_CLOSE, 0, 0);
    CHECK(waitFor([main] { return IsWindowVisible(main) != FALSE; }));
    PostMessageW(main, WM_CLOSE, 0, 0);
    CHECK(program.waitForExit() == 0);
}
