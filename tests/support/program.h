#pragma once
// The real tempolis.exe, started as its own process for end-to-end tests.
#include <windows.h>

#include <string>

namespace testing {

class RunningProgram {
public:
    // Starts the program with `arguments` after its quoted name on the command line.
    explicit RunningProgram(const std::string& arguments = {});
    // Ends the program if it still runs.
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool started() const { return process_.hProcess != nullptr; }
    // The program's visible top-level window of that class, waiting up to `milliseconds`.
    HWND waitForWindow(const wchar_t* className, DWORD milliseconds = 20000) const;
    // Waits for the process to end by itself; answers its exit code, or -1 on time-out.
    int waitForExit(DWORD milliseconds = 20000);

private:
    PROCESS_INFORMATION process_{};
};

// The Windows path of the built tempolis.exe.
std::string programPath();
// The Windows path of a file the build names by its Unix path (under Wine), else as given.
std::string dosPath(const std::string& builtPath);

}  // namespace testing
