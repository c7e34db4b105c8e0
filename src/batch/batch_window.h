#pragma once
// BatchWindow: the batch editor's window and the state it owns while it is open.
#include "ui/layout.h"
#include "ui/path_text.h"
#include "ui/window.h"

#include <commctrl.h>

#include <functional>
#include <memory>

namespace batch {

struct BatchWindow {
    explicit BatchWindow(const ui::WindowLayout& layout) : window(layout) {}

    ui::Window window;
    HIMAGELIST fileIconList = nullptr;  // fileList's small icons, owned here
    std::function<void()> returnToMainWindow;

    HWND control(int id) const { return window.control(id); }
};

// Builds BatchWindow from its layout with its handlers, modeless and without an owner, and
// shows it. `returnToMainWindow` runs last when the window is destroyed.
std::unique_ptr<BatchWindow> openBatchWindow(const ui::WindowLayout& layout, std::function<void()> returnToMainWindow);

}  // namespace batch
