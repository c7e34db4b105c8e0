// BatchWindow's own handlers: created, the time toggles, can be closed, will be destroyed; and
// the wiring of its other events.
#include "batch/batch_controls.h"
#include "batch/batch_list.h"
#include "batch/batch_run.h"
#include "batch/batch_window.h"
#include "batch/list_commands.h"
#include "ui/controls.h"
#include "ui/drop.h"
#include "ui/list_view.h"
#include "ui/message_box.h"

namespace batch {
namespace {

constexpr int kClientHeight = 371;
// The icon list grows in steps of this many images, so that adding rows costs the same
// whatever their number.
constexpr int kIconListGrowth = 64;

void prepareBatchWindow(BatchWindow& batch) {
    for (int id : {batchCreatedDateBox, batchModifiedDateBox, batchAccessedDateBox})
        ui::setDateBoxFormat(batch.control(id), ui::kDateBoxFormat);
    ui::fixClientHeight(batch.window.hwnd(), kClientHeight);
    ui::registerDropTarget(batch.window.hwnd());
    HWND list = batch.control(fileList);
    batch.fileIconList = ui::SmallIconList(ui::listBackground(list), kIconListGrowth);
    ui::setSmallIcons(list, batch.fileIconList.get());
}

int dateBoxOf(int label) {
    switch (label) {
    case batchCreatedLabel: return batchCreatedDateBox;
    case batchModifiedLabel: return batchModifiedDateBox;
    case batchAccessedLabel: return batchAccessedDateBox;
    }
    return 0;
}

// A switched-off date box leaves its time unchanged in the run; its label turns grey.
void toggleTime(BatchWindow& batch, int label) {
    HWND dateBox = batch.control(dateBoxOf(label));
    if (!dateBox) return;
    ui::setEnabled(dateBox, !ui::isEnabled(dateBox));
    batch.window.setTextColor(label, ui::isEnabled(dateBox) ? ui::kBlack : ui::kGrey);
}

bool allowClose(BatchWindow& batch) {
    if (!isBusy(batch)) return true;
    ui::showMessage(batch.window.hwnd(), "Please Wait...", "Runing", MB_ICONWARNING | MB_OK);
    return false;
}

void releaseBatchWindow(BatchWindow& batch) {
    // Detached first, so the list never draws from a released image list.
    ui::setSmallIcons(batch.control(fileList), nullptr);
    batch.fileIconList.reset();
    if (batch.returnToMainWindow) batch.returnToMainWindow();
}

void onBatchClicked(BatchWindow& batch, int id) {
    switch (id) {
    case browseFolderButton: browseForBatchPath(batch); break;
    case batchModifyButton: runBatch(batch); break;
    }
}

}  // namespace

std::unique_ptr<BatchWindow> openBatchWindow(const ui::WindowLayout& layout, std::function<void()> returnToMainWindow) {
    auto batch = std::make_unique<BatchWindow>(layout);
    BatchWindow& self = *batch;
    self.returnToMainWindow = std::move(returnToMainWindow);
    ui::Window& window = self.window;
    window.onCreated = [&self] { prepareBatchWindow(self); };
    window.onLabelPressed = [&self](int label) { toggleTime(self, label); };
    window.canClose = [&self] { return allowClose(self); };
    window.onDestroy = [&self] { releaseBatchWindow(self); };
    window.onClicked = [&self](int id) { onBatchClicked(self, id); };
    window.onGotFile = [&self](const std::string& dropText) { acceptBatchDrop(self, dropText); };
    window.onRightClicked = [&self](int) { showListMenu(self); };
    window.onMenuItem = [&self](int item) { runListCommand(self, item); };
    window.create();
    return batch;
}

}  // namespace batch
