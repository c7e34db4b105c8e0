#pragma once
// Operations on single controls, by handle. Texts are UTF-8.
#include "ui/layout.h"

#include <windows.h>

#include <span>
#include <string>
#include <string_view>

namespace ui {

std::string getText(HWND control);
void setText(HWND control, std::string_view text);

bool isChecked(HWND checkBox);
void setChecked(HWND checkBox, bool checked);

bool isEnabled(HWND control);
// Disabling a control that holds the keyboard focus (or contains it) moves the focus to its
// top-level window, so that no key reaches a disabled control.
void setEnabled(HWND control, bool enabled);
// Enabled itself and inside no disabled group box.
bool isEffectivelyEnabled(HWND control);

// Date boxes hold local calendar times to the second. Setting answers false, and leaves the
// box as it was, when the box refuses the time (it accepts nothing before its earliest date).
SYSTEMTIME getDateBoxTime(HWND dateBox);
bool setDateBoxTime(HWND dateBox, const SYSTEMTIME& time);
void setDateBoxFormat(HWND dateBox, const wchar_t* format);
inline constexpr wchar_t kDateBoxFormat[] = L"yyyy-MM-dd HH:mm:ss";
SYSTEMTIME currentLocalTime();  // whole seconds

// Selects an edit box's whole text, scrolls the caret into view and gives it the focus.
void selectAllAndFocus(HWND edit);

void setStatusText(HWND statusBar, std::string_view text);
std::string statusText(HWND statusBar);

void setupReportList(HWND list, std::span<const ListColumn> columns);

}  // namespace ui
