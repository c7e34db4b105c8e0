#include "single/single_file.h"

#include "single/main_controls.h"
#include "ui/controls.h"

namespace single {

void showSingleFile(ui::Window& mainWindow, const std::string& path) {
    ui::setText(mainWindow.control(pathEdit), path);
}

void browseForFile(ui::Window&) {}

void modifySingleFile(ui::Window&) {}

}  // namespace single
