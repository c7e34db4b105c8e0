// BatchWindow's life: the icon list, the time toggles, the close guard, and what happens to
// input, drops and painting while rows are added or a run goes on.
#include "batch/batch_controls.h"
#include "batch/batch_window.h"
#include "batch_fixture.h"
#include "ui/controls.h"
#include "ui/list_view.h"
#include "ui/pump.h"

#include <commctrl.h>
#include <commoncontrols.h>
#include <doctest.h>

using testing::BatchFixture;

namespace {

struct Toggle {
    int label;
    int dateBox;
};
constexpr Toggle kToggles[] = {
    {batch::batchCreatedLabel, batch::batchCreatedDateBox},
    {batch::batchModifiedLabel, batch::batchModifiedDateBox},
    {batch::batchAccessedLabel, batch::batchAccessedDateBox},
};

// Whether the date box is switched on, and whether its label says so.
void checkToggle(const BatchFixture& ui, const Toggle& toggle, bool on) {
    CHECK(ui::isEnabled(ui.control(toggle.dateBox)) == on);
    CHECK(ui.batch().window.textColor(toggle.label) == (on ? RGB(0, 0, 0) : RGB(128, 128, 128)));
}

bool sameTime(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay && a.wHour == b.wHour &&
           a.wMinute == b.wMinute && a.wSecond == b.wSecond;
}

// The image list's own reference count, reached through its COM face, which both Windows and
// Wine give every image list.
IImageList* imageListObject(HIMAGELIST list) {
    using Query = HRESULT(WINAPI*)(HIMAGELIST, REFIID, void**);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "HIMAGELIST_QueryInterface")));
    // IID_IImageList, which mingw's uuid library lacks.
    const IID imageListId = {0x46eb5926, 0x582e, 0x4017, {0x9f, 0xdf, 0xe8, 0x99, 0x8d, 0xaa, 0x09, 0x50}};
    IImageList* object = nullptr;
    if (query) query(list, imageListId, reinterpret_cast<void**>(&object));
    return object;
}

std::string folderOfFiles(const testing::TempFolder& temp, int files) {
    const std::string folder = temp / "many";
    testing::makeFolder(folder);
    for (int i = 0; i < files; ++i) testing::writeFile(folder + "\\" + std::to_string(i) + ".txt", "x");
    return folder;
}

}  // namespace

TEST_CASE("the icon list is attached at creation and released exactly once when the window goes") {
    BatchFixture ui;
    HWND list = ui.control(batch::fileList);
    HIMAGELIST icons = ui.batch().fileIconList.get();
    REQUIRE(icons != nullptr);
    CHECK(ListView_GetImageList(list, LVSIL_SMALL) == icons);
    CHECK(ImageList_GetBkColor(icons) == ListView_GetBkColor(list));
    int width = 0, height = 0;
    ImageList_GetIconSize(icons, &width, &height);
    CHECK(width == 16);
    CHECK(height == 16);
    CHECK(testing::clientHeight(ui.window()) == 371);

    IImageList* object = imageListObject(icons);
    REQUIRE(object != nullptr);
    object->AddRef();  // two references of the test's own beside the window's one

    SendMessageW(ui.window(), WM_CLOSE, 0, 0);
    testing::pump();

    CHECK_FALSE(IsWindow(ui.window()));
    CHECK(ui.returnsToMainWindow == 1);
    CHECK(ui.boxes.shown.empty());
    // Released once by the window: one of the test's references is left after the next release.
    CHECK(object->Release() == 1);
    object->Release();
}

