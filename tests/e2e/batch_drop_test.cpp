// The real tempolis.exe as a user meets it: BatchWindow opened from MainWindow, a folder dragged
// onto it from outside (a native X client drops it, as a Linux file manager would on a program
// under Wine), then a run with the creation time switched off and read-only ticked.
#include "batch/batch_controls.h"
#include "platform/text.h"
#include "single/main_controls.h"
#include "support/file_times.h"
#include "support/program.h"
#include "support/remote_window.h"
#include "support/temp_folder.h"
#include "support/wine.h"

#include <commctrl.h>
#include <doctest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#ifndef XDND_DROP
#error "XDND_DROP must name the native drop helper"
#endif

namespace {

using testing::answerMessageBox;
using testing::findControl;
using testing::textOf;
using testing::waitFor;

// Memory inside the program's process, where its list can write a cell's text.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, SIZE_T size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    char* address() const { return static_cast<char*>(address_); }
    void write(SIZE_T offset, const void* data, SIZE_T bytes) const {
        WriteProcessMemory(process_, address() + offset, data, bytes, nullptr);
    }
    void read(SIZE_T offset, void* data, SIZE_T bytes) const {
        ReadProcessMemory(process_, address() + offset, data, bytes, nullptr);
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

std::string cellText(HWND list, int row, int column) {
    constexpr int kChars = 1024;
    RemoteBuffer buffer(list, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
    LVITEMW item{};
    item.iSubItem = column;
    item.cchTextMax = kChars;
    item.pszText = reinterpret_cast<wchar_t*>(buffer.address() + sizeof(LVITEMW));
    buffer.write(0, &item, sizeof item);
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buffer.address()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    std::wstring text(kChars, L'\0');
    buffer.read(sizeof(LVITEMW), text.data(), kChars * sizeof(wchar_t));
    return platform::narrow(text.c_str());
}

int rowCount(HWND list) {
    DWORD_PTR count = 0;
    SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
    return static_cast<int>(count);
}

std::vector<std::string> column(HWND list, int index) {
    std::vector<std::string> cells;
    for (int row = 0; row < rowCount(list); ++row) cells.push_back(cellText(list, row, index));
    return cells;
}

std::string unixPath(const std::string& windowsPath) {
    using UnixName = char*(CDECL*)(const wchar_t*);
    auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    REQUIRE(reinterpret_cast<void*>(unixName) != nullptr);
    char* name = unixName(platform::widen(windowsPath).c_str());
    REQUIRE(name != nullptr);
    std::string path = name;
    HeapFree(GetProcessHeap(), 0, name);
    return path;
}

// Drags the path from outside onto the middle of `target`. Wine starts the native helper but
// cannot wait for it; the test watches the outcome instead.
void dropFromOutside(HWND target, const std::string& path) {
    RECT frame{};
    GetWindowRect(target, &frame);
    std::wstring commandLine = L"\"" + platform::widen(testing::dosPath(XDND_DROP)) + L"\" " +
                               std::to_wstring((frame.left + frame.right) / 2) + L" " +
                               std::to_wstring((frame.top + frame.bottom) / 2) + L" \"" +
                               platform::widen(unixPath(path)) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION helper{};
    REQUIRE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &helper));
    CloseHandle(helper.hThread);
    CloseHandle(helper.hProcess);
}

// A date box's "yyyy-MM-dd HH:mm:ss" as the UTC text a write of it stores.
std::string storedText(HWND dateBox) {
    SYSTEMTIME local{};
    unsigned year, month, day, hour, minute, second;
    REQUIRE(std::sscanf(textOf(dateBox).c_str(), "%u-%u-%u %u:%u:%u", &year, &month, &day, &hour, &minute, &second) ==
            6);
    local = {static_cast<WORD>(year), static_cast<WORD>(month), 0, static_cast<WORD>(day), static_cast<WORD>(hour),
             static_cast<WORD>(minute), static_cast<WORD>(second), 0};
    return testing::utcTextOfLocal(local);
}

}  // namespace

