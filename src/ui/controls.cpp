#include "ui/controls.h"

#include "platform/text.h"

#include <commctrl.h>

namespace ui {

std::string getText(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)), L'\0');
    GetWindowTextW(control, text.data(), static_cast<int>(text.size() + 1));
    return platform::narrow(text.c_str());
}

void setText(HWND control, std::string_view text) {
    SetWindowTextW(control, platform::widen(text).c_str());
}

bool isChecked(HWND checkBox) {
    return SendMessageW(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void setChecked(HWND checkBox, bool checked) {
    SendMessageW(checkBox, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool isEnabled(HWND control) {
    return IsWindowEnabled(control) != FALSE;
}

void setEnabled(HWND control, bool enabled) {
    if (!enabled) {
        HWND focus = GetFocus();
        if (focus && (focus == control || IsChild(control, focus))) SetFocus(GetAncestor(control, GA_ROOT));
    }
    EnableWindow(control, enabled);
}

bool isEffectivelyEnabled(HWND control) {
    for (HWND hwnd = control; hwnd; hwnd = GetParent(hwnd)) {
        if (!IsWindowEnabled(hwnd)) return false;
        if (!(GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD)) break;
    }
    return true;
}

SYSTEMTIME getDateBoxTime(HWND dateBox) {
    SYSTEMTIME time{};
    SendMessageW(dateBox, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    time.wMilliseconds = 0;
    return time;
}

bool setDateBoxTime(HWND dateBox, const SYSTEMTIME& time) {
    SYSTEMTIME copy = time;
    if (!SendMessageW(dateBox, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&copy))) return false;
    // A valid date before the box's earliest one is answered with success but not taken, so
    // only the value read back tells.
    const SYSTEMTIME shown = getDateBoxTime(dateBox);
    return shown.wYear == time.wYear && shown.wMonth == time.wMonth && shown.wDay == time.wDay &&
           shown.wHour == time.wHour && shown.wMinute == time.wMinute && shown.wSecond == time.wSecond;
}

void setDateBoxFormat(HWND dateBox, const wchar_t* format) {
    // The control keeps its own copy of the format.
    SendMessageW(dateBox, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format));
}

SYSTEMTIME currentLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    now.wMilliseconds = 0;
    return now;
}

void selectAllAndFocus(HWND edit) {
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    SetFocus(edit);
}

void setStatusText(HWND statusBar, std::string_view text) {
    SendMessageW(statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(platform::widen(text).c_str()));
}

std::string statusText(HWND statusBar) {
    const LRESULT length = LOWORD(SendMessageW(statusBar, SB_GETTEXTLENGTHW, 0, 0));
    std::wstring text(static_cast<size_t>(length), L'\0');
    SendMessageW(statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
    return platform::narrow(text.c_str());
}

void setupReportList(HWND list, std::span<const ListColumn> columns) {
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_INFOTIP | LVS_EX_SUBITEMIMAGES);
    ListView_SetBkColor(list, kWhite);
    ListView_SetTextBkColor(list, kWhite);
    ListView_SetTextColor(list, kBlack);
    int index = 0;
    for (const ListColumn& column : columns) {
        std::wstring header = platform::widen(column.header);
        LVCOLUMNW entry{};
        entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        entry.fmt = LVCFMT_LEFT;
        entry.cx = column.width;
        entry.pszText = header.data();
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&entry));
    }
}

}  // namespace ui
