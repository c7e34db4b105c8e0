#pragma once
// The file-open dialog and the folder browser, each through one function that a test can
// answer instead of a person.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace ui {

struct FileDialogRequest {
    HWND owner;
    std::string title;
    DWORD flags;  // OFN_* as shown
};

struct FolderBrowserRequest {
    HWND owner;
    std::string title;
    UINT flags;  // BIF_* as shown
};

// The full path of the chosen existing file, or nothing when the user cancels.
std::optional<std::string> chooseFileToOpen(HWND owner, const std::string& title);

// The file-system path of the chosen file or folder; empty when cancelled or when the item
// has no file-system path.
std::string browseForPath(HWND owner, const std::string& title, UINT flags);

using FileDialogResponder = std::function<std::optional<std::string>(const FileDialogRequest&)>;
using FolderBrowserResponder = std::function<std::string(const FolderBrowserRequest&)>;

class ScopedFileDialogResponder {
public:
    explicit ScopedFileDialogResponder(FileDialogResponder responder);
    ~ScopedFileDialogResponder();
    ScopedFileDialogResponder(const ScopedFileDialogResponder&) = delete;
    ScopedFileDialogResponder& operator=(const ScopedFileDialogResponder&) = delete;

private:
    FileDialogResponder previous_;
};

class ScopedFolderBrowserResponder {
public:
    explicit ScopedFolderBrowserResponder(FolderBrowserResponder responder);
    ~ScopedFolderBrowserResponder();
    ScopedFolderBrowserResponder(const ScopedFolderBrowserResponder&) = delete;
    ScopedFolderBrowserResponder& operator=(const ScopedFolderBrowserResponder&) = delete;

private:
    FolderBrowserResponder previous_;
};

}  // namespace ui
