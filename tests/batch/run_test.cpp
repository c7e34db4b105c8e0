// The batch run over real files: what it refuses, what it writes, how it marks and reports.
#include "batch/batch_controls.h"
#include "batch_fixture.h"
#include "core/file_fixtures.h"
#include "support/wine.h"
#include "ui/controls.h"

#include <doctest.h>

using testing::BatchFixture;

namespace {

constexpr UINT kInformation = MB_ICONINFORMATION | MB_OK | MB_TASKMODAL;
constexpr UINT kQuestionNoDefault = MB_ICONQUESTION | MB_YESNO | MB_DEFBUTTON2 | MB_TASKMODAL;
constexpr UINT kWarning = MB_ICONWARNING | MB_OK | MB_TASKMODAL;

const int kLabels[] = {batch::batchCreatedLabel, batch::batchModifiedLabel, batch::batchAccessedLabel};

struct Box {
    std::string text;
    std::string title;
    UINT style;
    bool operator==(const Box&) const = default;
};

std::ostream& operator<<(std::ostream& out, const std::vector<Box>& boxes) {
    for (const Box& box : boxes) out << "\n  {" << box.text << " | " << box.title << " | " << box.style << "}";
    return out;
}

std::vector<Box> boxesShown(const BatchFixture& ui) {
    std::vector<Box> boxes;
    for (const ui::MessageBoxCall& call : ui.boxes.shown) {
        CHECK(call.owner == ui.window());
        boxes.push_back({call.text, call.title, call.style});
    }
    return boxes;
}

const Box kQuestion{"确认执行批量修改吗?", "询问", kQuestionNoDefault};
const Box kDone{"批量处理完毕!", "提示", kInformation};

// The last attribute write the run made for a path, as the seam recorded it.
std::string lastFlagsWritten(const testing::RecordingServices& shell, const std::string& path) {
    std::string last;
    for (const std::string& call : shell.calls)
        if (call.rfind("setFileAttributes " + path + " ", 0) == 0) last = call.substr(call.rfind(' ') + 1);
    return last;
}
}  // namespace

TEST_CASE("the run asks first, and refuses an empty list or a choice of nothing without touching a file") {
    struct Case {
        const char* name;
        bool withRow;
        bool timesOff;
        bool tick;
        int answer;
        std::vector<Box> boxes;
    };
    const Case cases[] = {
        {"empty list, nothing chosen", false, true, false, IDYES, {{"请先添加文件!", "提示", kInformation}}},
        {"empty list, something chosen", false, false, true, IDYES, {{"请先添加文件!", "提示", kInformation}}},
        {"nothing chosen", true, true, false, IDYES, {{"请指定需设置的文件属性!", "提示", kInformation}}},
        {"answered No", true, false, true, IDNO, {kQuestion}},
        {"question closed otherwise", true, false, false, IDCANCEL, {kQuestion}},
    };
    testing::TempFolder temp;
    const std::string file = testing::makeFile(temp, "kept.txt");
    testing::writeFlags(file, FILE_ATTRIBUTE_HIDDEN);
    const testing::FileTimes times = testing::readTimes(file);
    for (const Case& c : cases) {
        CAPTURE(c.name);
        BatchFixture ui;
        if (c.withRow) ui.drop({file});
        if (c.timesOff)
            for (int label : kLabels) ui.pressLabel(label);
        ui::setChecked(ui.control(batch::batchSystemCheck), c.tick);
        const std::vector<testing::Row> rowsBefore = ui.rows();
        const std::string statusBefore = ui.status();
        ui.boxes.answers = {c.answer};
        testing::ServicesRecorder shell;

        ui.click(batch::batchModifyButton);

        CHECK(boxesShown(ui) == c.boxes);
        CHECK(ui.rows() == rowsBefore);
        CHECK(ui.status() == statusBefore);
        CHECK_FALSE(testing::touched(shell, file));
        CHECK(testing::readTimes(file) == times);
        CHECK(testing::readFlags(file) == (FILE_ATTRIBUTE_HIDDEN | testing::archiveShownByWine()));
    }
}

