#include "app/routing.h"

#include "app/application.h"
#include "batch/batch_list.h"
#include "core/attributes.h"
#include "platform/command_line.h"
#include "single/single_file.h"
#include "ui/pump.h"

namespace app {

void takeCommandLinePaths() {
    const ui::PathList paths = splitCommandLine(platform::commandLine());
    if (!paths.empty()) routeIncomingPaths(paths);
}

void acceptMainDrop(const std::string& dropText) {
    const ui::PathList paths = ui::splitPathText(dropText);
    if (!paths.empty()) routeIncomingPaths(paths);
}

void routeIncomingPaths(const ui::PathList& paths) {
    if (paths.size() == 1) {
        // A path whose attributes cannot be read goes to the editor too, which shows what it can.
        const core::AttributeMask attributes = core::readAttributes(paths.front());
        if (attributes == -1 || !(attributes & core::DirectoryFlag)) {
            if (ui::Window* main = mainWindow()) single::showSingleFile(*main, paths.front());
            return;
        }
    }
    if (!batchWindow()) {
        openBatchWindow();
        // BatchWindow is created, shown and painted before its rows arrive.
        ui::processPendingEvents();
    }
    if (batch::BatchWindow* batch = batchWindow()) batch::addPathsToBatch(*batch, paths);
}

}  // namespace app
