#pragma once
// Rows of a report list and its small-icon image list, by handle. Texts are UTF-8.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

namespace ui {

int rowCount(HWND list);
// Inserts a row after the last one with its first column's text, image and indent; answers
// the new row's index (-1 when the list refused it).
int appendRow(HWND list, std::string_view text, int image, int indent);
void setCellText(HWND list, int row, int column, std::string_view text);
std::string cellText(HWND list, int row, int column);
int rowImage(HWND list, int row);
int rowIndent(HWND list, int row);

int selectedRowCount(HWND list);
bool isRowSelected(HWND list, int row);
int firstSelectedRow(HWND list);  // -1 when none is selected
void deleteRow(HWND list, int row);
void deleteAllRows(HWND list);

// An image list of 16 x 16 icons in 24-bit colour without a mask, drawn on `background`,
// growing by `growBy` images at a time. Released exactly once, by its owner.
class SmallIconList {
public:
    SmallIconList() = default;
    SmallIconList(COLORREF background, int growBy);
    ~SmallIconList() { reset(); }
    SmallIconList(SmallIconList&& other) noexcept;
    SmallIconList& operator=(SmallIconList&& other) noexcept;

    HIMAGELIST get() const { return list_; }
    // Appends a copy of the icon; answers its index, or -1 when the icon is missing.
    int add(HICON icon);
    void reset();

private:
    HIMAGELIST list_ = nullptr;
};

// The report list draws its rows' icons from `icons` (nullptr detaches it). The list never
// releases it: report lists are created with shared image lists.
void setSmallIcons(HWND list, HIMAGELIST icons);
COLORREF listBackground(HWND list);

// An icon handed over by the shell, destroyed with its owner.
class OwnedIcon {
public:
    explicit OwnedIcon(HICON icon) : icon_(icon) {}
    ~OwnedIcon() {
        if (icon_) DestroyIcon(icon_);
    }
    OwnedIcon(const OwnedIcon&) = delete;
    OwnedIcon& operator=(const OwnedIcon&) = delete;

    HICON get() const { return icon_; }

private:
    HICON icon_;
};

}  // namespace ui
