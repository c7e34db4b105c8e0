#pragma once
// The program's two windows and the switch between them. MainWindow lives for the whole run;
// BatchWindow is built anew each time it is opened, while MainWindow is hidden.
#include "batch/batch_window.h"
#include "ui/window.h"

namespace app {

// Builds MainWindow from its layout, wires its handlers and shows it centred. A MainWindow that
// already exists (in tests) is destroyed first, with any BatchWindow.
ui::Window& createMainWindow();

ui::Window* mainWindow();              // nullptr once destroyed
batch::BatchWindow* batchWindow();     // nullptr while no BatchWindow is open

void prepareMainWindow(ui::Window& window);
void openBatchWindow();
void returnToMainWindow();

// Destroys both windows (tests; the program ends by closing MainWindow).
void destroyWindows();

}  // namespace app
