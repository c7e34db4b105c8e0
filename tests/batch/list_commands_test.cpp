// fileList's context menu and its commands: the items offered, removing and clearing rows, and
// what the two shell commands hand to the shell (never let through to it: they would start
// other programs).
#include "batch/batch_controls.h"
#include "batch_fixture.h"
#include "platform/text.h"
#include "support/recording_services.h"

#include <doctest.h>
#include <shlobj.h>

using testing::BatchFixture;

namespace {

constexpr UINT kQuestionNoDefault = MB_ICONQUESTION | MB_YESNO | MB_DEFBUTTON2 | MB_TASKMODAL;
constexpr UINT kWarning = MB_ICONWARNING | MB_OK | MB_TASKMODAL;
constexpr char kDropHint[] = "支持直接拖放多个文件或文件夹...";

// As listMenu sends an item after it has closed.
void choose(const BatchFixture& ui, int item) {
    SendMessageW(ui.window(), WM_COMMAND, MAKEWPARAM(item, 0), 0);
}

std::vector<std::string> makeFiles(const testing::TempFolder& temp, int count) {
    std::vector<std::string> files;
    for (int i = 1; i <= count; ++i) files.push_back(testing::makeFile(temp, "row" + std::to_string(i) + ".txt"));
    return files;
}

// Keeps what the folder window would have been asked to show, and answers as told.
class LocateProbe : public testing::ServicesRecorder {
public:
    HRESULT answer = S_OK;
    std::string shownPath;
    UINT itemCount = 99;
    PCUITEMID_CHILD_ARRAY items = nullptr;
    DWORD flags = 99;

    HRESULT openFolderAndSelectItems(PCIDLIST_ABSOLUTE folder, UINT countGiven, PCUITEMID_CHILD_ARRAY itemArray,
                                     DWORD flagsGiven) override {
        RecordingServices::openFolderAndSelectItems(folder, countGiven, itemArray, flagsGiven);
        wchar_t path[MAX_PATH] = {};
        if (folder && SHGetPathFromIDListW(folder, path)) shownPath = platform::narrow(path);
        itemCount = countGiven;
        items = itemArray;
        flags = flagsGiven;
        return answer;
    }
};

// Keeps the record handed to the shell, answers with `instance` and hands back a process
// handle, as the shell may.
class PropertiesProbe : public testing::ServicesRecorder {
public:
    INT_PTR instance = 42;
    SHELLEXECUTEINFOW given{};
    std::wstring verb, file, parameters, directory;
    HANDLE process = CreateEventW(nullptr, TRUE, FALSE, nullptr);

    bool shellExecuteEx(SHELLEXECUTEINFOW* info) override {
        RecordingServices::shellExecuteEx(info);
        given = *info;
        verb = info->lpVerb ? info->lpVerb : L"(none)";
        file = info->lpFile ? info->lpFile : L"(none)";
        parameters = info->lpParameters ? info->lpParameters : L"(none)";
        directory = info->lpDirectory ? info->lpDirectory : L"(none)";
        info->hInstApp = reinterpret_cast<HINSTANCE>(instance);
        info->hProcess = process;
        return instance > 32;
    }
};

// Moves the pointer and waits until the system reports it there: under Wine the display may
// still deliver an earlier position right after the move.
void placePointer(int x, int y) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        SetCursorPos(x, y);
        testing::pump();
        POINT at{};
        GetCursorPos(&at);
        if (at.x == x && at.y == y) return;
        Sleep(10);
    }
}

}  // namespace

TEST_CASE("the menu offers what the selection allows and opens beside the pointer") {
    struct Case {
        const char* name;
        int rows;
        std::vector<int> selected;
        bool removeSelected, clearAll, locateFile, properties;
    };
    const Case cases[] = {
        {"empty list", 0, {}, false, false, false, false},
        {"rows, none selected", 3, {}, false, true, false, false},
        {"one row selected", 3, {1}, true, true, true, true},
        {"two rows selected", 3, {0, 2}, true, true, false, false},
    };
    testing::TempFolder temp;
    const std::vector<std::string> files = makeFiles(temp, 3);
    BatchFixture ui;
    testing::MenuWatcher menus(ui.window());
    for (const Case& c : cases) {
        CAPTURE(c.name);
        SendMessageW(ui.control(batch::fileList), LVM_DELETEALLITEMS, 0, 0);
        if (c.rows > 0) ui.drop(files);
        ui.select(c.selected);
        placePointer(300, 200);
        menus.openings.clear();

        ui.rightClick();

        REQUIRE(menus.openings.size() == 1);
        const testing::MenuWatcher::Opening& menu = menus.openings[0];
        CHECK(menu.removeSelected == c.removeSelected);
        CHECK(menu.clearAll == c.clearAll);
        CHECK(menu.locateFile == c.locateFile);
        CHECK(menu.properties == c.properties);
        CHECK(menu.topLeft.x == 303);
        CHECK(menu.topLeft.y == 203);
    }
    CHECK(ui.boxes.shown.empty());
}

