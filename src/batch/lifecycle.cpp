// BatchWindow's own handlers: created, can be closed, will be destroyed.
#include "batch/batch_controls.h"
#include "batch/batch_window.h"
#include "ui/controls.h"
#include "ui/drop.h"

namespace batch {
namespace {

constexpr int kClientHeight = 371;

void prepareBatchWindow(BatchWindow& batch) {
    for (int id : {batchCreatedDateBox, batchModifiedDateBox, batchAccessedDateBox})
        ui::setDateBoxFormat(batch.control(id), ui::kDateBoxFormat);
    ui::fixClientHeight(batch.window.hwnd(), kClientHeight);
    ui::registerDropTarget(batch.window.hwnd());
}

void releaseBatchWindow(BatchWindow& batch) {
    if (batch.returnToMainWindow) batch.returnToMainWindow();
}

}  // namespace

std::unique_ptr<BatchWindow> openBatchWindow(const ui::WindowLayout& layout, std::function<void()> returnToMainWindow) {
    auto batch = std::make_unique<BatchWindow>(layout);
    BatchWindow& self = *batch;
    self.returnToMainWindow = std::move(returnToMainWindow);
    self.window.onCreated = [&self] { prepareBatchWindow(self); };
    self.window.onDestroy = [&self] { releaseBatchWindow(self); };
    self.window.create();
    return batch;
}

}  // namespace batch
