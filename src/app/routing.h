#pragma once
// Paths from outside: the command line (once, at MainWindow's first activation) and drops on
// MainWindow, routed to the single-file editor or to BatchWindow.
#include "ui/path_text.h"

#include <string>
#include <string_view>

namespace app {

// The entries of a command line after the program's name. Bytes 1 to 32 separate entries; a
// double quote opens a piece that runs to the next quote or the end, spaces included; there is
// no escape character.
ui::PathList splitCommandLine(std::string_view commandLine);

void takeCommandLinePaths();
void acceptMainDrop(const std::string& dropText);
// One path that is not a folder goes to the single-file editor; anything else to BatchWindow.
void routeIncomingPaths(const ui::PathList& paths);

}  // namespace app
