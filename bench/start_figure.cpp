// start: from process start until the first window is shown and the program waits for input.
#include "start_figure.h"

#include "figures.h"
#include "platform/text.h"

#include <windows.h>

namespace bench {
namespace {

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findVisibleWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

// Starts the program, waits until its window is visible and it is idle, then closes it.
double timeStart(const std::string& program) {
    std::wstring commandLine = L"\"" + platform::widen(program) + L"\"";
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    const double begin = nowMilliseconds();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 0;
    WindowSearch search{process.dwProcessId, nullptr};
    while (!search.found && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        WaitForInputIdle(process.hProcess, 1);
        EnumWindows(findVisibleWindow, reinterpret_cast<LPARAM>(&search));
    }
    WaitForInputIdle(process.hProcess, 30000);
    const double elapsed = nowMilliseconds() - begin;
    if (search.found) PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

}  // namespace

void measureStart(const std::string& tempolisExe, const std::string& minimalExe) {
    timeStart(tempolisExe);  // warm the file cache and Wine's loader for both
    timeStart(minimalExe);
    const Comparison result = compare(9, [&] { return timeStart(tempolisExe); }, [&] { return timeStart(minimalExe); });
    printFigure("start", result, "ratio <= 1.5");
}

}  // namespace bench
