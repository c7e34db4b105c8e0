// The one main of every test program: doctest's runner, with the command line emptied so that
// the runner's own arguments never reach the program's routing.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest.h>

#include "platform/command_line.h"

#include <windows.h>

int main(int argc, char** argv) {
    platform::replaceCommandLine(std::string());
    // A crash must fail the test, not open Wine's crash dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    doctest::Context context(argc, argv);
    return context.run();
}
