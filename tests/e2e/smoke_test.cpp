#include "support/gui.h"
#include "support/program.h"

#include <doctest.h>

TEST_CASE("the program starts with MainWindow and ends when it is closed") {
    testing::RunningProgram program;
    REQUIRE(program.started());
    HWND mainWindow = program.waitForWindow(L"TempolisMainWindow");
    REQUIRE(mainWindow != nullptr);
    wchar_t caption[64] = {};
    GetWindowTextW(mainWindow, caption, 64);
    CHECK(std::wstring(caption) == L"Tempolis v1.0");
    CHECK(testing::clientHeight(mainWindow) == 258);
    PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    CHECK(program.waitForExit() == 0);
}
