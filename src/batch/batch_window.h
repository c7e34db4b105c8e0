#pragma once
// BatchWindow: the batch editor's window and the state it owns while it is open.
#include "ui/layout.h"
#include "ui/list_view.h"
#include "ui/path_text.h"
#include "ui/window.h"

#include <deque>
#include <functional>
#include <memory>

namespace batch {

struct BatchWindow {
    explicit BatchWindow(const ui::WindowLayout& layout) : window(layout) {}
    // The window's destroy handler uses the members below, so it must run while they live.
    ~BatchWindow() {
        if (window.exists()) DestroyWindow(window.hwnd());
    }
    BatchWindow(const BatchWindow&) = delete;
    BatchWindow& operator=(const BatchWindow&) = delete;

    ui::Window window;
    ui::SmallIconList fileIconList;  // fileList's small icons, one per row ever added
    std::function<void()> returnToMainWindow;
    // True from the start to the end of a long operation (adding rows, the run, its closing
    // boxes). Paths that arrive meanwhile wait here and are added after it, in order.
    bool working = false;
    std::deque<ui::PathList> heldPaths;

    HWND control(int id) const { return window.control(id); }
};

// Builds BatchWindow from its layout with its handlers, modeless and without an owner, and
// shows it. `returnToMainWindow` runs last when the window is destroyed.
std::unique_ptr<BatchWindow> openBatchWindow(const ui::WindowLayout& layout, std::function<void()> returnToMainWindow);

// BatchWindow is busy exactly while batchGroup is disabled: while rows are added or a run goes
// on. Every control inside batchGroup then takes no input.
bool isBusy(const BatchWindow& batch);

// Disables batchGroup for its own lifetime.
class BusyScope {
public:
    explicit BusyScope(BatchWindow& batch);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BatchWindow& batch_;
};

// Before each item of a long loop: lets waiting input through and keeps the window painted.
void letEventsThrough(BatchWindow& batch);

// The count text, or the drop hint when the list is empty.
void showRowCount(BatchWindow& batch);
inline constexpr char kDropHint[] = "支持直接拖放多个文件或文件夹...";

}  // namespace batch
