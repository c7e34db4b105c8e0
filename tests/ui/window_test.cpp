// The toolkit's window, driven with real messages: events, group boxes as parents, colours.
#include "support/gui.h"
#include "ui/controls.h"
#include "ui/window.h"

#include <doctest.h>

#include <string>
#include <vector>

namespace {

enum : int { group = 100, label, button, check, outsideButton };

constexpr ui::ControlRow rows[] = {
    {.id = group, .kind = ui::ControlKind::GroupBox, .layoutName = "group", .left = 10, .top = 10, .width = 300, .height = 100, .caption = "group"},
    {.id = label, .kind = ui::ControlKind::Label, .layoutName = "label", .parent = group, .left = 10, .top = 20, .width = 80, .height = 20, .caption = "label", .textColor = ui::kGrey, .handCursor = true},
    {.id = button, .kind = ui::ControlKind::Button, .layoutName = "button", .parent = group, .left = 100, .top = 20, .width = 80, .height = 24, .caption = "&Go", .tabOrder = 0},
    {.id = check, .kind = ui::ControlKind::CheckBox, .layoutName = "check", .parent = group, .left = 200, .top = 20, .width = 80, .height = 20, .caption = "check", .enabled = false, .tabOrder = 1},
    {.id = outsideButton, .kind = ui::ControlKind::Button, .layoutName = "outside", .left = 10, .top = 120, .width = 80, .height = 24, .caption = "out", .tabOrder = 2},
};

const ui::WindowLayout layout{.className = L"TempolisToolkitTest", .caption = "toolkit", .width = 340, .height = 200, .controls = rows};

struct Events {
    std::vector<int> clicked;
    std::vector<int> labelPresses;
    std::vector<std::string> drops;
    int closeRequests = 0;
};

void wire(ui::Window& window, Events& events, bool allowClose) {
    window.onClicked = [&events](int id) { events.clicked.push_back(id); };
    window.onLabelPressed = [&events](int id) { events.labelPresses.push_back(id); };
    window.onGotFile = [&events](const std::string& text) { events.drops.push_back(text); };
    window.canClose = [&events, allowClose] {
        ++events.closeRequests;
        return allowClose;
    };
}

// A real click through the input queue, so the system's hit test decides who gets it.
void clickAt(HWND control) {
    // Other GUI tests' windows share the screen: ours goes on top first.
    SetWindowPos(GetAncestor(control, GA_ROOT), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RECT rect;
    GetWindowRect(control, &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
    for (int round = 0; round < 50; ++round) {
        Sleep(10);
        testing::pump();
    }
}

}  // namespace

TEST_CASE("drops arrive as the drop text of the got-file event") {
    ui::Window window(layout);
    Events events;
    wire(window, events, true);
    window.create();
    DragAcceptFiles(window.hwnd(), TRUE);

    SendMessageW(window.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(testing::makeDropFiles({"C:\\one.txt"})), 0);
    SendMessageW(window.hwnd(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(testing::makeDropFiles({"C:\\文件\\a.txt", "D:\\😀 b"})), 0);
    CHECK(events.drops == std::vector<std::string>{"C:\\one.txt", "C:\\文件\\a.txt\r\nD:\\😀 b\r\n"});
}

TEST_CASE("labels raise the press event on every press, a double click's second press included") {
    ui::Window window(layout);
    Events events;
    wire(window, events, true);
    window.create();
    HWND labelWindow = window.control(label);
    SendMessageW(labelWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(labelWindow, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageW(labelWindow, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    CHECK(events.labelPresses == std::vector<int>{label, label});
}

TEST_CASE("a disabled group box takes input away from its children and keeps their own states") {
    ui::Window window(layout);
    Events events;
    wire(window, events, true);
    window.create();
    SetForegroundWindow(window.hwnd());
    HWND groupWindow = window.control(group);
    SetFocus(window.control(button));

    ui::setEnabled(groupWindow, false);
    CHECK(ui::isEnabled(window.control(label)));
    CHECK(ui::isEnabled(window.control(button)));
    CHECK_FALSE(ui::isEnabled(window.control(check)));
    CHECK_FALSE(ui::isEffectivelyEnabled(window.control(button)));
    CHECK(GetFocus() != window.control(button));
    CHECK_FALSE(IsChild(groupWindow, GetFocus()));

    SendMessageW(window.control(button), BM_CLICK, 0, 0);
    clickAt(window.control(label));
    CHECK(events.clicked.empty());
    CHECK(events.labelPresses.empty());

    ui::setEnabled(groupWindow, true);
    clickAt(window.control(label));
    SendMessageW(window.control(button), BM_CLICK, 0, 0);
    CHECK(events.labelPresses == std::vector<int>{label});
    CHECK(events.clicked == std::vector<int>{button});
    CHECK_FALSE(ui::isEnabled(window.control(check)));
}

TEST_CASE("labels and read-only edit boxes are drawn in their own colours") {
    ui::Window window(layout);
    window.create();
    HDC dc = GetDC(window.hwnd());
    SendMessageW(window.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(window.control(label)));
    CHECK(GetTextColor(dc) == ui::kGrey);
    CHECK(GetBkColor(dc) == GetSysColor(COLOR_BTNFACE));
    window.setTextColor(label, ui::kBlack);
    window.setBackground(label, ui::kWhite);
    SendMessageW(window.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(window.control(label)));
    CHECK(GetTextColor(dc) == ui::kBlack);
    CHECK(GetBkColor(dc) == ui::kWhite);
    ReleaseDC(window.hwnd(), dc);
}

TEST_CASE("a refused close request leaves the window open; an allowed one destroys it") {
    ui::Window refusing(layout);
    Events events;
    wire(refusing, events, false);
    refusing.create();
    SendMessageW(refusing.hwnd(), WM_CLOSE, 0, 0);
    CHECK(events.closeRequests == 1);
    CHECK(refusing.exists());

    ui::Window allowing(layout);
    Events allowed;
    bool destroyed = false;
    wire(allowing, allowed, true);
    allowing.onDestroy = [&destroyed] { destroyed = true; };
    allowing.create();
    SendMessageW(allowing.hwnd(), WM_CLOSE, 0, 0);
    CHECK(destroyed);
    CHECK_FALSE(allowing.exists());
}
