#include "batch/batch_window.h"

#include "batch/batch_controls.h"
#include "ui/controls.h"
#include "ui/list_view.h"
#include "ui/pump.h"

#include <string>

namespace batch {

bool isBusy(const BatchWindow& batch) {
    return !ui::isEnabled(batch.control(batchGroup));
}

BusyScope::BusyScope(BatchWindow& batch) : batch_(batch) {
    ui::setEnabled(batch_.control(batchGroup), false);
}

BusyScope::~BusyScope() {
    ui::setEnabled(batch_.control(batchGroup), true);
}

void letEventsThrough(BatchWindow& batch) {
    ui::letEventsThrough(batch.window.hwnd());
}

void showRowCount(BatchWindow& batch) {
    const int rows = ui::rowCount(batch.control(fileList));
    ui::setStatusText(batch.control(statusBar),
                      rows > 0 ? "共包含 " + std::to_string(rows) + " 个待处理的文件(夹)!" : std::string(kDropHint));
}

}  // namespace batch
