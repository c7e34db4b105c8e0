#pragma once
// MainWindow's behaviour around one path: show it, choose it, write it back.
#include "ui/window.h"

#include <string>

namespace single {

// Puts `path` into pathEdit and shows what can be read of it; the first call enables the
// editing controls.
void showSingleFile(ui::Window& mainWindow, const std::string& path);
void browseForFile(ui::Window& mainWindow);
void modifySingleFile(ui::Window& mainWindow);

// The user changed a date box: its time is written from now on, whatever it showed before.
void noteDateBoxChanged(ui::Window& mainWindow, int dateBoxId);

// True when a directory search with `path` as the pattern finds an entry: an existing file or
// folder, or a wildcard pattern that matches; not an empty path, one ending in a separator, or
// a bare drive root.
bool pathExists(const std::string& path);

}  // namespace single
