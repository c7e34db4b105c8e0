#include "ui/window.h"

#include "platform/text.h"
#include "ui/controls.h"
#include "ui/drop.h"
#include "ui/picture.h"
#include "ui/pump.h"

#include <commctrl.h>
#include <shellapi.h>

namespace ui {
namespace {

constexpr wchar_t kWindowProperty[] = L"TempolisWindow";
constexpr UINT kFirstActivatedMessage = WM_APP + 1;

int liveWindows = 0;

HINSTANCE moduleInstance() {
    return GetModuleHandleW(nullptr);
}

LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetPropW(hwnd, kWindowProperty, window);
        window->attach(hwnd);
    }
    if (auto* window = static_cast<Window*>(GetPropW(hwnd, kWindowProperty)))
        return window->handleMessage(message, wParam, lParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void registerClass(const wchar_t* className) {
    static const bool controlsReady = [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls),
                                      ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)controlsReady;
    WNDCLASSEXW existing{sizeof(existing)};
    if (GetClassInfoExW(moduleInstance(), className, &existing)) return;
    WNDCLASSEXW windowClass{sizeof(windowClass)};
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = moduleInstance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    windowClass.hIcon = static_cast<HICON>(LoadImageW(moduleInstance(), L"DEFAULT_ICON", IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(moduleInstance(), L"DEFAULT_ICON", IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    RegisterClassExW(&windowClass);
}

void centreOnScreen(HWND hwnd) {
    RECT frame;
    GetWindowRect(hwnd, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(hwnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Labels raise the press event on every press, the second of a double click included, and
// show the hand pointer when their row asks for it. Group boxes pass their children's
// notifications on to the window, since they are the children's real parent.
LRESULT CALLBACK labelProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR handCursor) {
    switch (message) {
    case WM_SETCURSOR:
        if (handCursor) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (Window* window = windowOf(hwnd); window && window->onLabelPressed) window->onLabelPressed(static_cast<int>(id));
        return 0;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK groupProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_ERASEBKGND: {
        // A group box paints only its frame; as a parent it must fill the area behind its children.
        RECT area;
        GetClientRect(hwnd, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
        return TRUE;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        if (Window* window = windowOf(hwnd)) return window->handleMessage(message, wParam, lParam);
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

std::wstring wide(const char* text) {
    return platform::widen(text ? text : "");
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass classFor(const ControlRow& row) {
    switch (row.kind) {
    case ControlKind::Label: return {L"STATIC", SS_LEFT | SS_NOTIFY, 0};
    case ControlKind::Edit:
        return {L"EDIT", static_cast<DWORD>(ES_LEFT | ES_AUTOHSCROLL | (row.readOnly ? ES_READONLY : 0)), WS_EX_CLIENTEDGE};
    case ControlKind::Button: return {L"BUTTON", BS_PUSHBUTTON, 0};
    case ControlKind::CheckBox:
        return {L"BUTTON",
                static_cast<DWORD>(BS_AUTOCHECKBOX | BS_VCENTER | (row.rightAligned ? BS_RIGHT : BS_LEFT)), 0};
    case ControlKind::GroupBox: return {L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
    case ControlKind::DateBox: return {DATETIMEPICK_CLASSW, DTS_UPDOWN | DTS_LONGDATEFORMAT, 0};
    case ControlKind::Picture: return {L"STATIC", SS_BITMAP, 0};
    case ControlKind::ReportList:
        // The window owns the image list it attaches, so the list must not release it.
        return {WC_LISTVIEWW, LVS_REPORT | LVS_NOSORTHEADER | LVS_SHAREIMAGELISTS, WS_EX_CLIENTEDGE};
    case ControlKind::StatusBar: return {STATUSCLASSNAMEW, 0, 0};
    }
    return {L"STATIC", 0, 0};
}

}  // namespace

Window::Window(const WindowLayout& layout) : layout_(layout) {}

Window::~Window() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void Window::create() {
    registerClass(layout_.className);
    HWND hwnd = CreateWindowExW(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, layout_.className, wide(layout_.caption).c_str(),
                                WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 50, 50, layout_.width,
                                layout_.height, nullptr, nullptr, moduleInstance(), this);
    if (!hwnd) return;
    centreOnScreen(hwnd);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
}

HWND Window::control(int id) const {
    auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

void Window::setTextColor(int id, COLORREF color) {
    textColors_[id] = color;
    if (HWND hwnd = control(id)) InvalidateRect(hwnd, nullptr, TRUE);
}

void Window::setBackground(int id, COLORREF color) {
    backgrounds_[id] = color;
    if (HWND hwnd = control(id)) InvalidateRect(hwnd, nullptr, TRUE);
}

COLORREF Window::textColor(int id) const {
    auto found = textColors_.find(id);
    return found == textColors_.end() ? kBlack : found->second;
}

COLORREF Window::background(int id) const {
    auto found = backgrounds_.find(id);
    return found == backgrounds_.end() || found->second == kButtonFace ? GetSysColor(COLOR_BTNFACE) : found->second;
}

void Window::showPopupMenu(POINT screenPoint) {
    if (!menu_) return;
    // The menu sends its command after it has closed, as WM_COMMAND to this window.
    TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, hwnd_, nullptr);
}

void Window::buildControls() {
    for (const ControlRow& row : layout_.controls) {
        HWND hwnd = createControl(row);
        controls_[row.id] = hwnd;
        ids_[hwnd] = row.id;
        textColors_[row.id] = row.textColor;
        backgrounds_[row.id] = row.background;
    }
    if (!layout_.popupMenu.empty()) {
        menu_ = CreatePopupMenu();
        for (const MenuItemRow& item : layout_.popupMenu) {
            if (item.id == 0)
                AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
            else
                AppendMenuW(menu_, MF_STRING, static_cast<UINT_PTR>(item.id), wide(item.caption).c_str());
        }
    }
}

HWND Window::createControl(const ControlRow& row) {
    const ControlClass controlClass = classFor(row);
    DWORD style = WS_CHILD | WS_VISIBLE | controlClass.style;
    if (row.tabOrder >= 0) style |= WS_TABSTOP;
    if (!row.enabled) style |= WS_DISABLED;
    HWND parent = row.parent ? control(row.parent) : hwnd_;
    HWND hwnd = CreateWindowExW(controlClass.exStyle, controlClass.name, wide(row.caption).c_str(), style, row.left,
                                row.top, row.width, row.height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), moduleInstance(), nullptr);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    switch (row.kind) {
    case ControlKind::Label:
        SetWindowSubclass(hwnd, labelProcedure, static_cast<UINT_PTR>(row.id), row.handCursor);
        break;
    case ControlKind::GroupBox:
        SetWindowSubclass(hwnd, groupProcedure, static_cast<UINT_PTR>(row.id), 0);
        break;
    case ControlKind::DateBox:
        setDateBoxTime(hwnd, currentLocalTime());
        break;
    case ControlKind::Picture:
        if (HBITMAP picture = loadGifResource(row.resource)) {
            bitmaps_.push_back(picture);
            SendMessageW(hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
        }
        break;
    case ControlKind::ReportList:
        setupReportList(hwnd, row.columns);
        break;
    case ControlKind::StatusBar: {
        int rightEdges[] = {-1};
        SendMessageW(hwnd, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(rightEdges));
        if (row.resource) {
            HICON icon = static_cast<HICON>(LoadImageW(moduleInstance(), wide(row.resource).c_str(), IMAGE_ICON, 16, 16, 0));
            if (icon) {
                icons_.push_back(icon);
                SendMessageW(hwnd, SB_SETICON, 0, reinterpret_cast<LPARAM>(icon));
            }
        }
        setStatusText(hwnd, row.caption);
        break;
    }
    default:
        break;
    }
    return hwnd;
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        ++liveWindows;
        buildControls();
        if (onCreated) onCreated();
        return 0;
    case WM_ACTIVATE:
        onActivate(wParam);
        break;
    case kFirstActivatedMessage:
        if (onFirstActivated) onFirstActivated();
        return 0;
    case WM_NCACTIVATE:
        // The title bar keeps its active look while the window itself is enabled.
        if (!wParam && IsWindowEnabled(hwnd_)) return DefWindowProcW(hwnd_, WM_NCACTIVATE, TRUE, lParam);
        break;
    case WM_COMMAND:
        onCommand(wParam, lParam);
        return 0;
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        return onControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DROPFILES:
        onDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_CLOSE:
        onClose();
        return 0;
    case WM_DESTROY:
        if (onDestroy) onDestroy();
        return 0;
    case WM_NCDESTROY:
        onNcDestroy();
        return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Window::onActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE || activatedOnce_) return;
    activatedOnce_ = true;
    // Raised once the activation itself has finished, so its handler may open other windows.
    PostMessageW(hwnd_, kFirstActivatedMessage, 0, 0);
}

void Window::onCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    // Enter and Escape arrive as IDOK and IDCANCEL: neither window reacts to them.
    if (id == IDOK || id == IDCANCEL) return;
    if (lParam == 0) {
        if (HIWORD(wParam) == 0 && onMenuItem) onMenuItem(id);
        return;
    }
    HWND source = reinterpret_cast<HWND>(lParam);
    // A button inside a disabled group takes no input, not even through its mnemonic.
    if (HIWORD(wParam) == BN_CLICKED && ids_.count(source) && isEffectivelyEnabled(source) && onClicked) onClicked(id);
}

LRESULT Window::onNotify(const NMHDR& header) {
    if (!ids_.count(header.hwndFrom)) return 0;
    const int id = static_cast<int>(header.idFrom);
    if (header.code == NM_RCLICK && onRightClicked) onRightClicked(id);
    if (header.code == DTN_DATETIMECHANGE && onChanged) onChanged(id);
    return 0;
}

LRESULT Window::onControlColor(HDC dc, HWND controlWindow) {
    auto found = ids_.find(controlWindow);
    if (found == ids_.end()) return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                   reinterpret_cast<LPARAM>(controlWindow));
    const COLORREF back = background(found->second);
    SetTextColor(dc, textColor(found->second));
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(brushFor(back));
}

HBRUSH Window::brushFor(COLORREF color) {
    HBRUSH& brush = brushes_[color];
    if (!brush) brush = CreateSolidBrush(color);
    return brush;
}

void Window::onDropFiles(HDROP drop) {
    const std::string text = dropText(drop);
    DragFinish(drop);
    if (onGotFile) onGotFile(text);
}

void Window::onClose() {
    if (canClose && !canClose()) return;
    DestroyWindow(hwnd_);
}

void Window::onNcDestroy() {
    RemovePropW(hwnd_, kWindowProperty);
    for (auto& [color, brush] : brushes_) DeleteObject(brush);
    brushes_.clear();
    for (HICON icon : icons_) DestroyIcon(icon);
    icons_.clear();
    for (HBITMAP bitmap : bitmaps_) DeleteObject(bitmap);
    bitmaps_.clear();
    if (menu_) DestroyMenu(menu_);
    menu_ = nullptr;
    controls_.clear();
    ids_.clear();
    hwnd_ = nullptr;
    if (--liveWindows == 0) lastWindowDestroyed();
}

Window* windowOf(HWND anyWindow) {
    HWND root = GetAncestor(anyWindow, GA_ROOT);
    return root ? static_cast<Window*>(GetPropW(root, kWindowProperty)) : nullptr;
}

void fixClientHeight(HWND window, int height) {
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    const int outerHeight = outer.bottom - outer.top;
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outerHeight + height - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
