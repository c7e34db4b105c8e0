#include "ui/list_view.h"

#include "platform/text.h"

#include <utility>
#include <vector>

namespace ui {
namespace {

LVITEMW readItem(HWND list, int row, UINT mask) {
    LVITEMW item{};
    item.mask = mask;
    item.iItem = row;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item;
}

}  // namespace

int rowCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

int appendRow(HWND list, std::string_view text, int image, int indent) {
    std::wstring wide = platform::widen(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_INDENT;
    item.iItem = rowCount(list);
    item.pszText = wide.data();
    item.iImage = image;
    item.iIndent = indent;
    return static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void setCellText(HWND list, int row, int column, std::string_view text) {
    std::wstring wide = platform::widen(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string cellText(HWND list, int row, int column) {
    // The list answers how much it copied; a text that filled the buffer may be longer.
    for (size_t capacity = 256;; capacity *= 2) {
        std::vector<wchar_t> buffer(capacity, L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(capacity);
        const auto copied = static_cast<size_t>(
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < capacity) return platform::narrow(std::wstring_view(buffer.data(), copied));
    }
}

int rowImage(HWND list, int row) {
    return readItem(list, row, LVIF_IMAGE).iImage;
}

int rowIndent(HWND list, int row) {
    return readItem(list, row, LVIF_INDENT).iIndent;
}

int selectedRowCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0));
}

bool isRowSelected(HWND list, int row) {
    return (SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

int firstSelectedRow(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void deleteRow(HWND list, int row) {
    SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

void deleteAllRows(HWND list) {
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
}

SmallIconList::SmallIconList(COLORREF background, int growBy)
    : list_(ImageList_Create(16, 16, ILC_COLOR24, 0, growBy)) {
    if (list_) ImageList_SetBkColor(list_, background);
}

SmallIconList::SmallIconList(SmallIconList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}

SmallIconList& SmallIconList::operator=(SmallIconList&& other) noexcept {
    if (this != &other) {
        reset();
        list_ = std::exchange(other.list_, nullptr);
    }
    return *this;
}

int SmallIconList::add(HICON icon) {
    return icon && list_ ? ImageList_AddIcon(list_, icon) : -1;
}

void SmallIconList::reset() {
    if (list_) ImageList_Destroy(list_);
    list_ = nullptr;
}

void setSmallIcons(HWND list, HIMAGELIST icons) {
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons));
}

COLORREF listBackground(HWND list) {
    return static_cast<COLORREF>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0));
}

}  // namespace ui
