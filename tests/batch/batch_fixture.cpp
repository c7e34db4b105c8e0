#include "batch_fixture.h"

#include "app/layouts.h"
#include "batch/batch_controls.h"
#include "platform/long_path.h"
#include "platform/text.h"
#include "ui/controls.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/pump.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <deque>

namespace testing {
namespace {

constexpr UINT kRunTask = WM_APP + 7;
std::deque<std::function<void()>> tasks;

LRESULT CALLBACK taskProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kRunTask) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (tasks.empty()) return 0;
    const std::function<void()> task = std::move(tasks.front());
    tasks.pop_front();
    task();
    return 0;
}

HWND taskWindow() {
    static HWND window = [] {
        WNDCLASSW taskClass{};
        taskClass.lpfnWndProc = taskProcedure;
        taskClass.hInstance = GetModuleHandleW(nullptr);
        taskClass.lpszClassName = L"TempolisTestTasks";
        RegisterClassW(&taskClass);
        return CreateWindowW(L"TempolisTestTasks", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                             nullptr);
    }();
    return window;
}

unsigned long long sizeOnDisk(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(platform::windowsPath(path).c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << "{" << row.name << " | " << row.size << " | " << row.type << " | " << row.path << " | " << row.status
               << " | indent " << row.indent << "}";
}

std::ostream& operator<<(std::ostream& out, const std::vector<Row>& rows) {
    out << "\n";
    for (const Row& row : rows) out << "  " << row << "\n";
    return out;
}

Row fileRow(const std::string& path, const std::string& name, int indent, const std::string& type) {
    return {name, sizeText(sizeOnDisk(path)), type, path, " -", indent};
}

Row folderRow(const std::string& path, const std::string& name, int indent) {
    return {name, "", "文件夹 ", path, " -", indent};
}

std::string shellTypeName(const std::string& name) {
    SHFILEINFOW info{};
    SHGetFileInfoW(platform::widen(name).c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof(info),
                   SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES);
    return platform::narrow(info.szTypeName);
}

std::string sizeText(unsigned long long size) {
    wchar_t text[100] = {};
    StrFormatByteSizeW(static_cast<LONGLONG>(size), text, 100);
    return platform::narrow(text);
}

std::vector<std::string> columnOf(HWND list, int column) {
    std::vector<std::string> cells;
    for (int row = 0; row < ui::rowCount(list); ++row) cells.push_back(ui::cellText(list, row, column));
    return cells;
}

std::string countText(int rows) {
    return "共包含 " + std::to_string(rows) + " 个待处理的文件(夹)!";
}

std::string resultText(int succeeded, int failed) {
    return "已成功处理 " + std::to_string(succeeded) + " 个文件(夹) ; 处理失败 " + std::to_string(failed) + " 个!";
}

bool touched(const RecordingServices& shell, const std::string& path) {
    return std::any_of(shell.calls.begin(), shell.calls.end(), [&](const std::string& call) {
        return call == "createFile " + path || call.rfind("setFileAttributes " + path + " ", 0) == 0;
    });
}

BatchFixture::BatchFixture()
    : browser_([this](const ui::FolderBrowserRequest& request) {
          browserRequests.push_back(request);
          return browserAnswer;
      }) {
    batch_ = batch::openBatchWindow(app::batchWindowLayout, [this] { ++returnsToMainWindow; });
    pump();
}

BatchFixture::~BatchFixture() {
    discardTasks();
    batch_.reset();
    pump();
}

batch::BatchWindow& BatchFixture::batch() const {
    return *batch_;
}

HWND BatchFixture::window() const {
    return batch().window.hwnd();
}

HWND BatchFixture::control(int id) const {
    return batch().control(id);
}

std::vector<Row> BatchFixture::rows() const {
    HWND list = control(batch::fileList);
    std::vector<Row> result;
    for (int row = 0; row < ui::rowCount(list); ++row) {
        result.push_back({ui::cellText(list, row, batch::nameColumn), ui::cellText(list, row, batch::sizeColumn),
                          ui::cellText(list, row, batch::typeColumn), ui::cellText(list, row, batch::pathColumn),
                          ui::cellText(list, row, batch::statusColumn), ui::rowIndent(list, row)});
    }
    return result;
}

std::vector<std::string> BatchFixture::marks() const {
    return columnOf(control(batch::fileList), batch::statusColumn);
}

std::vector<std::string> BatchFixture::paths() const {
    return columnOf(control(batch::fileList), batch::pathColumn);
}

int BatchFixture::rowCount() const {
    return ui::rowCount(control(batch::fileList));
}

int BatchFixture::image(int row) const {
    return ui::rowImage(control(batch::fileList), row);
}

std::string BatchFixture::status() const {
    return ui::statusText(control(batch::statusBar));
}

void BatchFixture::drop(const std::vector<std::string>& paths) const {
    SendMessageW(window(), WM_DROPFILES, reinterpret_cast<WPARAM>(makeDropFiles(paths)), 0);
}

void BatchFixture::click(int id) const {
    SendMessageW(control(id), BM_CLICK, 0, 0);
}

void BatchFixture::pressLabel(int label) const {
    SendMessageW(control(label), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(control(label), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

void BatchFixture::select(const std::vector<int>& rows) const {
    HWND list = control(batch::fileList);
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    for (int row : rows) ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
}

void BatchFixture::rightClick() const {
    NMITEMACTIVATE note{};
    note.hdr.hwndFrom = control(batch::fileList);
    note.hdr.idFrom = batch::fileList;
    note.hdr.code = NM_RCLICK;
    note.iItem = -1;
    SendMessageW(window(), WM_NOTIFY, batch::fileList, reinterpret_cast<LPARAM>(&note));
}

MenuWatcher::MenuWatcher(HWND owner) : owner_(owner) {
    SetWindowSubclass(owner_, procedure, 1, reinterpret_cast<DWORD_PTR>(this));
}

MenuWatcher::~MenuWatcher() {
    RemoveWindowSubclass(owner_, procedure, 1);
}

LRESULT CALLBACK MenuWatcher::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self) {
    auto* watcher = reinterpret_cast<MenuWatcher*>(self);
    if (message == WM_INITMENUPOPUP) {
        auto menu = reinterpret_cast<HMENU>(wParam);
        watcher->openings.push_back({ui::isMenuItemEnabled(menu, batch::removeSelectedItem),
                                     ui::isMenuItemEnabled(menu, batch::clearAllItem),
                                     ui::isMenuItemEnabled(menu, batch::locateFileItem),
                                     ui::isMenuItemEnabled(menu, batch::propertiesItem), POINT{-1, -1}});
    }
    // The menu is up and waits for the user: note where it is and close it.
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU) {
        RECT frame{};
        GetWindowRect(reinterpret_cast<HWND>(lParam), &frame);
        if (!watcher->openings.empty()) watcher->openings.back().topLeft = {frame.left, frame.top};
        EndMenu();
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void postTask(std::function<void()> task) {
    tasks.push_back(std::move(task));
    PostMessageW(taskWindow(), kRunTask, 0, 0);
}

void discardTasks() {
    tasks.clear();
}

InputPendingOn::InputPendingOn(int first, int last)
    : scope_([this, first, last] {
          ++calls;
          return calls >= first && calls <= last;
      }) {}

std::string makeFile(const TempFolder& folder, const std::string& name, const std::string& contents) {
    const std::string path = folder / name;
    writeFile(path, contents);
    return path;
}

}  // namespace testing