TEST_CASE("a press on a time's label switches its date box, the second of a double click too") {
    BatchFixture ui;
    for (const Toggle& toggle : kToggles) {
        CAPTURE(toggle.label);
        HWND label = ui.control(toggle.label);
        const SYSTEMTIME before = ui::getDateBoxTime(ui.control(toggle.dateBox));

        ui.pressLabel(toggle.label);
        checkToggle(ui, toggle, false);
        ui.pressLabel(toggle.label);
        checkToggle(ui, toggle, true);

        // A press, then a double click: three presses in all.
        ui.pressLabel(toggle.label);
        SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        SendMessageW(label, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        checkToggle(ui, toggle, false);
        CHECK(sameTime(ui::getDateBoxTime(ui.control(toggle.dateBox)), before));
    }
}

TEST_CASE("a new BatchWindow starts with every time on, whatever the last one had") {
    {
        BatchFixture first;
        for (const Toggle& toggle : kToggles) first.pressLabel(toggle.label);
        ui::setChecked(first.control(batch::batchHiddenCheck), true);
    }
    BatchFixture second;
    for (const Toggle& toggle : kToggles) checkToggle(second, toggle, true);
    CHECK_FALSE(ui::isChecked(second.control(batch::batchHiddenCheck)));
    CHECK(second.status() == "支持直接拖放多个文件或文件夹...");
}

TEST_CASE("while rows are added a close request is refused and a right click opens no menu") {
    testing::TempFolder temp;
    const std::string folder = folderOfFiles(temp, 3);
    BatchFixture ui;
    testing::MenuWatcher menus(ui.window());
    bool busyInside = false;
    PostMessageW(ui.window(), WM_CLOSE, 0, 0);
    testing::postTask([&] { ui.rightClick(); });
    testing::postTask([&] { busyInside = batch::isBusy(ui.batch()); });
    testing::InputPendingOn input(3, 3);

    ui.drop({folder});

    CHECK(busyInside);
    CHECK(menus.openings.empty());
    REQUIRE(ui.boxes.shown.size() == 1);
    CHECK(ui.boxes.shown[0].text == "Please Wait...");
    CHECK(ui.boxes.shown[0].title == "Runing");
    CHECK(ui.boxes.shown[0].style == (MB_ICONWARNING | MB_OK | MB_TASKMODAL));
    CHECK(ui.boxes.shown[0].owner == ui.window());
    CHECK(IsWindow(ui.window()));
    CHECK(ui.rowCount() == 4);
    CHECK_FALSE(batch::isBusy(ui.batch()));

    // Once the work has ended, the window closes.
    SendMessageW(ui.window(), WM_CLOSE, 0, 0);
    testing::pump();
    CHECK_FALSE(IsWindow(ui.window()));
    CHECK(ui.returnsToMainWindow == 1);
}

TEST_CASE("during a run a close request is refused, no menu opens, and a drop waits for the run's last box") {
    testing::TempFolder temp;
    const std::string a = testing::makeFile(temp, "a.txt");
    const std::string b = testing::makeFile(temp, "b.txt");
    const std::string late = testing::makeFile(temp, "late.txt");
    BatchFixture ui;
    ui.drop({a, b});
    ui::setChecked(ui.control(batch::batchHiddenCheck), true);
    testing::MenuWatcher menus(ui.window());
    PostMessageW(ui.window(), WM_CLOSE, 0, 0);
    testing::postTask([&] { ui.rightClick(); });
    PostMessageW(ui.window(), WM_DROPFILES, reinterpret_cast<WPARAM>(testing::makeDropFiles({late})), 0);
    testing::InputPendingOn input(1, 1);
    std::vector<std::pair<std::string, int>> boxesWithRows;
    ui::ScopedMessageResponder answers([&](const ui::MessageBoxCall& box) {
        boxesWithRows.emplace_back(box.text, ui.rowCount());
        return box.text == "确认执行批量修改吗?" ? IDYES : IDOK;
    });

    ui.click(batch::batchModifyButton);

    CHECK(boxesWithRows == std::vector<std::pair<std::string, int>>{
                               {"确认执行批量修改吗?", 2}, {"Please Wait...", 2}, {"批量处理完毕!", 2}});
    CHECK(menus.openings.empty());
    CHECK(IsWindow(ui.window()));
    const std::vector<testing::Row> rows = ui.rows();
    REQUIRE(rows.size() == 3);
    CHECK(rows[0].status == "成功");
    CHECK(rows[1].status == "成功");
    CHECK(rows[2] == testing::fileRow(late, "late.txt", 0, testing::shellTypeName("late.txt")));
    CHECK(ui.status() == testing::countText(3));
}

TEST_CASE("drops that arrive while rows are added are added afterwards, each in turn") {
    testing::TempFolder temp;
    const std::string folder = folderOfFiles(temp, 2);
    const std::string x = testing::makeFile(temp, "x.txt");
    const std::string y = testing::makeFile(temp, "y.txt");
    BatchFixture ui;
    PostMessageW(ui.window(), WM_DROPFILES, reinterpret_cast<WPARAM>(testing::makeDropFiles({y})), 0);
    PostMessageW(ui.window(), WM_DROPFILES, reinterpret_cast<WPARAM>(testing::makeDropFiles({x})), 0);
    testing::InputPendingOn input(2, 2);

    ui.drop({folder});

    const std::vector<std::string> paths = ui.paths();
    REQUIRE(paths.size() == 5);
    CHECK(paths[0] == folder);
    CHECK(paths[3] == y);
    CHECK(paths[4] == x);
    CHECK(ui.status() == testing::countText(5));
    CHECK_FALSE(batch::isBusy(ui.batch()));
}

TEST_CASE("a long loop without input repaints as time passes and dispatches nothing posted") {
    testing::TempFolder temp;
    std::vector<std::string> files;
    for (int i = 0; i < 7; ++i) files.push_back(testing::makeFile(temp, std::to_string(i) + ".txt"));
    BatchFixture ui;
    ULONGLONG now = 1'000'000'000;
    ui::ScopedPumpClock clock([&] { return now += 100; });
    testing::InputPendingOn input(0, 0);
    bool ran = false;
    bool ranInside = false;
    testing::postTask([&] {
        ran = true;
        ranInside = batch::isBusy(ui.batch());
    });

    SUBCASE("adding rows") {
        const int before = ui::repaintCount();
        ui.drop(files);
        CHECK(ui::repaintCount() - before >= 7);
    }
    SUBCASE("running") {
        ui.drop(files);
        ui::setChecked(ui.control(batch::batchArchiveCheck), true);
        ui.boxes.answers = {IDYES};
        const int before = ui::repaintCount();
        ui.click(batch::batchModifyButton);
        CHECK(ui::repaintCount() - before >= 7);
        CHECK(ui.boxes.shown.back().text == "批量处理完毕!");
    }
    CHECK(input.calls > 0);
    CHECK_FALSE(ran);
    testing::pump();
    CHECK(ran);
    CHECK_FALSE(ranInside);
}
