// The whole route from outside to rows: the command line read at MainWindow's first
// activation, and a drop on MainWindow, through the real windows and the router.
#include "app/application.h"
#include "batch/batch_controls.h"
#include "batch_fixture.h"
#include "platform/command_line.h"
#include "ui/controls.h"

#include <doctest.h>

namespace {

std::vector<std::string> batchPaths() {
    return testing::columnOf(app::batchWindow()->control(batch::fileList), batch::pathColumn);
}

std::string batchStatus() {
    return ui::statusText(app::batchWindow()->control(batch::statusBar));
}

}  // namespace

TEST_CASE("paths on the command line become BatchWindow's rows") {
    testing::TempFolder temp;
    const std::string a = testing::makeFile(temp, "a b.txt");
    const std::string b = testing::makeFile(temp, "文件 😀.txt");
    testing::makeFolder(temp / "sub");
    const std::string inner = testing::makeFile(temp, "sub\\inner.txt");
    struct Case {
        const char* name;
        std::string arguments;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"two files", "\"" + a + "\" \"" + b + "\"", {a, b}},
        {"a folder", "\"" + temp / "sub" + "\"", {temp / "sub", inner}},
        {"a folder ending in a backslash", "\"" + temp / "sub\\" + "\"", {temp / "sub\\", inner}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        platform::replaceCommandLine("\"C:\\Tempolis\\tempolis.exe\" " + c.arguments);
        ui::Window& main = app::createMainWindow();
        testing::pump();

        REQUIRE(app::batchWindow() != nullptr);
        CHECK_FALSE(IsWindowVisible(main.hwnd()));
        CHECK(batchPaths() == c.rows);
        CHECK(batchStatus() == testing::countText(static_cast<int>(c.rows.size())));
        app::destroyWindows();
        platform::replaceCommandLine(std::string());
    }
}

TEST_CASE("two files dropped on MainWindow become BatchWindow's rows") {
    testing::TempFolder temp;
    const std::string a = testing::makeFile(temp, "one.txt");
    const std::string b = testing::makeFile(temp, "two.log");
    ui::Window& main = app::createMainWindow();
    testing::pump();

    SendMessageW(main.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(testing::makeDropFiles({a, b})), 0);
    testing::pump();

    REQUIRE(app::batchWindow() != nullptr);
    CHECK(batchPaths() == std::vector<std::string>{a, b});
    CHECK(batchStatus() == testing::countText(2));
    CHECK_FALSE(IsWindowVisible(main.hwnd()));
    app::destroyWindows();
}
