#pragma once
// Another process's windows seen from outside, for end-to-end tests: controls found by their
// ids, texts and states read with messages that Windows carries across processes.
#include "platform/text.h"
#include "support/program.h"

#include <doctest.h>

#include <windows.h>

#include <functional>
#include <string>

namespace testing {

// Polls `condition` until it holds; false when it did not within `milliseconds`.
inline bool waitFor(const std::function<bool()>& condition, DWORD milliseconds = 20000) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() > end) return false;
        Sleep(50);
    }
    return true;
}

// The control with `id` among all descendants of `window`, or nullptr.
inline HWND findControl(HWND window, int id) {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            if (GetDlgCtrlID(child) != s->id) return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The control's text. WM_GETTEXT is carried across processes; GetWindowText would not ask
// the control.
inline std::string textOf(HWND window) {
    wchar_t text[1024] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &length);
    return platform::narrow(text);
}

inline bool isTicked(HWND checkBox) {
    DWORD_PTR state = 0;
    SendMessageTimeoutW(checkBox, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
    return state == BST_CHECKED;
}

// Waits for the program's message box, answers it with `button` and answers its text.
inline std::string answerMessageBox(const RunningProgram& program, int button) {
    HWND box = program.waitForWindow(L"#32770");
    REQUIRE(box != nullptr);
    const std::string text = textOf(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    CHECK(waitFor([box] { return !IsWindow(box); }));
    return text;
}

}  // namespace testing
