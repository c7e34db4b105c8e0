#pragma once
// MainWindow's behaviour around one path: show it, choose it, write it back.
#include "ui/window.h"

#include <string>

namespace single {

void showSingleFile(ui::Window& mainWindow, const std::string& path);
void browseForFile(ui::Window& mainWindow);
void modifySingleFile(ui::Window& mainWindow);

}  // namespace single
