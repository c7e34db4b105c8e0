#pragma once
// BatchWindow as the program opens it, with every message box and the folder browser answered
// by the test, and fileList read back row by row.
#include "batch/batch_window.h"
#include "support/gui.h"
#include "support/recording_services.h"
#include "support/temp_folder.h"
#include "ui/dialogs.h"
#include "ui/pump.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace testing {

struct Row {
    std::string name;
    std::string size;
    std::string type;
    std::string path;
    std::string status;
    int indent = 0;

    bool operator==(const Row&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Row& row);
std::ostream& operator<<(std::ostream& out, const std::vector<Row>& rows);

// What a row shows for a file or folder added as the program adds it.
Row fileRow(const std::string& path, const std::string& name, int indent, const std::string& type);
Row folderRow(const std::string& path, const std::string& name, int indent);
// The shell's type name of any file with this name, as a file row shows it.
std::string shellTypeName(const std::string& name);
std::string sizeText(unsigned long long size);
// One column of fileList, top to bottom.
std::vector<std::string> columnOf(HWND list, int column);
std::string countText(int rows);
std::string resultText(int succeeded, int failed);
// Whether the recorded calls opened the path or wrote its flags.
bool touched(const RecordingServices& shell, const std::string& path);

// A BatchWindow of its own, built from the program's layout with the program's handlers. No
// MainWindow: returning to it is only counted.
class BatchFixture {
public:
    BatchFixture();
    ~BatchFixture();
    BatchFixture(const BatchFixture&) = delete;
    BatchFixture& operator=(const BatchFixture&) = delete;

    batch::BatchWindow& batch() const;
    HWND window() const;
    HWND control(int id) const;

    std::vector<Row> rows() const;
    std::vector<std::string> marks() const;  // the status column
    std::vector<std::string> paths() const;  // the path column
    int rowCount() const;
    int image(int row) const;
    std::string status() const;

    // As the shell delivers a drop: WM_DROPFILES, handled before this returns.
    void drop(const std::vector<std::string>& paths) const;
    // BM_CLICK on a button, handled before this returns.
    void click(int id) const;
    void pressLabel(int label) const;
    void select(const std::vector<int>& rows) const;
    // fileList's report of a right click, as the list sends it.
    void rightClick() const;

    int returnsToMainWindow = 0;
    MessageBoxScript boxes;
    std::vector<ui::FolderBrowserRequest> browserRequests;
    std::string browserAnswer;  // what the folder browser answers; empty: cancelled

private:
    ui::ScopedFolderBrowserResponder browser_;
    std::unique_ptr<batch::BatchWindow> batch_;
};

// Watches listMenu on its owner: records each opening (the items' enabled states and where the
// menu appeared) and closes the menu at once, so that a test never waits in the menu's loop.
class MenuWatcher {
public:
    struct Opening {
        bool removeSelected;
        bool clearAll;
        bool locateFile;
        bool properties;
        POINT topLeft;
    };

    explicit MenuWatcher(HWND owner);
    ~MenuWatcher();
    MenuWatcher(const MenuWatcher&) = delete;
    MenuWatcher& operator=(const MenuWatcher&) = delete;

    std::vector<Opening> openings;

private:
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    HWND owner_;
};

// Runs `task` when the event pump next dispatches posted messages: only when a long loop lets
// pending events through, or when the test pumps.
void postTask(std::function<void()> task);
// Forgets the tasks not yet run, whose captures may be gone when a test ends early.
void discardTasks();

// Makes the pump's input check answer true on its calls number `first` to `last` (from 1),
// false otherwise; counts the calls.
class InputPendingOn {
public:
    InputPendingOn(int first, int last);
    int calls = 0;

private:
    ui::ScopedInputCheck scope_;
};

// A file with the given contents under `folder`; answers its path.
std::string makeFile(const TempFolder& folder, const std::string& name, const std::string& contents = "x");

}  // namespace testing