TEST_CASE("removing and clearing change the list and the status text, never a file") {
    struct Case {
        const char* name;
        int item;
        std::vector<int> selected;
        int answer;
        std::vector<int> left;  // rows left, by their original number
        bool changed;
        const char* question;
    };
    const Case cases[] = {
        {"rows 2 and 4 of five removed", batch::removeSelectedItem, {1, 3}, IDYES, {0, 2, 4}, true, "确认移除所选项目?"},
        {"every row removed", batch::removeSelectedItem, {0, 1, 2, 3, 4}, IDYES, {}, true, "确认移除所选项目?"},
        {"removal answered No", batch::removeSelectedItem, {1, 3}, IDNO, {0, 1, 2, 3, 4}, false, "确认移除所选项目?"},
        {"cleared", batch::clearAllItem, {2}, IDYES, {}, true, "确认清空所有项目?"},
        {"clearing answered No", batch::clearAllItem, {}, IDNO, {0, 1, 2, 3, 4}, false, "确认清空所有项目?"},
    };
    testing::TempFolder temp;
    const std::vector<std::string> files = makeFiles(temp, 5);
    BatchFixture ui;
    for (const Case& c : cases) {
        CAPTURE(c.name);
        SendMessageW(ui.control(batch::fileList), LVM_DELETEALLITEMS, 0, 0);
        ui.drop(files);
        ui.select(c.selected);
        ui.boxes.shown.clear();
        ui.boxes.answers = {c.answer};
        testing::ServicesRecorder shell;

        choose(ui, c.item);

        std::vector<std::string> expected;
        for (int row : c.left) expected.push_back(files[static_cast<size_t>(row)]);
        CHECK(ui.paths() == expected);
        if (c.changed)
            CHECK(ui.status() == (expected.empty() ? std::string(kDropHint) : testing::countText(ui.rowCount())));
        else
            CHECK(ui.status() == testing::countText(5));
        REQUIRE(ui.boxes.shown.size() == 1);
        CHECK(ui.boxes.shown[0].text == c.question);
        CHECK(ui.boxes.shown[0].title == "询问");
        CHECK(ui.boxes.shown[0].style == kQuestionNoDefault);
        CHECK(ui.boxes.shown[0].owner == ui.window());
        CHECK(shell.calls.empty());
    }
}

TEST_CASE("rows added after a removal get new icons; no image is reused") {
    testing::TempFolder temp;
    const std::vector<std::string> files = makeFiles(temp, 3);
    BatchFixture ui;
    ui.drop(files);
    ui.boxes.answers = {IDYES};
    choose(ui, batch::clearAllItem);

    ui.drop({files[0], files[1]});

    CHECK(ui.image(0) == 3);
    CHECK(ui.image(1) == 4);
    CHECK(ImageList_GetImageCount(ui.batch().fileIconList.get()) == 5);
}

TEST_CASE("locating a row hands its item to the folder window and balances COM") {
    testing::TempFolder temp;
    const std::string file = testing::makeFile(temp, "find me.txt");
    testing::makeFolder(temp / "folder");
    BatchFixture ui;
    ui.drop({file, temp / "folder"});
    LocateProbe shell;

    SUBCASE("a file row") {
        ui.select({0});
        choose(ui, batch::locateFileItem);
        CHECK(shell.shownPath == file);
        CHECK(shell.itemCount == 0);
        CHECK(shell.items == nullptr);
        CHECK(shell.flags == 0);
        CHECK(ui.boxes.shown.empty());
        CHECK(shell.count("freeIdList") == 1);
    }
    SUBCASE("a folder row shows the folder itself selected in its parent") {
        ui.select({1});
        choose(ui, batch::locateFileItem);
        CHECK(shell.shownPath == temp / "folder");
        CHECK(ui.boxes.shown.empty());
    }
    SUBCASE("the folder window refuses") {
        shell.answer = E_FAIL;
        ui.select({0});
        choose(ui, batch::locateFileItem);
        REQUIRE(ui.boxes.shown.size() == 1);
        CHECK(ui.boxes.shown[0].text == "定位文件失败!");
        CHECK(ui.boxes.shown[0].title == "警告");
        CHECK(ui.boxes.shown[0].style == kWarning);
        CHECK(shell.count("freeIdList") == 1);
    }
    SUBCASE("no shell-link object") {
        shell.failing = {"coCreateInstance"};
        ui.select({0});
        choose(ui, batch::locateFileItem);
        REQUIRE(ui.boxes.shown.size() == 1);
        CHECK(ui.boxes.shown[0].text == "定位文件失败!");
        CHECK(shell.count("openFolderAndSelectItems") == 0);
    }
    CHECK(shell.count("coInitialize") == 1);
    CHECK(shell.count("coUninitialize") == 1);
    CHECK(ui.rowCount() == 2);
}

TEST_CASE("properties ask the shell for the row's sheet and succeed only above 32") {
    struct Case {
        INT_PTR instance;
        bool warned;
    };
    const Case cases[] = {{42, false}, {33, false}, {32, true}, {SE_ERR_FNF, true}};
    testing::TempFolder temp;
    const std::string file = testing::makeFile(temp, "sheet.txt");
    BatchFixture ui;
    ui.drop({file});
    ui.select({0});
    for (const Case& c : cases) {
        CAPTURE(c.instance);
        ui.boxes.shown.clear();
        PropertiesProbe shell;
        shell.instance = c.instance;

        choose(ui, batch::propertiesItem);

        CHECK(shell.given.cbSize == sizeof(SHELLEXECUTEINFOW));
        CHECK(shell.given.fMask == 0x44Cu);
        CHECK(shell.given.hwnd == ui.window());
        CHECK(shell.verb == L"properties");
        CHECK(shell.file == platform::widen(file));
        CHECK(shell.parameters == L"");
        CHECK(shell.directory == L"");
        CHECK(shell.given.nShow == 0);
        CHECK(shell.given.lpIDList == nullptr);
        // The process handle the mask asks for is not kept.
        DWORD flags = 0;
        CHECK_FALSE(GetHandleInformation(shell.process, &flags));
        if (c.warned) {
            REQUIRE(ui.boxes.shown.size() == 1);
            CHECK(ui.boxes.shown[0].text == "查看文件属性失败!");
            CHECK(ui.boxes.shown[0].title == "警告");
            CHECK(ui.boxes.shown[0].style == kWarning);
        } else {
            CHECK(ui.boxes.shown.empty());
        }
    }
}
