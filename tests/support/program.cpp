#include "support/program.h"

#include "platform/text.h"

#include <utility>

#ifndef TEMPOLIS_EXE
#error "TEMPOLIS_EXE must name the built program"
#endif

namespace testing {
namespace {

struct Search {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    if (owner == search->processId && IsWindowVisible(window) && std::wstring(name) == search->className) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string programPath() {
    return dosPath(TEMPOLIS_EXE);
}

std::string dosPath(const std::string& built) {
    if (built.empty() || built[0] != '/') return built;
    // Built on Linux: ask Wine for the DOS name of the Unix path.
    using DosName = wchar_t*(CDECL*)(const char*);
    auto dosName = reinterpret_cast<DosName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_dos_file_name")));
    if (!dosName) return built;
    wchar_t* name = dosName(built.c_str());
    std::string path = platform::narrow(name);
    HeapFree(GetProcessHeap(), 0, name);
    return path;
}

RunningProgram::RunningProgram(const std::string& arguments) {
    std::wstring commandLine = L"\"" + platform::widen(programPath()) + L"\"";
    if (!arguments.empty()) commandLine += L" " + platform::widen(arguments);
    STARTUPINFOW startup{sizeof(startup)};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
        process_ = {};
}

RunningProgram::~RunningProgram() {
    if (!started()) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND RunningProgram::waitForWindow(const wchar_t* className, DWORD milliseconds) const {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    do {
        Search search{process_.dwProcessId, className, nullptr};
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(50);
    } while (GetTickCount64() < end);
    return nullptr;
}

int RunningProgram::waitForExit(DWORD milliseconds) {
    if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
}

}  // namespace testing
