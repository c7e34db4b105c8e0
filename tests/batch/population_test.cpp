// Rows from drops and from the folder browser: kinds, order, columns, icons and the status text.
#include "batch/batch_controls.h"
#include "batch/batch_list.h"
#include "batch_fixture.h"
#include "platform/long_path.h"
#include "platform/text.h"
#include "support/recording_services.h"
#include "ui/controls.h"

#include <doctest.h>

#include <algorithm>

using testing::BatchFixture;
using testing::fileRow;
using testing::folderRow;
using testing::Row;
using testing::shellTypeName;

namespace {

void setFlags(const std::string& path, DWORD flags) {
    REQUIRE(SetFileAttributesW(platform::windowsPath(path).c_str(), flags));
}

// Within each pass rows keep the platform's search order, which is not alphabetical under
// Wine; sorted here to compare.
std::vector<Row> sortedByPath(std::vector<Row> rows) {
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.path < b.path; });
    return rows;
}

// The type name the shell gives the real item (not judged by its name alone).
std::string typeOfItem(const std::string& path) {
    SHFILEINFOW info{};
    SHGetFileInfoW(platform::windowsPath(path).c_str(), 0, &info, sizeof(info), SHGFI_TYPENAME);
    return platform::narrow(info.szTypeName);
}
}  // namespace

