// The batch run: the chosen times and flags applied to every row, one row after another.
#include "batch/batch_run.h"

#include "batch/batch_controls.h"
#include "batch/batch_list.h"
#include "core/apply_times.h"
#include "ui/controls.h"
#include "ui/list_view.h"
#include "ui/message_box.h"

#include <string>

namespace batch {
namespace {

struct RunValues {
    core::DateTime created;
    core::DateTime modified;
    core::DateTime accessed;
    core::AttributeMask attributes;
};

struct RunResult {
    int succeeded = 0;
    int failed = 0;
    std::string failedPaths;  // one per line, in row order
};

struct FlagCheck {
    int check;
    core::AttributeMask flag;
};

constexpr FlagCheck kFlagChecks[] = {
    {batchReadOnlyCheck, core::ReadOnlyFlag},
    {batchArchiveCheck, core::ArchiveFlag},
    {batchHiddenCheck, core::HiddenFlag},
    {batchSystemCheck, core::SystemFlag},
};

constexpr int kDateBoxes[] = {batchCreatedDateBox, batchModifiedDateBox, batchAccessedDateBox};

// A switched-off date box leaves its time as it is.
core::DateTime chosenTime(const BatchWindow& batch, int dateBox) {
    HWND box = batch.control(dateBox);
    return ui::isEnabled(box) ? core::systemTimeToDateTime(ui::getDateBoxTime(box)) : core::EmptyDateTime;
}

// Exactly the ticked flags, or KeepAttributes when none is ticked.
core::AttributeMask chosenAttributes(const BatchWindow& batch) {
    core::AttributeMask attributes = 0;
    for (const FlagCheck& flag : kFlagChecks)
        if (ui::isChecked(batch.control(flag.check))) attributes |= flag.flag;
    return attributes != 0 ? attributes : core::KeepAttributes;
}

RunValues chosenValues(const BatchWindow& batch) {
    return {chosenTime(batch, batchCreatedDateBox), chosenTime(batch, batchModifiedDateBox),
            chosenTime(batch, batchAccessedDateBox), chosenAttributes(batch)};
}

// A switched-on date box counts even when its value equals the paths' times.
bool anythingChosen(const BatchWindow& batch) {
    for (int dateBox : kDateBoxes)
        if (ui::isEnabled(batch.control(dateBox))) return true;
    return chosenAttributes(batch) != core::KeepAttributes;
}

// The rows that existed when the run was confirmed, drive rows skipped.
RunResult processRows(BatchWindow& batch, int rows, const RunValues& values) {
    BusyScope busy(batch);
    HWND list = batch.control(fileList);
    RunResult result;
    for (int row = 0; row < rows; ++row) {
        letEventsThrough(batch);
        if (ui::cellText(list, row, typeColumn) == kDriveWord) continue;
        const std::string path = ui::cellText(list, row, pathColumn);
        ui::setStatusText(batch.control(statusBar), "正在处理 => " + path);
        const bool ok =
            core::applyTimesAndAttributes(path, values.created, values.modified, values.accessed, values.attributes);
        ui::setCellText(list, row, statusColumn, ok ? "成功" : "失败");
        if (ok) {
            ++result.succeeded;
        } else {
            if (result.failed++ > 0) result.failedPaths += "\r\n";
            result.failedPaths += path;
        }
    }
    return result;
}

void runConfirmedBatch(BatchWindow& batch) {
    HWND owner = batch.window.hwnd();
    const int rows = ui::rowCount(batch.control(fileList));
    if (rows == 0) {
        ui::showMessage(owner, "请先添加文件!", "提示", MB_ICONINFORMATION | MB_OK);
        return;
    }
    if (!anythingChosen(batch)) {
        ui::showMessage(owner, "请指定需设置的文件属性!", "提示", MB_ICONINFORMATION | MB_OK);
        return;
    }
    if (ui::showMessage(owner, "确认执行批量修改吗?", "询问", MB_ICONQUESTION | MB_YESNO | MB_DEFBUTTON2) != IDYES) return;

    const RunResult result = processRows(batch, rows, chosenValues(batch));
    ui::setStatusText(batch.control(statusBar), "已成功处理 " + std::to_string(result.succeeded) +
                                                    " 个文件(夹) ; 处理失败 " + std::to_string(result.failed) + " 个!");
    // Counted, not tested by text: a failed empty path still lists a line.
    if (result.failed > 0) ui::showMessage(owner, result.failedPaths, "处理失败的文件", MB_ICONWARNING | MB_OK);
    ui::showMessage(owner, "批量处理完毕!", "提示", MB_ICONINFORMATION | MB_OK);
}

}  // namespace

void runBatch(BatchWindow& batch) {
    // Drops let through during the run are added after its last box.
    holdingNewPaths(batch, [&] { runConfirmedBatch(batch); });
}

}  // namespace batch
