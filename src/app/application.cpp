#include "app/application.h"

#include "app/layouts.h"
#include "app/routing.h"
#include "single/main_controls.h"
#include "single/single_file.h"
#include "ui/controls.h"
#include "ui/drop.h"

#include <memory>

namespace app {
namespace {

constexpr int kMainClientHeight = 258;

std::unique_ptr<ui::Window> theMainWindow;
std::unique_ptr<batch::BatchWindow> theBatchWindow;

void onMainClicked(int id) {
    switch (id) {
    case single::batchButton: openBatchWindow(); break;
    case single::browseButton: single::browseForFile(*theMainWindow); break;
    case single::modifyButton: single::modifySingleFile(*theMainWindow); break;
    }
}

}  // namespace

ui::Window& createMainWindow() {
    destroyWindows();
    theMainWindow = std::make_unique<ui::Window>(mainWindowLayout);
    ui::Window& window = *theMainWindow;
    window.onCreated = [&window] { prepareMainWindow(window); };
    window.onClicked = onMainClicked;
    window.onChanged = [&window](int id) { single::noteDateBoxChanged(window, id); };
    window.onFirstActivated = [] { takeCommandLinePaths(); };
    window.onGotFile = [](const std::string& dropText) { acceptMainDrop(dropText); };
    window.create();
    return window;
}

ui::Window* mainWindow() {
    return theMainWindow && theMainWindow->exists() ? theMainWindow.get() : nullptr;
}

batch::BatchWindow* batchWindow() {
    return theBatchWindow && theBatchWindow->window.exists() ? theBatchWindow.get() : nullptr;
}

void prepareMainWindow(ui::Window& window) {
    for (int id : {single::createdDateBox, single::modifiedDateBox, single::accessedDateBox})
        ui::setDateBoxFormat(window.control(id), ui::kDateBoxFormat);
    ui::fixClientHeight(window.hwnd(), kMainClientHeight);
    ui::registerDropTarget(window.hwnd());
}

void openBatchWindow() {
    if (ui::Window* main = mainWindow()) ShowWindow(main->hwnd(), SW_HIDE);
    // A closed BatchWindow's object is only let go here, never inside its own handlers.
    theBatchWindow = batch::openBatchWindow(batchWindowLayout, returnToMainWindow);
}

void returnToMainWindow() {
    if (ui::Window* main = mainWindow()) {
        ShowWindow(main->hwnd(), SW_SHOW);
        SetForegroundWindow(main->hwnd());
    }
}

void destroyWindows() {
    if (batch::BatchWindow* batch = batchWindow()) DestroyWindow(batch->window.hwnd());
    theBatchWindow.reset();
    if (ui::Window* main = mainWindow()) DestroyWindow(main->hwnd());
    theMainWindow.reset();
}

}  // namespace app
