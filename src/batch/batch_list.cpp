// Rows for paths: a folder brings itself, its direct subfolders and then its direct files.
#include "batch/batch_list.h"

#include "batch/batch_controls.h"
#include "batch/com_scope.h"
#include "core/attributes.h"
#include "core/file_snapshot.h"
#include "platform/handles.h"
#include "platform/services.h"
#include "platform/text.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/list_view.h"

#include <cwchar>
#include <iterator>

namespace batch {
namespace {

constexpr char kFolderWord[] = "文件夹 ";
constexpr char kBrowseTitle[] = "请选择需要修改时间属性的文件或文件夹...";

struct ShellLookup {
    ui::OwnedIcon icon;
    std::string typeName;
};

// The shell's small icon for a row and, for a file, the type name any file of that name has.
ShellLookup lookUpShellInfo(const std::string& path, bool isFolder) {
    const UINT flags = isFolder ? SHGFI_ICON | SHGFI_SMALLICON
                                : SHGFI_ICON | SHGFI_SMALLICON | SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES;
    SHFILEINFOW info{};
    platform::Services& shell = platform::services();
    if (!shell.getShellFileInfo(path, FILE_ATTRIBUTE_NORMAL, &info, flags)) {
        // A second try on the real item, with the shell's overlays drawn into the icon.
        shell.getShellFileInfo(path, FILE_ATTRIBUTE_NORMAL, &info,
                               SHGFI_ICON | SHGFI_SMALLICON | SHGFI_TYPENAME | SHGFI_ADDOVERLAYS);
    }
    const size_t typeLength = wcsnlen(info.szTypeName, std::size(info.szTypeName));
    return {ui::OwnedIcon(info.hIcon), platform::narrow(std::wstring_view(info.szTypeName, typeLength))};
}

// "磁盘 " for a drive root such as "R:\", else "文件夹 ".
const char* folderWord(const std::string& path) {
    return path.size() == 3 && path.ends_with(":\\") ? kDriveWord : kFolderWord;
}

void addListRow(BatchWindow& batch, const std::string& path, bool isFolder = false, int indent = 0) {
    ui::setStatusText(batch.control(statusBar), "正在添加 => " + path);
    const ShellLookup shell = lookUpShellInfo(path, isFolder);
    HWND list = batch.control(fileList);
    // Every row gets an image of its own, kept until the window closes.
    const int row = ui::appendRow(list, fileNamePart(path), batch.fileIconList.add(shell.icon.get()), indent);
    if (row < 0) return;
    if (!isFolder) ui::setCellText(list, row, sizeColumn, core::shortSizeText(core::fileSizeValue(path)));
    ui::setCellText(list, row, typeColumn, isFolder ? folderWord(path) : shell.typeName);
    ui::setCellText(list, row, pathColumn, path);
    ui::setCellText(list, row, statusColumn, kUnmarked);
}

bool isFolder(const std::string& path) {
    const core::AttributeMask attributes = core::readAttributes(path);
    return attributes != -1 && (attributes & core::DirectoryFlag) != 0;
}

// One pass over a folder's entries: its subfolders, or its files, in the platform's order.
void addFolderEntries(BatchWindow& batch, const std::string& base, bool folders) {
    WIN32_FIND_DATAW entry{};
    platform::FindHandle search(platform::services().findFirstFile(base + "*.*", &entry));
    if (!search.isOpen()) return;
    do {
        letEventsThrough(batch);
        const bool entryIsFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        const std::string name = platform::narrow(entry.cFileName);
        if (entryIsFolder == folders && name != "." && name != "..") addListRow(batch, base + name, folders, 1);
    } while (platform::services().findNextFile(search.get(), &entry));
}

void addFolderRows(BatchWindow& batch, const std::string& folder) {
    addListRow(batch, folder, true, 0);
    const std::string base = folder.ends_with('\\') ? folder : folder + "\\";
    addFolderEntries(batch, base, true);
    addFolderEntries(batch, base, false);
}

void addRows(BatchWindow& batch, const ui::PathList& paths) {
    BusyScope busy(batch);
    {
        // The shell's look-ups run inside.
        ComScope com;
        for (const std::string& path : paths) {
            letEventsThrough(batch);
            if (isFolder(path))
                addFolderRows(batch, path);
            else
                addListRow(batch, path);
        }
    }
    showRowCount(batch);
}

}  // namespace

void addPathsToBatch(BatchWindow& batch, const ui::PathList& paths) {
    if (batch.working) {
        batch.heldPaths.push_back(paths);
        return;
    }
    holdingNewPaths(batch, [&] { addRows(batch, paths); });
}

void holdingNewPaths(BatchWindow& batch, const std::function<void()>& operation) {
    batch.working = true;
    operation();
    // Each held drop gets a turn of its own; drops that arrive during it are held in turn.
    while (!batch.heldPaths.empty()) {
        const ui::PathList paths = std::move(batch.heldPaths.front());
        batch.heldPaths.pop_front();
        addRows(batch, paths);
    }
    batch.working = false;
}

void acceptBatchDrop(BatchWindow& batch, const std::string& dropText) {
    const ui::PathList paths = ui::splitPathText(dropText);
    if (!paths.empty()) addPathsToBatch(batch, paths);
}

void browseForBatchPath(BatchWindow& batch) {
    const std::string path = ui::browseForPath(batch.window.hwnd(), kBrowseTitle, BIF_EDITBOX | BIF_BROWSEINCLUDEFILES);
    if (!path.empty()) addPathsToBatch(batch, {path});
}

std::string_view fileNamePart(std::string_view path) {
    size_t start = 0;
    for (size_t i = 0; i + 1 < path.size(); ++i) {
        const bool separator = path[i] == '\\' || path[i] == '/' || path[i] == ':';
        if (separator && path[i + 1] != '\\' && path[i + 1] != '/') start = i + 1;
    }
    return path.substr(start);
}

}  // namespace batch
