// Paths from the command line and from drops on MainWindow, routed by the real windows.
#include "app/application.h"
#include "app/routing.h"
#include "platform/command_line.h"
#include "single/main_controls.h"
#include "support/gui.h"
#include "support/temp_folder.h"
#include "ui/controls.h"

#include <doctest.h>

#include <string>
#include <vector>

namespace {

enum class Goes { Nowhere, ToEditor, ToBatch };

struct Route {
    std::string name;
    std::vector<std::string> paths;  // names in the test's folder; empty and drive paths as they are
    Goes goes;
};

// The drive root is the private drive the test scripts map to a folder of their own.
const Route routes[] = {
    {"one file with spaces in its name", {"a b.txt"}, Goes::ToEditor},
    {"one file with a multi-byte name", {"文件 😀.txt"}, Goes::ToEditor},
    {"one path that does not exist", {"missing.txt"}, Goes::ToEditor},
    {"one empty path", {""}, Goes::ToEditor},
    {"two files", {"a b.txt", "文件 😀.txt"}, Goes::ToBatch},
    {"one file given twice", {"a b.txt", "a b.txt"}, Goes::ToBatch},
    {"two missing paths", {"missing.txt", "gone.txt"}, Goes::ToBatch},
    {"one folder", {"sub"}, Goes::ToBatch},
    {"one folder ending in a backslash", {"sub\\"}, Goes::ToBatch},
    {"a drive root", {"R:\\"}, Goes::ToBatch},
};

class Folder {
public:
    Folder() {
        testing::writeFile(folder_ / "a b.txt", "12345");
        testing::writeFile(folder_ / "文件 😀.txt", "1234567");
        testing::makeFolder(folder_ / "sub");
    }
    std::string resolve(const std::string& name) const {
        return name.empty() || name.find(':') != std::string::npos ? name : folder_ / name;
    }
    std::vector<std::string> resolve(const std::vector<std::string>& names) const {
        std::vector<std::string> paths;
        for (const std::string& name : names) paths.push_back(resolve(name));
        return paths;
    }

private:
    testing::TempFolder folder_;
};

std::string commandLineOf(const std::vector<std::string>& paths) {
    std::string line = "\"C:\\Program Files\\Tempolis\\tempolis.exe\"";
    for (const std::string& path : paths) line += " \"" + path + "\"";
    return line;
}

// Sets the command line that MainWindow's first activation reads, and empties it afterwards.
class ScopedCommandLine {
public:
    explicit ScopedCommandLine(const std::string& line) { platform::replaceCommandLine(line); }
    ~ScopedCommandLine() { platform::replaceCommandLine(std::string()); }
};

std::string shownPath(const ui::Window& main) {
    return ui::getText(main.control(single::pathEdit));
}

void checkOutcome(const ui::Window& main, Goes goes, const std::string& editorPath) {
    switch (goes) {
    case Goes::Nowhere:
        CHECK(app::batchWindow() == nullptr);
        CHECK(IsWindowVisible(main.hwnd()));
        CHECK_FALSE(ui::isEnabled(main.control(single::modifyButton)));
        break;
    case Goes::ToEditor:
        CHECK(app::batchWindow() == nullptr);
        CHECK(IsWindowVisible(main.hwnd()));
        CHECK(shownPath(main) == editorPath);
        // Shown by the editor, not merely written into the box.
        CHECK(ui::isEnabled(main.control(single::modifyButton)));
        break;
    case Goes::ToBatch:
        REQUIRE(app::batchWindow() != nullptr);
        CHECK(IsWindowVisible(app::batchWindow()->window.hwnd()));
        CHECK_FALSE(IsWindowVisible(main.hwnd()));
        break;
    }
}

void drop(const ui::Window& window, const std::vector<std::string>& paths) {
    SendMessageW(window.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(testing::makeDropFiles(paths)), 0);
    testing::pump();
}

}  // namespace

TEST_CASE("the command line is routed at MainWindow's first activation") {
    Folder folder;
    for (const Route& route : routes) {
        CAPTURE(route.name);
        const std::vector<std::string> paths = folder.resolve(route.paths);
        ScopedCommandLine line(commandLineOf(paths));
        ui::Window& main = app::createMainWindow();
        testing::pump();
        checkOutcome(main, route.goes, paths.front());
        app::destroyWindows();
    }
}

TEST_CASE("a command line with the program's name alone does nothing") {
    ScopedCommandLine line("\"C:\\Program Files\\Tempolis\\tempolis.exe\" ");
    ui::Window& main = app::createMainWindow();
    testing::pump();
    checkOutcome(main, Goes::Nowhere, "");
    CHECK(shownPath(main).empty());
    app::destroyWindows();
}

TEST_CASE("a later activation does not read the command line again") {
    Folder folder;
    const std::string first = folder.resolve("a b.txt");
    ScopedCommandLine line(commandLineOf({first}));
    ui::Window& main = app::createMainWindow();
    testing::pump();
    REQUIRE(shownPath(main) == first);

    platform::replaceCommandLine(commandLineOf({folder.resolve("文件 😀.txt")}));
    const ui::WindowLayout otherLayout{.className = L"TempolisRoutingOther", .caption = "other", .width = 200, .height = 100};
    ui::Window other(otherLayout);
    other.create();
    testing::pump();
    REQUIRE(GetActiveWindow() == other.hwnd());
    SetActiveWindow(main.hwnd());
    testing::pump();
    REQUIRE(GetActiveWindow() == main.hwnd());

    CHECK(shownPath(main) == first);
    CHECK(app::batchWindow() == nullptr);
    app::destroyWindows();
}

TEST_CASE("drops on MainWindow are routed like the command line, also while a file is shown") {
    const Route drops[] = {
        {"one file", {"a b.txt"}, Goes::ToEditor},
        {"two files", {"a b.txt", "文件 😀.txt"}, Goes::ToBatch},
        {"one folder", {"sub"}, Goes::ToBatch},
    };
    Folder folder;
    for (const Route& route : drops) {
        CAPTURE(route.name);
        ui::Window& main = app::createMainWindow();
        testing::pump();
        const std::string before = folder.resolve("文件 😀.txt");
        app::routeIncomingPaths({before});
        REQUIRE(shownPath(main) == before);
        const std::string sizeBefore = ui::getText(main.control(single::sizeEdit));

        const std::vector<std::string> paths = folder.resolve(route.paths);
        drop(main, paths);
        checkOutcome(main, route.goes, paths.front());
        if (route.goes == Goes::ToEditor) CHECK(ui::getText(main.control(single::sizeEdit)) != sizeBefore);
        app::destroyWindows();
    }
}