TEST_CASE("a folder dropped on the real BatchWindow lists its rows, and a run writes what was chosen") {
    testing::TempFolder temp;
    const std::string folder = temp / "拖放 folder";
    testing::makeFolder(folder);
    testing::makeFolder(folder + "\\sub");
    testing::writeFile(folder + "\\a.txt", "1");
    testing::writeFile(folder + "\\b 文件.txt", "22");
    testing::setAttributes(folder + "\\a.txt", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    testing::setAttributes(folder + "\\sub", FILE_ATTRIBUTE_HIDDEN);
    const testing::FileTimes old{testing::utcTime(2001, 2, 3, 4, 5, 6), testing::utcTime(2002, 3, 4, 5, 6, 7),
                                 testing::utcTime(2003, 4, 5, 6, 7, 8)};
    const std::vector<std::string> paths = {folder, folder + "\\sub", folder + "\\a.txt", folder + "\\b 文件.txt"};
    for (const std::string& path : paths) testing::setTimes(path, old);
    const testing::FileTimes createdBefore = testing::timesOf(folder + "\\a.txt");

    testing::RunningProgram program;
    REQUIRE(program.started());
    HWND main = program.waitForWindow(L"TempolisMainWindow");
    REQUIRE(main != nullptr);
    PostMessageW(findControl(main, single::batchButton), BM_CLICK, 0, 0);
    HWND batch = program.waitForWindow(L"TempolisBatchWindow");
    REQUIRE(batch != nullptr);
    HWND list = findControl(batch, batch::fileList);

    dropFromOutside(list, folder);

    REQUIRE(waitFor([&] { return rowCount(list) == 4 && IsWindowEnabled(findControl(batch, batch::batchGroup)); }));
    std::vector<std::string> shown = column(list, batch::pathColumn);
    // Subfolders come before files; within a pass the platform's order holds.
    std::sort(shown.begin() + 2, shown.end());
    CHECK(shown == paths);
    CHECK(column(list, batch::statusColumn) == std::vector<std::string>(4, " -"));

    PostMessageW(findControl(batch, batch::batchCreatedLabel), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(findControl(batch, batch::batchReadOnlyCheck), BM_CLICK, 0, 0);
    REQUIRE(waitFor([&] { return !IsWindowEnabled(findControl(batch, batch::batchCreatedDateBox)); }));
    const std::string modified = storedText(findControl(batch, batch::batchModifiedDateBox));
    const std::string accessed = storedText(findControl(batch, batch::batchAccessedDateBox));
    PostMessageW(findControl(batch, batch::batchModifyButton), BM_CLICK, 0, 0);
    CHECK(answerMessageBox(program, IDYES) == "确认执行批量修改吗?");
    CHECK(answerMessageBox(program, IDOK) == "批量处理完毕!");

    CHECK(column(list, batch::statusColumn) == std::vector<std::string>(4, "成功"));
    for (const std::string& path : paths) {
        CAPTURE(path);
        const testing::FileTimes times = testing::timesOf(path);
        CHECK(testing::utcText(times.modified) == modified);
        CHECK(testing::utcText(times.accessed) == accessed);
        const DWORD flags = testing::attributesOf(path);
        CHECK((flags & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0);
        // Wine stores no read-only flag on folders.
        if (!(flags & FILE_ATTRIBUTE_DIRECTORY)) CHECK((flags & FILE_ATTRIBUTE_READONLY) != 0);
    }
    // Wine stores no creation time of its own (it reports the last-write time), so only Windows
    // can show that the switched-off creation time was kept.
    if (!testing::runningUnderWine())
        CHECK(testing::utcText(testing::timesOf(folder + "\\a.txt").created) == testing::utcText(createdBefore.created));

    PostMessageW(batch, WM_CLOSE, 0, 0);
    CHECK(waitFor([main] { return IsWindowVisible(main) != FALSE; }));
    PostMessageW(main, WM_CLOSE, 0, 0);
    CHECK(program.waitForExit() == 0);
}
