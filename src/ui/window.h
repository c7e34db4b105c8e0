#pragma once
// A top-level window built from a WindowLayout. Its window procedure only dispatches: each
// message goes to a named handler, which raises one of the events below.
#include "ui/layout.h"

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class Window {
public:
    explicit Window(const WindowLayout& layout);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Events; set them before create().
    std::function<void()> onCreated;              // controls exist, window not yet shown
    std::function<void()> onFirstActivated;       // once, after the first activation
    std::function<bool()> canClose;               // false refuses a close request
    std::function<void()> onDestroy;              // the window is about to be destroyed
    std::function<void(int id)> onClicked;        // a button
    std::function<void(int id)> onLabelPressed;   // left button pressed over a label
    std::function<void(int id)> onRightClicked;   // a report list
    std::function<void(int id)> onChanged;        // a date box, changed by the user
    std::function<void(int id)> onMenuItem;       // an item of the popup menu
    std::function<void(const std::string& dropText)> onGotFile;  // files dropped on the window

    // Builds the window and its controls, raises onCreated, centres the window on the screen
    // and shows it. A window without owner gets its own taskbar button.
    void create();

    HWND hwnd() const { return hwnd_; }
    bool exists() const { return hwnd_ != nullptr; }
    HWND control(int id) const;
    HMENU popupMenu() const { return menu_; }

    void setTextColor(int id, COLORREF color);
    void setBackground(int id, COLORREF color);
    COLORREF textColor(int id) const;
    COLORREF background(int id) const;

    // Opens the popup menu at a screen point; the chosen item arrives as onMenuItem after the
    // menu has closed.
    void showPopupMenu(POINT screenPoint);

    // The window procedure's entries: attach at WM_NCCREATE, then every message. Public for
    // the subclassed group boxes, which pass their children's notifications on.
    void attach(HWND hwnd) { hwnd_ = hwnd; }
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void buildControls();
    HWND createControl(const ControlRow& row);
    void onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onNotify(const NMHDR& header);
    LRESULT onControlColor(HDC dc, HWND control);
    void onActivate(WPARAM wParam);
    void onClose();
    void onDropFiles(HDROP drop);
    void onNcDestroy();
    HBRUSH brushFor(COLORREF color);

    const WindowLayout& layout_;
    HWND hwnd_ = nullptr;
    HMENU menu_ = nullptr;
    bool activatedOnce_ = false;
    std::map<int, HWND> controls_;
    std::map<HWND, int> ids_;
    std::map<int, COLORREF> textColors_;
    std::map<int, COLORREF> backgrounds_;
    std::map<COLORREF, HBRUSH> brushes_;
    std::vector<HICON> icons_;       // icons the controls show, released with the window
    std::vector<HBITMAP> bitmaps_;   // pictures the controls show, released with the window
};

// The window that owns a control (its top-level Window), or nullptr.
Window* windowOf(HWND anyWindow);

// Makes the client area exactly `height` pixels high; the width stays.
void fixClientHeight(HWND window, int height);

}  // namespace ui
