#pragma once
// The event pump: the program's message loop, the call that processes all pending events
// once, and the check long loops make before each item.
#include <windows.h>

#include <functional>

namespace ui {

// Runs until the last window of the program has been destroyed; answers the exit code.
int runMessageLoop();

// Dispatches every message that is waiting, then returns.
void processPendingEvents();

// Called by the toolkit when its last window is gone.
void lastWindowDestroyed();

// True when mouse-button or keyboard input is waiting (GetInputState), unless a test
// replaced the check.
bool isInputPending();

// Milliseconds of a steady clock, unless a test replaced it.
ULONGLONG pumpClock();

// Before each item of a long loop: when input is waiting, all pending events are processed;
// otherwise `window` is repainted when 100 ms or more have passed since its last repaint, so
// the progress shows and Windows never finds the window hung. Nothing posted is dispatched
// unless input is waiting.
void letEventsThrough(HWND window);

// How many repaints letEventsThrough has made, for tests.
int repaintCount();

class ScopedInputCheck {
public:
    explicit ScopedInputCheck(std::function<bool()> check);
    ~ScopedInputCheck();
    ScopedInputCheck(const ScopedInputCheck&) = delete;
    ScopedInputCheck& operator=(const ScopedInputCheck&) = delete;

private:
    std::function<bool()> previous_;
};

class ScopedPumpClock {
public:
    explicit ScopedPumpClock(std::function<ULONGLONG()> clock);
    ~ScopedPumpClock();
    ScopedPumpClock(const ScopedPumpClock&) = delete;
    ScopedPumpClock& operator=(const ScopedPumpClock&) = delete;

private:
    std::function<ULONGLONG()> previous_;
};

}  // namespace ui
