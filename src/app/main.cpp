// Start-up: OLE for the UI thread (the dialogs and the shell need it), the program's folder as
// the current directory, MainWindow, and the message loop until MainWindow is closed.
#include "app/application.h"
#include "platform/process.h"
#include "ui/pump.h"

#include <ole2.h>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const HRESULT ole = OleInitialize(nullptr);
    platform::setCurrentDirectoryToProgramFolder();
    app::createMainWindow();
    const int exitCode = ui::runMessageLoop();
    if (SUCCEEDED(ole)) OleUninitialize();
    return exitCode;
}
