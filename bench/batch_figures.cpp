// apply, populate, responsive and memory: BatchWindow in this process, against bare loops that
// make only the calls the work needs.
#include "batch_figures.h"

#include "app/application.h"
#include "batch/batch_controls.h"
#include "batch/batch_list.h"
#include "batch/batch_run.h"
#include "figures.h"
#include "platform/text.h"
#include "ui/controls.h"
#include "ui/list_view.h"
#include "ui/message_box.h"
#include "ui/pump.h"

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace bench {
namespace {

std::vector<std::wstring> filesIn(const std::string& folder) {
    std::vector<std::wstring> files;
    const std::wstring base = platform::widen(folder) + L"\\";
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((base + L"*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(base + entry.cFileName);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return files;
}

batch::BatchWindow& freshBatchWindow() {
    if (!app::mainWindow()) app::createMainWindow();
    if (batch::BatchWindow* open = app::batchWindow()) DestroyWindow(open->window.hwnd());
    app::openBatchWindow();
    ui::processPendingEvents();
    return *app::batchWindow();
}

// ---- apply ----

double timeBatchRun(batch::BatchWindow& window) {
    // Yes to the question, OK to the closing boxes.
    ui::ScopedMessageResponder answers([](const ui::MessageBoxCall& call) {
        return (call.style & MB_YESNO) ? IDYES : IDOK;
    });
    const double begin = nowMilliseconds();
    batch::runBatch(window);
    return nowMilliseconds() - begin;
}

// The calls one row needs: attributes read, open, times written, close, attributes written.
double timeBareApply(const std::vector<std::wstring>& files, const FILETIME& time) {
    const double begin = nowMilliseconds();
    for (const std::wstring& file : files) {
        if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
        HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) continue;
        SetFileTime(handle, &time, &time, &time);
        CloseHandle(handle);
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_ARCHIVE);
    }
    return nowMilliseconds() - begin;
}

// ---- populate ----

double timePopulate(const std::string& folder) {
    batch::BatchWindow& window = freshBatchWindow();
    const double begin = nowMilliseconds();
    batch::addPathsToBatch(window, {folder});
    return nowMilliseconds() - begin;
}

// The calls one file row needs: attributes, size look-up and its text, shell look-up, the
// icon, the row with its four texts, the status text; and the folder search around them.
double timeBarePopulate(const std::string& folder) {
    batch::BatchWindow& window = freshBatchWindow();
    HWND list = window.control(batch::fileList);
    HWND status = window.control(batch::statusBar);
    HIMAGELIST icons = ImageList_Create(16, 16, ILC_COLOR24, 0, 256);
    const std::wstring base = platform::widen(folder) + L"\\";
    const double begin = nowMilliseconds();
    CoInitialize(nullptr);
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((base + L"*.*").c_str(), &entry);
    int row = 0;
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::wstring path = base + entry.cFileName;
        SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>((L"正在添加 => " + path).c_str()));
        GetFileAttributesW(path.c_str());
        SHFILEINFOW info{};
        SHGetFileInfoW(path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                       SHGFI_ICON | SHGFI_SMALLICON | SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES);
        const int image = ImageList_AddIcon(icons, info.hIcon);
        DestroyIcon(info.hIcon);
        WIN32_FIND_DATAW sizeEntry;
        HANDLE sizeSearch = FindFirstFileW(path.c_str(), &sizeEntry);
        if (sizeSearch != INVALID_HANDLE_VALUE) FindClose(sizeSearch);
        wchar_t sizeText[100];
        StrFormatByteSizeW(static_cast<LONGLONG>(sizeEntry.nFileSizeLow), sizeText, 100);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_INDENT;
        item.iItem = row;
        item.pszText = entry.cFileName;
        item.iImage = image;
        item.iIndent = 1;
        row = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        const wchar_t* texts[] = {sizeText, info.szTypeName, path.c_str(), L" -"};
        for (int column = 1; column <= 4; ++column) {
            LVITEMW cell{};
            cell.iSubItem = column;
            cell.pszText = const_cast<wchar_t*>(texts[column - 1]);
            SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
        }
        ++row;
        GetInputState();
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    CoUninitialize();
    const double elapsed = nowMilliseconds() - begin;
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    ImageList_Destroy(icons);
    return elapsed;
}

}  // namespace

void measureApply(const BenchFolders& folders) {
    const std::vector<std::wstring> files = filesIn(folders.files10k);
    batch::BatchWindow& window = freshBatchWindow();
    // The rows: the 10,000 files themselves, so the run does exactly one row per file.
    ui::PathList paths;
    for (const std::wstring& file : files) paths.push_back(platform::narrow(file));
    batch::addPathsToBatch(window, paths);
    ui::setChecked(window.control(batch::batchArchiveCheck), true);
    SYSTEMTIME local = ui::currentLocalTime();
    FILETIME localTime, time;
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &time);
    const Comparison result = compare(5, [&] { return timeBatchRun(window); }, [&] { return timeBareApply(files, time); });
    printFigure("apply", result, "ratio <= 1.15");
}

void measurePopulate(const BenchFolders& folders) {
    const Comparison result =
        compare(5, [&] { return timePopulate(folders.files10k); }, [&] { return timeBarePopulate(folders.files10k); });
    printFigure("populate", result, "ratio <= 1.3");
    std::vector<double> small, large;
    for (int round = 0; round < 3; ++round) {
        small.push_back(timePopulate(folders.files1k) / 1000.0);
        large.push_back(timePopulate(folders.files50k) / 50000.0);
    }
    std::printf("populate-linear: per row at 1,000 = %.3f ms, at 50,000 = %.3f ms, ratio=%.2f (goal ratio <= 1.2)\n",
                median(small), median(large), median(large) / median(small));
    std::fflush(stdout);
}

namespace {

std::vector<double>* paintTimes = nullptr;

LRESULT CALLBACK recordPaint(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_PAINT && paintTimes) paintTimes->push_back(nowMilliseconds());
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

SIZE_T privateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return counters.PrivateUsage;
}

}  // namespace

void measureResponsiveAndMemory(const BenchFolders& folders) {
    batch::BatchWindow& window = freshBatchWindow();
    HWND status = window.control(batch::statusBar);
    std::vector<double> paints;
    paintTimes = &paints;
    SetWindowSubclass(status, recordPaint, 1, 0);
    std::atomic<bool> running{true};
    std::atomic<bool> everHung{false};
    HWND watched = window.window.hwnd();
    std::thread watcher([&] {
        while (running) {
            if (IsHungAppWindow(watched)) everHung = true;
            Sleep(20);
        }
    });
    const SIZE_T before = privateBytes();
    const double begin = nowMilliseconds();
    batch::addPathsToBatch(window, {folders.files50k});
    const double end = nowMilliseconds();
    const SIZE_T after = privateBytes();
    running = false;
    watcher.join();
    RemoveWindowSubclass(status, recordPaint, 1);
    paintTimes = nullptr;

    double longestGap = 0;
    double previous = begin;
    for (double paint : paints) {
        longestGap = std::max(longestGap, paint - previous);
        previous = paint;
    }
    longestGap = std::max(longestGap, end - previous);
    const int rows = ui::rowCount(window.control(batch::fileList));
    std::printf("responsive: longest gap between status bar repaints %.0f ms over %d rows, hung=%s (goal < 250 ms, never hung)\n",
                longestGap, rows, everHung ? "yes" : "no");
    std::printf("memory: %.0f bytes of private memory per row at %d rows\n",
                static_cast<double>(after - before) / std::max(rows, 1), rows);
    std::fflush(stdout);
}

}  // namespace bench
