// MainWindow and BatchWindow as built from their layouts, and the switch between them.
#include "app/application.h"
#include "batch/batch_controls.h"
#include "single/main_controls.h"
#include "support/gui.h"
#include "ui/controls.h"
#include "ui/pump.h"

#include <commctrl.h>
#include <doctest.h>

#include <vector>

namespace {

struct ExpectedControl {
    int id;
    const wchar_t* windowClass;
    int parent;  // 0: the window itself
    RECT rect;   // left, top, right, bottom in the parent's client area
    const char* caption;
    bool enabled;
};

const ExpectedControl mainControls[] = {
    {single::bannerPicture, L"Static", 0, {4, 3, 468, 60}, "", true},
    {single::pathGroup, L"Button", 0, {5, 60, 468, 105}, "", true},
    {single::pathLabel, L"Static", single::pathGroup, {11, 16, 67, 32}, "文件路径:", true},
    {single::pathEdit, L"Edit", single::pathGroup, {69, 14, 369, 36}, "", true},
    {single::browseButton, L"Button", single::pathGroup, {378, 13, 454, 36}, "浏览(&V)...", true},
    {single::attributesGroup, L"Button", 0, {5, 110, 468, 220}, "文件属性", true},
    {single::sizeLabel, L"Static", single::attributesGroup, {11, 22, 67, 38}, "文件大小:", true},
    {single::sizeEdit, L"Edit", single::attributesGroup, {71, 20, 216, 42}, "", false},
    {single::createdLabel, L"Static", single::attributesGroup, {246, 22, 302, 38}, "创建时间:", true},
    {single::createdDateBox, L"SysDateTimePick32", single::attributesGroup, {307, 20, 452, 42}, nullptr, false},
    {single::modifiedLabel, L"Static", single::attributesGroup, {11, 53, 67, 69}, "修改时间:", true},
    {single::modifiedDateBox, L"SysDateTimePick32", single::attributesGroup, {71, 51, 216, 73}, nullptr, false},
    {single::accessedLabel, L"Static", single::attributesGroup, {246, 53, 302, 69}, "访问时间:", true},
    {single::accessedDateBox, L"SysDateTimePick32", single::attributesGroup, {307, 51, 452, 73}, nullptr, false},
    {single::attributesLabel, L"Static", single::attributesGroup, {11, 84, 67, 100}, "文件属性:", true},
    {single::readOnlyCheck, L"Button", single::attributesGroup, {71, 85, 117, 101}, "只读", false},
    {single::archiveCheck, L"Button", single::attributesGroup, {172, 85, 218, 101}, "存档", false},
    {single::hiddenCheck, L"Button", single::attributesGroup, {278, 85, 324, 101}, "隐藏", false},
    {single::systemCheck, L"Button", single::attributesGroup, {381, 85, 427, 101}, "系统", false},
    {single::batchButton, L"Button", 0, {259, 226, 365, 251}, "批量修改(&B)...", true},
    {single::modifyButton, L"Button", 0, {386, 226, 464, 251}, "修改(&M)...", false},
    {single::decorCheck, L"Button", 0, {-67, 232, 137, 248}, "", false},
};

const ExpectedControl batchControls[] = {
    {batch::batchGroup, L"Button", 0, {5, 5, 570, 88}, "文件属性", true},
    {batch::batchCreatedLabel, L"Static", batch::batchGroup, {11, 22, 67, 38}, "创建时间:", true},
    {batch::batchCreatedDateBox, L"SysDateTimePick32", batch::batchGroup, {71, 20, 216, 42}, nullptr, true},
    {batch::batchModifiedLabel, L"Static", batch::batchGroup, {246, 22, 302, 38}, "修改时间:", true},
    {batch::batchModifiedDateBox, L"SysDateTimePick32", batch::batchGroup, {307, 20, 452, 42}, nullptr, true},
    {batch::batchAccessedLabel, L"Static", batch::batchGroup, {11, 53, 67, 69}, "访问时间:", true},
    {batch::batchAccessedDateBox, L"SysDateTimePick32", batch::batchGroup, {71, 51, 216, 73}, nullptr, true},
    {batch::batchReadOnlyCheck, L"Button", batch::batchGroup, {246, 54, 292, 70}, "只读", true},
    {batch::batchArchiveCheck, L"Button", batch::batchGroup, {301, 54, 347, 70}, "存档", true},
    {batch::batchHiddenCheck, L"Button", batch::batchGroup, {355, 54, 401, 70}, "隐藏", true},
    {batch::batchSystemCheck, L"Button", batch::batchGroup, {410, 54, 456, 70}, "系统", true},
    {batch::browseFolderButton, L"Button", batch::batchGroup, {475, 19, 555, 42}, "浏览(&V)...", true},
    {batch::batchModifyButton, L"Button", batch::batchGroup, {475, 49, 555, 72}, "修改(&M)...", true},
    {batch::fileList, L"SysListView32", 0, {5, 94, 570, 346}, "", true},
};

void checkControls(const ui::Window& window, const ExpectedControl* begin, const ExpectedControl* end) {
    for (const ExpectedControl* expected = begin; expected != end; ++expected) {
        CAPTURE(expected->id);
        HWND control = window.control(expected->id);
        REQUIRE(control != nullptr);
        CHECK(testing::className(control) == expected->windowClass);
        HWND parent = expected->parent ? window.control(expected->parent) : window.hwnd();
        CHECK(GetParent(control) == parent);
        const RECT rect = testing::rectInParent(control);
        CHECK(rect.left == expected->rect.left);
        CHECK(rect.top == expected->rect.top);
        CHECK(rect.right == expected->rect.right);
        CHECK(rect.bottom == expected->rect.bottom);
        if (expected->caption) CHECK(ui::getText(control) == expected->caption);
        CHECK(ui::isEnabled(control) == expected->enabled);
        if (testing::className(control) == L"Button") CHECK_FALSE(ui::isChecked(control));
    }
}

void checkWindowSettings(HWND window, const char* caption, int height) {
    CHECK(ui::getText(window) == caption);
    CHECK(testing::clientHeight(window) == height);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    CHECK((style & WS_CAPTION) == WS_CAPTION);
    CHECK((style & WS_SYSMENU) != 0);
    CHECK((style & WS_MINIMIZEBOX) != 0);
    CHECK((style & WS_MAXIMIZEBOX) == 0);
    CHECK((style & WS_THICKFRAME) == 0);
    CHECK((GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0);
    CHECK(GetWindow(window, GW_OWNER) == nullptr);
    CHECK(GetClassLongPtrW(window, GCLP_HICON) != 0);
    RECT frame;
    GetWindowRect(window, &frame);
    CHECK(abs((frame.left + frame.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2) <= 1);
    CHECK(abs((frame.top + frame.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2) <= 1);
}

// The controls Tab visits from `first`, in order, until it comes back.
std::vector<int> tabCycle(const ui::Window& window, int first) {
    std::vector<int> order;
    HWND start = window.control(first);
    HWND current = start;
    do {
        order.push_back(GetDlgCtrlID(current));
        current = GetNextDlgTabItem(window.hwnd(), current, FALSE);
    } while (current && current != start && order.size() < 30);
    return order;
}

void pressKey(HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 0);
    PostMessageW(target, WM_KEYUP, key, 0xC0000000);
    testing::pump();
}

}  // namespace

TEST_CASE("MainWindow is built as its layout says") {
    ui::Window& main = app::createMainWindow();
    testing::pump();
    checkWindowSettings(main.hwnd(), "Tempolis v1.0", 258);
    checkControls(main, std::begin(mainControls), std::end(mainControls));
    CHECK(main.textColor(single::sizeLabel) == RGB(128, 128, 128));
    CHECK(main.textColor(single::pathLabel) == RGB(0, 0, 0));
    CHECK((GetWindowLongW(main.control(single::pathEdit), GWL_STYLE) & ES_READONLY) != 0);

    SUBCASE("Tab visits only the numbered controls, in order") {
        for (int id : {single::createdDateBox, single::modifiedDateBox, single::accessedDateBox, single::readOnlyCheck,
                       single::archiveCheck, single::hiddenCheck, single::systemCheck})
            EnableWindow(main.control(id), TRUE);
        CHECK(tabCycle(main, single::browseButton) ==
              std::vector<int>{single::browseButton, single::createdDateBox, single::modifiedDateBox,
                               single::accessedDateBox, single::readOnlyCheck, single::archiveCheck,
                               single::hiddenCheck, single::systemCheck});
    }
    SUBCASE("Escape and Enter neither close the window nor move the focus") {
        SetFocus(main.control(single::browseButton));
        pressKey(main.control(single::browseButton), VK_ESCAPE);
        pressKey(main.control(single::browseButton), VK_RETURN);
        REQUIRE(app::mainWindow() != nullptr);
        CHECK(IsWindowVisible(main.hwnd()));
        CHECK(GetFocus() == main.control(single::browseButton));
    }
    app::destroyWindows();
}

TEST_CASE("batchButton switches to a fresh BatchWindow and closing it brings MainWindow back") {
    ui::Window& main = app::createMainWindow();
    ui::setText(main.control(single::pathEdit), "C:\\kept.txt");
    testing::pump();

    SendMessageW(main.control(single::batchButton), BM_CLICK, 0, 0);
    testing::pump();
    batch::BatchWindow* batchWindow = app::batchWindow();
    REQUIRE(batchWindow != nullptr);
    CHECK_FALSE(IsWindowVisible(main.hwnd()));
    checkWindowSettings(batchWindow->window.hwnd(), "批量修改", 371);
    checkControls(batchWindow->window, std::begin(batchControls), std::end(batchControls));
    CHECK(tabCycle(batchWindow->window, batch::batchCreatedDateBox) ==
          std::vector<int>{batch::batchCreatedDateBox, batch::batchModifiedDateBox, batch::batchAccessedDateBox,
                           batch::batchReadOnlyCheck, batch::batchArchiveCheck, batch::batchHiddenCheck,
                           batch::batchSystemCheck, batch::browseFolderButton, batch::batchModifyButton});

    HWND list = batchWindow->control(batch::fileList);
    CHECK(ListView_GetItemCount(list) == 0);
    CHECK(Header_GetItemCount(ListView_GetHeader(list)) == 5);
    const int widths[] = {135, 60, 95, 210, 40};
    for (int column = 0; column < 5; ++column) CHECK(ListView_GetColumnWidth(list, column) == widths[column]);
    const DWORD extended = ListView_GetExtendedListViewStyle(list);
    CHECK(extended == (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_INFOTIP | LVS_EX_SUBITEMIMAGES));
    CHECK((GetWindowLongW(list, GWL_STYLE) & LVS_SINGLESEL) == 0);
    CHECK(ListView_GetBkColor(list) == RGB(255, 255, 255));

    HWND status = batchWindow->control(batch::statusBar);
    CHECK(ui::statusText(status) == "支持直接拖放多个文件或文件夹...");
    CHECK(SendMessageW(status, SB_GETPARTS, 0, 0) == 1);
    CHECK(SendMessageW(status, SB_GETICON, 0, 0) != 0);
    RECT statusRect = testing::rectInParent(status);
    RECT client;
    GetClientRect(batchWindow->window.hwnd(), &client);
    CHECK(statusRect.bottom == client.bottom);
    CHECK(statusRect.right - statusRect.left == client.right);

    HMENU menu = batchWindow->window.popupMenu();
    REQUIRE(menu != nullptr);
    CHECK(GetMenuItemCount(menu) == 5);
    CHECK(GetMenuItemID(menu, 0) == batch::removeSelectedItem);
    CHECK(GetMenuItemID(menu, 4) == batch::propertiesItem);

    SendMessageW(batchWindow->window.hwnd(), WM_CLOSE, 0, 0);
    testing::pump();
    CHECK(app::batchWindow() == nullptr);
    CHECK(IsWindowVisible(main.hwnd()));
    CHECK(ui::getText(main.control(single::pathEdit)) == "C:\\kept.txt");

    SUBCASE("a second opening builds a fresh BatchWindow") {
        SendMessageW(main.control(single::batchButton), BM_CLICK, 0, 0);
        testing::pump();
        REQUIRE(app::batchWindow() != nullptr);
        CHECK(ui::isEnabled(app::batchWindow()->control(batch::batchCreatedDateBox)));
        CHECK(app::batchWindow()->window.textColor(batch::batchCreatedLabel) == RGB(0, 0, 0));
    }
    app::destroyWindows();
}

TEST_CASE("closing MainWindow ends the message loop") {
    app::createMainWindow();
    testing::pump();
    PostMessageW(app::mainWindow()->hwnd(), WM_CLOSE, 0, 0);
    // The loop returns only because the last window was destroyed.
    CHECK(ui::runMessageLoop() == 0);
    CHECK(app::mainWindow() == nullptr);
}
