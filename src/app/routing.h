#pragma once
// Paths from outside: the command line (once, at MainWindow's first activation) and drops on
// MainWindow, routed to the single-file editor or to BatchWindow.
#include "ui/path_text.h"

#include <string>
#include <string_view>

namespace app {

// The entries of a command line after the program's name.
ui::PathList splitCommandLine(std::string_view commandLine);

void takeCommandLinePaths();
void acceptMainDrop(const std::string& dropText);
void routeIncomingPaths(const ui::PathList& paths);

}  // namespace app
