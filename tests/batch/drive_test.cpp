// A drive root in the list, on the private drive R: that the test scripts map to a folder of
// the build (never C:\ or Z:\). Kept in one program so that no other test fills the drive
// meanwhile.
#include "batch/batch_controls.h"
#include "batch_fixture.h"
#include "support/recording_services.h"
#include "ui/controls.h"

#include <doctest.h>

using testing::BatchFixture;
using testing::Row;

namespace {

// One folder and one file on R:, removed with the test.
struct DriveEntries {
    std::string folder = "R:\\batch-" + std::to_string(GetCurrentProcessId());
    std::string file = folder + ".txt";

    DriveEntries() {
        testing::makeFolder(folder);
        testing::writeFile(file, "on the drive");
    }
    ~DriveEntries() {
        testing::removeTree(folder);
        testing::removeTree(file);
    }
};
}  // namespace

TEST_CASE("a drive root is a drive row whose entries get a single backslash, and the run skips only it") {
    REQUIRE((GetFileAttributesW(L"R:\\") & FILE_ATTRIBUTE_DIRECTORY) != 0);
    const DriveEntries entries;
    BatchFixture ui;

    ui.drop({"R:\\"});

    // Anything else on the drive would be changed by the run below: stop here then.
    REQUIRE(ui.rows() == std::vector<Row>{{"R:\\", "", "磁盘 ", "R:\\", " -", 0},
                                          testing::folderRow(entries.folder, entries.folder.substr(3), 1),
                                          testing::fileRow(entries.file, entries.file.substr(3), 1,
                                                           testing::shellTypeName(entries.file))});
    ui::setChecked(ui.control(batch::batchArchiveCheck), true);
    ui.boxes.answers = {IDYES};
    testing::ServicesRecorder shell;

    ui.click(batch::batchModifyButton);

    CHECK(ui.marks() == std::vector<std::string>{" -", "成功", "成功"});
    CHECK(ui.status() == testing::resultText(2, 0));
    CHECK_FALSE(testing::touched(shell, "R:\\"));
    CHECK(testing::touched(shell, entries.file));
    CHECK(testing::touched(shell, entries.folder));
}

TEST_CASE("a run over a lone drive row changes nothing and still reports") {
    BatchFixture ui;
    {
        testing::ServicesRecorder unlisted;
        unlisted.failing = {"findFirstFile"};
        ui.drop({"R:\\"});
    }
    REQUIRE(ui.rowCount() == 1);
    ui::setChecked(ui.control(batch::batchHiddenCheck), true);
    ui.boxes.answers = {IDYES};
    testing::ServicesRecorder shell;

    ui.click(batch::batchModifyButton);

    CHECK(ui.marks() == std::vector<std::string>{" -"});
    CHECK(ui.status() == testing::resultText(0, 0));
    std::vector<std::string> texts;
    for (const ui::MessageBoxCall& box : ui.boxes.shown) texts.push_back(box.text);
    CHECK(texts == std::vector<std::string>{"确认执行批量修改吗?", "批量处理完毕!"});
    CHECK_FALSE(testing::touched(shell, "R:\\"));
}
