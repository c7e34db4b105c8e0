#pragma once
// Helpers for in-process GUI tests: pumping, message boxes answered by script, drops built by
// the test, and geometry as the layouts give it.
#include "ui/message_box.h"

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

namespace testing {

// Processes everything pending, a few rounds, so posted follow-ups run too.
void pump();

// Records every message box and answers them in order from `answers`, then with `otherwise`.
class MessageBoxScript {
public:
    explicit MessageBoxScript(std::deque<int> answers = {}, int otherwise = IDOK);

    std::vector<ui::MessageBoxCall> shown;
    std::deque<int> answers;
    int otherwise;

private:
    ui::ScopedMessageResponder scope_;
};

// A DROPFILES block holding the paths, as the shell hands it with WM_DROPFILES. The receiver
// frees it (DragFinish).
HGLOBAL makeDropFiles(const std::vector<std::string>& paths);

// The control's rectangle in its parent's client coordinates.
RECT rectInParent(HWND control);
std::wstring className(HWND window);
int clientHeight(HWND window);

}  // namespace testing