TEST_CASE("a run with the creation time switched off writes the other two and the ticked flags") {
    testing::TempFolder temp;
    const std::string file = testing::makeFile(temp, "doc.txt");
    testing::makeFolder(temp / "sub");
    testing::writeFlags(file, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    testing::writeFlags(temp / "sub", FILE_ATTRIBUTE_HIDDEN);
    BatchFixture ui;
    ui.drop({file, temp / "sub"});
    ui.pressLabel(batch::batchCreatedLabel);
    ui::setDateBoxTime(ui.control(batch::batchModifiedDateBox), testing::calendarTime(2012, 2, 3, 4, 5, 6));
    ui::setDateBoxTime(ui.control(batch::batchAccessedDateBox), testing::calendarTime(2013, 3, 4, 5, 6, 7));
    ui::setChecked(ui.control(batch::batchReadOnlyCheck), true);
    ui.boxes.answers = {IDYES};
    // The times read are substituted, so the creation time written back is known even under
    // Wine, which stores none of its own.
    testing::FileServicesProbe shell;
    shell.timesRead = testing::oddTimes();

    ui.click(batch::batchModifyButton);

    CHECK(boxesShown(ui) == std::vector<Box>{kQuestion, kDone});
    CHECK(ui.marks() == std::vector<std::string>{"成功", "成功"});
    CHECK(ui.status() == testing::resultText(2, 0));
    // Local times in UTC+8.
    const testing::FileTimes expected{testing::oddTimes().created, testing::utcTicks(2013, 3, 3, 21, 6, 7),
                                      testing::utcTicks(2012, 2, 2, 20, 5, 6)};
    CHECK(shell.timesWritten == std::vector<testing::FileTimes>{expected, expected});
    for (const std::string& path : {file, temp / "sub"}) {
        CAPTURE(path);
        const testing::FileTimes stored = testing::readTimes(path);
        CHECK(stored.written == expected.written);
        CHECK(stored.accessed == expected.accessed);
        CHECK(lastFlagsWritten(shell, path) == "1");
    }
    CHECK(testing::readFlags(file) == (FILE_ATTRIBUTE_READONLY | testing::archiveShownByWine()));
    // Wine keeps no read-only flag on folders; hidden is cleared all the same.
    CHECK((testing::readFlags(temp / "sub") & FILE_ATTRIBUTE_HIDDEN) == 0);
    // The toggles stay as they were.
    CHECK_FALSE(ui::isEnabled(ui.control(batch::batchCreatedDateBox)));
    CHECK(ui.batch().window.textColor(batch::batchCreatedLabel) == RGB(128, 128, 128));
    CHECK(ui::isEnabled(ui.control(batch::batchModifiedDateBox)));
    CHECK(ui::isEnabled(ui.control(batch::batchGroup)));
}

TEST_CASE("the flags become exactly the ticked ones, or stay when none is ticked") {
    struct Case {
        const char* name;
        std::vector<int> ticked;
        bool timesOn;
        DWORD flagsAfter;
        const char* lastWrite;  // empty: no flags written at the end
    };
    const DWORD start = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const Case cases[] = {
        {"none ticked, times on", {}, true, start, ""},
        {"read-only only", {batch::batchReadOnlyCheck}, false, FILE_ATTRIBUTE_READONLY, "1"},
        {"hidden and archive", {batch::batchHiddenCheck, batch::batchArchiveCheck}, false,
         FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE, "34"},
        {"all four",
         {batch::batchReadOnlyCheck, batch::batchHiddenCheck, batch::batchSystemCheck, batch::batchArchiveCheck},
         false, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE, "39"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        testing::TempFolder temp;
        const std::string file = testing::makeFile(temp, "f.txt");
        testing::writeFlags(file, start);
        const testing::FileTimes before = testing::readTimes(file);
        BatchFixture ui;
        ui.drop({file});
        if (!c.timesOn)
            for (int label : kLabels) ui.pressLabel(label);
        for (int check : c.ticked) ui::setChecked(ui.control(check), true);
        ui.boxes.answers = {IDYES};
        testing::ServicesRecorder shell;

        ui.click(batch::batchModifyButton);

        CHECK(ui.marks() == std::vector<std::string>{"成功"});
        CHECK(testing::readFlags(file) == (c.flagsAfter | testing::archiveShownByWine()));
        CHECK(lastFlagsWritten(shell, file) == c.lastWrite);
        if (!c.timesOn) CHECK(testing::readTimes(file) == before);
    }
}

TEST_CASE("failed rows are marked, counted and listed in row order; a second run marks anew") {
    testing::TempFolder temp;
    std::vector<std::string> paths;
    for (const char* name : {"ok1.txt", "gone1.txt", "ok2.txt", "gone2.txt", "gone3.txt"})
        paths.push_back(testing::makeFile(temp, name));
    BatchFixture ui;
    ui.drop(paths);
    for (int gone : {1, 3, 4}) testing::removeTree(paths[gone]);
    ui::setChecked(ui.control(batch::batchArchiveCheck), true);
    ui.boxes.answers = {IDYES};

    ui.click(batch::batchModifyButton);

    CHECK(ui.marks() == std::vector<std::string>{"成功", "失败", "成功", "失败", "失败"});
    CHECK(ui.status() == testing::resultText(2, 3));
    CHECK(boxesShown(ui) ==
          std::vector<Box>{kQuestion, {paths[1] + "\r\n" + paths[3] + "\r\n" + paths[4], "处理失败的文件", kWarning}, kDone});

    for (int gone : {1, 3, 4}) testing::writeFile(paths[gone], "back");
    ui.boxes.shown.clear();
    ui.boxes.answers = {IDYES};
    ui.click(batch::batchModifyButton);

    CHECK(ui.marks() == std::vector<std::string>(5, "成功"));
    CHECK(ui.status() == testing::resultText(5, 0));
    CHECK(boxesShown(ui) == std::vector<Box>{kQuestion, kDone});
}