TEST_CASE("a dropped folder brings itself, then all its subfolders, then all its files") {
    testing::TempFolder temp;
    const std::string folder = temp / "work";
    testing::makeFolder(folder);
    testing::makeFolder(folder + "\\b_sub");
    testing::makeFolder(folder + "\\c_system");
    testing::writeFile(folder + "\\b_sub\\deeper.txt", "not listed");
    testing::writeFile(folder + "\\0first.txt", "sorts before every folder");
    testing::writeFile(folder + "\\hidden.log", "12345");
    testing::writeFile(folder + "\\noextension", "");
    setFlags(folder + "\\c_system", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
    setFlags(folder + "\\hidden.log", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);

    BatchFixture ui;
    ui.drop({folder});

    const std::vector<Row> rows = ui.rows();
    REQUIRE(rows.size() == 6);
    CHECK(rows[0] == folderRow(folder, "work", 0));
    CHECK(sortedByPath({rows.begin() + 1, rows.begin() + 3}) ==
          std::vector<Row>{folderRow(folder + "\\b_sub", "b_sub", 1), folderRow(folder + "\\c_system", "c_system", 1)});
    CHECK(sortedByPath({rows.begin() + 3, rows.end()}) ==
          std::vector<Row>{fileRow(folder + "\\0first.txt", "0first.txt", 1, shellTypeName("0first.txt")),
                           fileRow(folder + "\\hidden.log", "hidden.log", 1, shellTypeName("hidden.log")),
                           fileRow(folder + "\\noextension", "noextension", 1, shellTypeName("noextension"))});
    CHECK(ui.status() == testing::countText(6));
    CHECK(ui::isEnabled(ui.control(batch::batchGroup)));
}

TEST_CASE("single paths become rows as their kind says") {
    testing::TempFolder temp;
    BatchFixture ui;

    SUBCASE("an empty folder gives exactly one row") {
        testing::makeFolder(temp / "empty");
        ui.drop({temp / "empty"});
        CHECK(ui.rows() == std::vector<Row>{folderRow(temp / "empty", "empty", 0)});
    }
    SUBCASE("a folder path ending in a backslash gets no second one") {
        testing::makeFolder(temp / "dir");
        const std::string child = testing::makeFile(temp, "dir\\child.txt");
        ui.drop({temp / "dir\\"});
        CHECK(ui.rows() == std::vector<Row>{folderRow(temp / "dir\\", "dir\\", 0),
                                            fileRow(child, "child.txt", 1, shellTypeName("child.txt"))});
    }
    SUBCASE("a missing path is a file row typed by its extension") {
        const std::string missing = temp / "gone.txt";
        ui.drop({missing});
        CHECK(ui.rows() == std::vector<Row>{{"gone.txt", testing::sizeText(0), shellTypeName("x.txt"), missing, " -", 0}});
    }
    SUBCASE("a single dropped file is a file row, not sent anywhere else") {
        const std::string file = testing::makeFile(temp, "one.txt", "abc");
        ui.drop({file});
        CHECK(ui.rows() == std::vector<Row>{fileRow(file, "one.txt", 0, shellTypeName("one.txt"))});
    }
    SUBCASE("a name outside the Chinese code page is kept exactly") {
        const std::string file = testing::makeFile(temp, "한글 😀.txt");
        ui.drop({file});
        CHECK(ui.rows() == std::vector<Row>{fileRow(file, "한글 😀.txt", 0, shellTypeName("a.txt"))});
    }
    SUBCASE("a file of 4 GiB or more shows its whole size") {
        const unsigned long long size = (5ull << 30) + 1536;
        testing::makeSparseFile(temp / "big.bin", size);
        ui.drop({temp / "big.bin"});
        REQUIRE(ui.rowCount() == 1);
        CHECK(ui.rows()[0].size == testing::sizeText(size));
        CHECK(ui.rows()[0].size != testing::sizeText(1536));
    }
    CHECK(ui.status() == testing::countText(ui.rowCount()));
}

TEST_CASE("rows stay in the order they came, duplicates included") {
    testing::TempFolder temp;
    const std::string b = testing::makeFile(temp, "b.txt");
    const std::string a = testing::makeFile(temp, "a.txt");
    testing::makeFolder(temp / "folder");
    const std::string inner = testing::makeFile(temp, "folder\\inner.txt");
    BatchFixture ui;

    ui.drop({b, temp / "folder", a});
    ui.drop({temp / "folder"});

    CHECK(ui.paths() == std::vector<std::string>{b, temp / "folder", inner, a, temp / "folder", inner});
    CHECK(ui.status() == testing::countText(6));
}

TEST_CASE("the folder browser adds what is chosen and nothing when cancelled") {
    testing::TempFolder temp;
    BatchFixture ui;
    ui.drop({testing::makeFile(temp, "first.txt")});
    const std::string statusBefore = ui.status();

    SUBCASE("cancelled") {
        ui.click(batch::browseFolderButton);
        REQUIRE(ui.browserRequests.size() == 1);
        CHECK(ui.browserRequests[0].owner == ui.window());
        CHECK(ui.browserRequests[0].title == "请选择需要修改时间属性的文件或文件夹...");
        CHECK(ui.browserRequests[0].flags == (BIF_EDITBOX | BIF_BROWSEINCLUDEFILES));
        CHECK(ui.rowCount() == 1);
        CHECK(ui.status() == statusBefore);
    }
    SUBCASE("a file chosen") {
        ui.browserAnswer = testing::makeFile(temp, "chosen.txt");
        ui.click(batch::browseFolderButton);
        REQUIRE(ui.rowCount() == 2);
        CHECK(ui.rows()[1] == fileRow(ui.browserAnswer, "chosen.txt", 0, shellTypeName("chosen.txt")));
        CHECK(ui.status() == testing::countText(2));
    }
    SUBCASE("a folder chosen") {
        testing::makeFolder(temp / "picked");
        ui.browserAnswer = temp / "picked";
        ui.click(batch::browseFolderButton);
        CHECK(ui.rows().back() == folderRow(temp / "picked", "picked", 0));
    }
}

TEST_CASE("a folder that cannot be listed keeps only its own row") {
    testing::TempFolder temp;
    testing::makeFile(temp, "unseen.txt");
    BatchFixture ui;
    testing::ServicesRecorder shell;
    shell.failing = {"findFirstFile"};

    ui.drop({temp.path()});

    CHECK(ui.rows() == std::vector<Row>{folderRow(temp.path(), temp.path().substr(temp.path().rfind('\\') + 1), 0)});
}

TEST_CASE("each row asks the shell once by kind, and a second time only when refused") {
    testing::TempFolder temp;
    testing::makeFolder(temp / "sub");
    const std::string file = testing::makeFile(temp, "doc.txt");
    BatchFixture ui;
    testing::ServicesRecorder shell;
    const std::set<std::string> watched = {"coInitialize", "coUninitialize", "getShellFileInfo"};

    SUBCASE("folders by the real item, files by their name") {
        ui.drop({temp / "sub", file});
        CHECK(shell.only(watched) == std::vector<std::string>{"coInitialize", "getShellFileInfo " + temp / "sub" + " 257",
                                                              "getShellFileInfo " + file + " 1297", "coUninitialize"});
        CHECK(ui.image(0) == 0);
        CHECK(ui.image(1) == 1);
    }
    SUBCASE("a refused look-up is repeated on the real item with overlays") {
        shell.failingOccurrence = {{"getShellFileInfo", 1}};
        ui.drop({file});
        CHECK(shell.only(watched) == std::vector<std::string>{"coInitialize", "getShellFileInfo " + file + " 1297",
                                                              "getShellFileInfo " + file + " 1313", "coUninitialize"});
        CHECK(ui.image(0) == 0);
        CHECK(ui.rows()[0].type == typeOfItem(file));
    }
    SUBCASE("when both look-ups fail the row has no icon and no type") {
        shell.failing = {"getShellFileInfo"};
        ui.drop({file});
        CHECK(ui.image(0) == -1);
        CHECK(ui.rows()[0].type == "");
        CHECK(ui.rows()[0].path == file);
    }
    SUBCASE("COM is left as found when its initialisation fails") {
        shell.failing = {"coInitialize"};
        ui.drop({file});
        CHECK(shell.count("coUninitialize") == 0);
        CHECK(ui.rowCount() == 1);
    }
}

namespace {

// Keeps what the shell handed over and what the status bar said at each look-up.
class ShellWatch : public testing::ServicesRecorder {
public:
    explicit ShellWatch(HWND statusBar) : statusBar_(statusBar) {}
    std::vector<HICON> icons;
    std::vector<std::string> statusAtLookUp;

    DWORD_PTR getShellFileInfo(const std::string& path, DWORD attributes, SHFILEINFOW* info, UINT flags) override {
        statusAtLookUp.push_back(ui::statusText(statusBar_));
        const DWORD_PTR result = RecordingServices::getShellFileInfo(path, attributes, info, flags);
        if (info->hIcon) icons.push_back(info->hIcon);
        return result;
    }

private:
    HWND statusBar_;
};
}  // namespace

TEST_CASE("each row announces its path and the shell's icons are given back") {
    testing::TempFolder temp;
    const std::string a = testing::makeFile(temp, "a.txt");
    testing::makeFolder(temp / "b");
    BatchFixture ui;
    ShellWatch shell(ui.control(batch::statusBar));

    ui.drop({a, temp / "b"});

    CHECK(shell.statusAtLookUp == std::vector<std::string>{"正在添加 => " + a, "正在添加 => " + temp / "b"});
    REQUIRE(shell.icons.size() == 2);
    // The image list keeps its own copies; the shell's icons must not pile up.
    for (HICON icon : shell.icons) {
        ICONINFO info{};
        CHECK_FALSE(GetIconInfo(icon, &info));
    }
    CHECK(ImageList_GetImageCount(ui.batch().fileIconList.get()) == 2);
}

TEST_CASE("the name shown is the text after the last separator that has something after it") {
    struct Case {
        const char* path;
        const char* name;
    };
    const Case cases[] = {
        {"C:\\dir\\file.txt", "file.txt"}, {"C:\\dir\\", "dir\\"},   {"R:\\", "R:\\"},     {"C:file", "file"},
        {"a/b/c", "c"},                    {"plain", "plain"},       {"", ""},             {"\\\\server\\share", "share"},
        {"C:\\dir\\\\", "dir\\\\"},        {"目录\\文件.txt", "文件.txt"}, {"dir/", "dir/"}, {"x:", "x:"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.path);
        CHECK(batch::fileNamePart(c.path) == c.name);
    }
}
