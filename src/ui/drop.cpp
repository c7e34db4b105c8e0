#include "ui/drop.h"

#include "platform/text.h"

namespace ui {

void registerDropTarget(HWND window) {
    DragAcceptFiles(window, TRUE);
    // Results ignored: without them the window simply receives no drops from lower integrity.
    ChangeWindowMessageFilterEx(window, WM_DROPFILES, MSGFLT_ALLOW, nullptr);
    ChangeWindowMessageFilterEx(window, WM_COPYDATA, MSGFLT_ALLOW, nullptr);
    ChangeWindowMessageFilterEx(window, 0x0049, MSGFLT_ALLOW, nullptr);  // WM_COPYGLOBALDATA
}

std::string dropText(HDROP drop) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::string text;
    for (UINT index = 0; index < count; ++index) {
        std::wstring name(DragQueryFileW(drop, index, nullptr, 0), L'\0');
        DragQueryFileW(drop, index, name.data(), static_cast<UINT>(name.size() + 1));
        text += platform::narrow(name);
        if (count > 1) text += "\r\n";
    }
    return text;
}

}  // namespace ui
