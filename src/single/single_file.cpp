#include "single/single_file.h"

#include "core/apply_times.h"
#include "core/attributes.h"
#include "core/date_time.h"
#include "core/file_snapshot.h"
#include "platform/handles.h"
#include "platform/services.h"
#include "single/main_controls.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/message_box.h"

namespace single {
namespace {

struct FlagBox {
    int id;
    core::AttributeMask flag;
};

// In the order of the attributes sum.
constexpr FlagBox flagBoxes[] = {
    {readOnlyCheck, core::ReadOnlyFlag},
    {archiveCheck, core::ArchiveFlag},
    {hiddenCheck, core::HiddenFlag},
    {systemCheck, core::SystemFlag},
};

constexpr int editingControls[] = {modifyButton,   sizeEdit,      createdDateBox, modifiedDateBox, accessedDateBox,
                                   readOnlyCheck, archiveCheck, hiddenCheck,    systemCheck};
constexpr int editingLabels[] = {attributesLabel, sizeLabel, accessedLabel, modifiedLabel, createdLabel};

// A date box that could not take the shown file's own time still shows an older one: the
// previous file's, or the window's start time. Writing that back would give the file a time
// it never had, so the box is marked stale until the user sets it. The mark lives in the
// control itself and ends with it.
void markStale(HWND dateBox, bool stale) {
    SetWindowLongPtrW(dateBox, GWLP_USERDATA, stale ? 1 : 0);
}

bool isStale(HWND dateBox) {
    return GetWindowLongPtrW(dateBox, GWLP_USERDATA) != 0;
}

// The box refuses times before its earliest date; an empty time has nothing to show.
void showFileTime(HWND dateBox, core::DateTime time) {
    const bool shown = !core::isEmptyDateTime(time) && ui::setDateBoxTime(dateBox, core::dateTimeToSystemTime(time));
    // Marked after setting, so nothing the setting may notify outlives it.
    markStale(dateBox, !shown);
}

void showTimes(const ui::Window& window, const core::FileSnapshot& snapshot) {
    // Without times every box keeps what it shows.
    const core::DateTime none = core::EmptyDateTime;
    showFileTime(window.control(createdDateBox), snapshot.hasTimes ? snapshot.created : none);
    showFileTime(window.control(modifiedDateBox), snapshot.hasTimes ? snapshot.modified : none);
    showFileTime(window.control(accessedDateBox), snapshot.hasTimes ? snapshot.accessed : none);
}

void showAttributes(const ui::Window& window, core::AttributeMask attributes) {
    for (const FlagBox& box : flagBoxes)
        ui::setChecked(window.control(box.id), attributes != -1 && (attributes & box.flag) != 0);
}

void enableEditing(ui::Window& window) {
    for (int id : editingControls) ui::setEnabled(window.control(id), true);
    window.setBackground(sizeEdit, ui::kWhite);
    for (int id : editingLabels) window.setTextColor(id, ui::kBlack);
}

core::AttributeMask checkedAttributes(const ui::Window& window) {
    core::AttributeMask attributes = 0;
    for (const FlagBox& box : flagBoxes)
        if (ui::isChecked(window.control(box.id))) attributes += box.flag;
    return attributes;
}

// A stale box holds no time of this file: EmptyDateTime lets the file keep its own.
core::DateTime timeToWrite(HWND dateBox) {
    if (isStale(dateBox)) return core::EmptyDateTime;
    return core::systemTimeToDateTime(ui::getDateBoxTime(dateBox));
}

}  // namespace

void showSingleFile(ui::Window& window, const std::string& path) {
    HWND pathBox = window.control(pathEdit);
    ui::setText(pathBox, path);
    const core::FileSnapshot snapshot = core::readFileSnapshot(ui::getText(pathBox));
    ui::setText(window.control(sizeEdit), snapshot.sizeText);
    showTimes(window, snapshot);
    showAttributes(window, snapshot.attributes);
    enableEditing(window);
}

void browseForFile(ui::Window& window) {
    const std::optional<std::string> chosen = ui::chooseFileToOpen(window.hwnd(), "请选择需要修改时间属性的文件...");
    if (chosen) showSingleFile(window, *chosen);
}

void modifySingleFile(ui::Window& window) {
    HWND pathBox = window.control(pathEdit);
    if (!pathExists(ui::getText(pathBox))) {
        ui::showMessage(window.hwnd(), "文件不存在!", "错误", MB_ICONERROR | MB_OK);
        ui::selectAllAndFocus(pathBox);
        return;
    }
    if (ui::showMessage(window.hwnd(), "确认修改文件时间及属性?", "询问", MB_ICONQUESTION | MB_YESNO) != IDYES) return;

    const core::AttributeMask attributes = checkedAttributes(window);
    const bool written = core::applyTimesAndAttributes(
        ui::getText(pathBox), timeToWrite(window.control(createdDateBox)), timeToWrite(window.control(modifiedDateBox)),
        timeToWrite(window.control(accessedDateBox)), attributes);
    // Nothing is read back: the controls keep what the user set.
    if (written)
        ui::showMessage(window.hwnd(), "修改完毕!", "提示", MB_ICONINFORMATION | MB_OK);
    else
        ui::showMessage(window.hwnd(), "修改失败!", "警告", MB_ICONWARNING | MB_OK);
}

void noteDateBoxChanged(ui::Window& window, int dateBoxId) {
    markStale(window.control(dateBoxId), false);
}

bool pathExists(const std::string& path) {
    WIN32_FIND_DATAW entry;
    const platform::FindHandle search(platform::services().findFirstFile(path, &entry));
    return search.isOpen();
}

}  // namespace single
