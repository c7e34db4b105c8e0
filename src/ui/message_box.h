#pragma once
// Every message box of the program goes through showMessage, so that a test can record each
// box and give a scripted answer instead of a person.
#include <windows.h>

#include <functional>
#include <string>

namespace ui {

struct MessageBoxCall {
    HWND owner;
    std::string text;
    std::string title;
    UINT style;  // as passed, MB_TASKMODAL included
};

// Shows a system message box owned by `owner` (MB_TASKMODAL is added) and answers the button.
int showMessage(HWND owner, const std::string& text, const std::string& title, UINT style);

using MessageResponder = std::function<int(const MessageBoxCall&)>;

// Answers every message box with the responder while it lives, then restores the previous one.
class ScopedMessageResponder {
public:
    explicit ScopedMessageResponder(MessageResponder responder);
    ~ScopedMessageResponder();
    ScopedMessageResponder(const ScopedMessageResponder&) = delete;
    ScopedMessageResponder& operator=(const ScopedMessageResponder&) = delete;

private:
    MessageResponder previous_;
};

}  // namespace ui
