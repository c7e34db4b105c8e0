#pragma once
// Windows as data: one WindowLayout per window, one ControlRow per control. The rows are the
// creation arguments; fields a row does not name keep their defaults.
#include <windows.h>

#include <span>

namespace ui {

enum class ControlKind { Label, Edit, Button, CheckBox, GroupBox, DateBox, Picture, ReportList, StatusBar };

inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kGrey = RGB(128, 128, 128);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
// Stands for the system's button-face colour, which is only known at run time.
inline constexpr COLORREF kButtonFace = CLR_INVALID;

struct ListColumn {
    const char* header;
    int width;
};

struct ControlRow {
    int id;                      // the control's handle name in the program, as a number
    ControlKind kind;
    const char* layoutName;      // the control's name in the window design
    int parent = 0;              // id of the containing group box; 0 is the window itself
    int left = 0, top = 0, width = 0, height = 0;
    const char* caption = "";
    bool enabled = true;
    int tabOrder = -1;           // -1: Tab skips the control
    COLORREF textColor = kBlack; // labels
    COLORREF background = kButtonFace;  // edit boxes
    bool readOnly = false;       // edit boxes
    bool handCursor = false;     // labels that react to a press
    bool rightAligned = false;   // check boxes: caption aligned right
    const char* resource = nullptr;  // picture: the GIF resource; status bar: its icon
    std::span<const ListColumn> columns = {};  // report lists
};

struct MenuItemRow {
    int id;                      // 0 for a separator
    const char* caption;
};

struct WindowLayout {
    const wchar_t* className;
    const char* caption;
    int width = 0, height = 0;   // outer size; the created handler fixes the client height
    std::span<const ControlRow> controls = {};
    std::span<const MenuItemRow> popupMenu = {};
};

}  // namespace ui
