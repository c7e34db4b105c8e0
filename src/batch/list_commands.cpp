// fileList's context menu: remove rows, clear the list, locate a row's file, its properties.
// The list commands change only the list and the status bar, never a file.
#include "batch/list_commands.h"

#include "batch/batch_controls.h"
#include "batch/com_scope.h"
#include "platform/handles.h"
#include "platform/long_path.h"
#include "platform/services.h"
#include "ui/controls.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/message_box.h"

#include <shlobj.h>

#include <optional>

namespace batch {
namespace {

constexpr UINT kQuestionNoDefault = MB_ICONQUESTION | MB_YESNO | MB_DEFBUTTON2;
constexpr UINT kWarning = MB_ICONWARNING | MB_OK;
// listMenu opens this far right of and below the pointer.
constexpr int kMenuOffset = 3;

bool confirmed(BatchWindow& batch, const char* question) {
    return ui::showMessage(batch.window.hwnd(), question, "询问", kQuestionNoDefault) == IDYES;
}

// Releases a COM object when the operation ends.
class ReleaseAtEnd {
public:
    explicit ReleaseAtEnd(IUnknown* object) : object_(object) {}
    ~ReleaseAtEnd() { object_->Release(); }
    ReleaseAtEnd(const ReleaseAtEnd&) = delete;
    ReleaseAtEnd& operator=(const ReleaseAtEnd&) = delete;

private:
    IUnknown* object_;
};

// An item identifier list from the shell, freed with the shell's allocator.
class IdList {
public:
    IdList() = default;
    ~IdList() {
        if (list_) platform::services().freeIdList(list_);
    }
    IdList(const IdList&) = delete;
    IdList& operator=(const IdList&) = delete;

    PIDLIST_ABSOLUTE* out() { return &list_; }
    PCIDLIST_ABSOLUTE get() const { return list_; }

private:
    PIDLIST_ABSOLUTE list_ = nullptr;
};

// The path of the selected row; the menu offers the shell commands only for exactly one.
std::optional<std::string> selectedPath(BatchWindow& batch) {
    HWND list = batch.control(fileList);
    const int row = ui::firstSelectedRow(list);
    if (row < 0) return std::nullopt;
    return ui::cellText(list, row, pathColumn);
}

void warn(BatchWindow& batch, const char* text) {
    ui::showMessage(batch.window.hwnd(), text, "警告", kWarning);
}

}  // namespace

void showListMenu(BatchWindow& batch) {
    if (isBusy(batch)) return;
    HWND list = batch.control(fileList);
    HMENU menu = batch.window.popupMenu();
    const int selected = ui::selectedRowCount(list);
    ui::setMenuItemEnabled(menu, removeSelectedItem, selected > 0);
    ui::setMenuItemEnabled(menu, clearAllItem, ui::rowCount(list) > 0);
    ui::setMenuItemEnabled(menu, locateFileItem, selected == 1);
    ui::setMenuItemEnabled(menu, propertiesItem, selected == 1);
    POINT pointer{};
    GetCursorPos(&pointer);
    batch.window.showPopupMenu({pointer.x + kMenuOffset, pointer.y + kMenuOffset});
}

void runListCommand(BatchWindow& batch, int item) {
    switch (item) {
    case removeSelectedItem: removeSelectedRows(batch); break;
    case clearAllItem: clearAllRows(batch); break;
    case locateFileItem:
        if (const auto path = selectedPath(batch); path && !locateFile(*path)) warn(batch, "定位文件失败!");
        break;
    case propertiesItem:
        if (const auto path = selectedPath(batch); path && !showProperties(batch.window.hwnd(), *path))
            warn(batch, "查看文件属性失败!");
        break;
    }
}

void removeSelectedRows(BatchWindow& batch) {
    if (!confirmed(batch, "确认移除所选项目?")) return;
    HWND list = batch.control(fileList);
    // From the last row down, so the rows still to be visited keep their indices.
    for (int row = ui::rowCount(list) - 1; row >= 0; --row)
        if (ui::isRowSelected(list, row)) ui::deleteRow(list, row);
    showRowCount(batch);
}

void clearAllRows(BatchWindow& batch) {
    if (!confirmed(batch, "确认清空所有项目?")) return;
    ui::deleteAllRows(batch.control(fileList));
    showRowCount(batch);
}

bool locateFile(const std::string& path) {
    ComScope com;
    IShellLinkW* link = nullptr;
    if (FAILED(platform::services().coCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                                     reinterpret_cast<void**>(&link))) ||
        !link)
        return false;
    ReleaseAtEnd linkOwner(link);
    // The link turns the path into the item identifier list the folder window needs; a path
    // it cannot resolve gives no list, which the folder window then refuses.
    link->SetPath(platform::windowsPath(path).c_str());
    IdList item;
    link->GetIDList(item.out());
    return platform::services().openFolderAndSelectItems(item.get(), 0, nullptr, 0) == S_OK;
}

bool showProperties(HWND owner, const std::string& path) {
    const std::wstring file = platform::windowsPath(path);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"properties";
    info.lpFile = file.c_str();
    info.lpParameters = L"";
    info.lpDirectory = L"";
    info.nShow = SW_HIDE;
    // The call's own answer is not what tells: hInstApp is.
    platform::services().shellExecuteEx(&info);
    // A process handle the call may hand back is not waited for; it is closed at once.
    platform::FileHandle process(info.hProcess);
    return reinterpret_cast<INT_PTR>(info.hInstApp) > 32;
}

}  // namespace batch
