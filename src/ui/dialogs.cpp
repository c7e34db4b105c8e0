#include "ui/dialogs.h"

#include "platform/text.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

namespace ui {
namespace {

FileDialogResponder fileDialogResponder;
FolderBrowserResponder folderBrowserResponder;

constexpr DWORD kOpenFlags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
// The longest path Windows knows, so that any chosen name fits without reopening the dialog.
constexpr size_t kLongestPath = 32768;

std::optional<std::string> showOpenDialog(const FileDialogRequest& request) {
    const std::wstring title = platform::widen(request.title);
    // One filter entry that lists every file; the file-name box starts empty.
    const std::wstring filter = platform::widen("所有文件(*.*)") + std::wstring(L"\0*.*\0", 6);
    std::vector<wchar_t> name(kLongestPath, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = request.owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = request.flags;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    return platform::narrow(name.data());
}

std::string pathOfItem(PCIDLIST_ABSOLUTE item) {
    for (size_t capacity = MAX_PATH;; capacity *= 2) {
        std::vector<wchar_t> path(capacity, L'\0');
        if (SHGetPathFromIDListEx(item, path.data(), static_cast<DWORD>(capacity), GPFIDL_DEFAULT))
            return platform::narrow(path.data());
        if (capacity >= kLongestPath) return {};
    }
}

std::string showFolderBrowser(const FolderBrowserRequest& request) {
    const std::wstring title = platform::widen(request.title);
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW browse{};
    browse.hwndOwner = request.owner;
    browse.pszDisplayName = displayName;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = request.flags;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&browse);
    if (!item) return {};
    std::string path = pathOfItem(item);
    CoTaskMemFree(item);  // the shell allocator's Free
    return path;
}

}  // namespace

std::optional<std::string> chooseFileToOpen(HWND owner, const std::string& title) {
    const FileDialogRequest request{owner, title, kOpenFlags};
    return fileDialogResponder ? fileDialogResponder(request) : showOpenDialog(request);
}

std::string browseForPath(HWND owner, const std::string& title, UINT flags) {
    const FolderBrowserRequest request{owner, title, flags};
    return folderBrowserResponder ? folderBrowserResponder(request) : showFolderBrowser(request);
}

ScopedFileDialogResponder::ScopedFileDialogResponder(FileDialogResponder responder)
    : previous_(std::move(fileDialogResponder)) {
    fileDialogResponder = std::move(responder);
}

ScopedFileDialogResponder::~ScopedFileDialogResponder() {
    fileDialogResponder = std::move(previous_);
}

ScopedFolderBrowserResponder::ScopedFolderBrowserResponder(FolderBrowserResponder responder)
    : previous_(std::move(folderBrowserResponder)) {
    folderBrowserResponder = std::move(responder);
}

ScopedFolderBrowserResponder::~ScopedFolderBrowserResponder() {
    folderBrowserResponder = std::move(previous_);
}

}  // namespace ui
