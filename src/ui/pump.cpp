#include "ui/pump.h"

#include "ui/window.h"

namespace ui {
namespace {

bool loopRunning = false;
std::function<bool()> inputCheck;
std::function<ULONGLONG()> clock;
ULONGLONG lastRepaint = 0;
int repaints = 0;

constexpr ULONGLONG kRepaintInterval = 100;

// Keyboard navigation (Tab among the numbered controls, mnemonics) for the program's windows.
bool isDialogKey(MSG& message) {
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    return root && windowOf(root) && IsDialogMessageW(root, &message);
}

void dispatch(MSG& message) {
    if (isDialogKey(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace

int runMessageLoop() {
    loopRunning = true;
    MSG message;
    int exitCode = 0;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatch(message);
    if (message.message == WM_QUIT) exitCode = static_cast<int>(message.wParam);
    loopRunning = false;
    return exitCode;
}

void processPendingEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave the quit request for the message loop that owns it.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatch(message);
    }
}

void lastWindowDestroyed() {
    if (loopRunning) PostQuitMessage(0);
}

bool isInputPending() {
    return inputCheck ? inputCheck() : GetInputState() != FALSE;
}

ULONGLONG pumpClock() {
    return clock ? clock() : GetTickCount64();
}

void letEventsThrough(HWND window) {
    if (isInputPending()) {
        processPendingEvents();
        return;
    }
    const ULONGLONG now = pumpClock();
    if (now - lastRepaint < kRepaintInterval) return;
    lastRepaint = now;
    ++repaints;
    // Peeking tells Windows the thread is alive; the repaint touches nothing posted.
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

int repaintCount() {
    return repaints;
}

ScopedInputCheck::ScopedInputCheck(std::function<bool()> check) : previous_(std::move(inputCheck)) {
    inputCheck = std::move(check);
}

ScopedInputCheck::~ScopedInputCheck() {
    inputCheck = std::move(previous_);
}

ScopedPumpClock::ScopedPumpClock(std::function<ULONGLONG()> replacement) : previous_(std::move(clock)) {
    clock = std::move(replacement);
}

ScopedPumpClock::~ScopedPumpClock() {
    clock = std::move(previous_);
}

}  // namespace ui
