// Drives a running Tempolis from outside, for scripts/screenshots:
//   tempolis_driver rect CLASS        prints the visible window's rectangle: left top width height
//   tempolis_driver run               presses BatchWindow's modify button and answers every box
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND waitForWindow(const wchar_t* className, DWORD milliseconds = 20000) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        HWND window = FindWindowW(className, nullptr);
        if (window && IsWindowVisible(window)) return window;
        if (GetTickCount64() > end) return nullptr;
        Sleep(100);
    }
}

// The message box owned by `owner`, if one is open.
HWND findMessageBox(HWND owner) {
    for (HWND box = FindWindowW(L"#32770", nullptr); box; box = FindWindowExW(nullptr, box, L"#32770", nullptr))
        if (GetWindow(box, GW_OWNER) == owner && IsWindowVisible(box)) return box;
    return nullptr;
}

int printRect(const wchar_t* className) {
    HWND window = waitForWindow(className);
    if (!window) return 1;
    Sleep(1000);  // let it finish painting
    RECT rect;
    GetWindowRect(window, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return 0;
}

// Presses Yes or OK on each box until the closing information box is gone.
int runBatch() {
    HWND batch = waitForWindow(L"TempolisBatchWindow");
    if (!batch) return 1;
    Sleep(1000);
    PostMessageW(GetDlgItem(GetDlgItem(batch, 200), 212), BM_CLICK, 0, 0);  // batchGroup, batchModifyButton
    for (ULONGLONG end = GetTickCount64() + 30000; GetTickCount64() < end; Sleep(100)) {
        HWND box = findMessageBox(batch);
        if (!box) continue;
        wchar_t text[256] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 256);  // the message box's text
        const bool question = GetDlgItem(box, IDYES) != nullptr;
        PostMessageW(box, WM_COMMAND, question ? IDYES : IDOK, 0);
        if (std::wcscmp(text, L"批量处理完毕!") == 0) return 0;  // the run's closing box
        Sleep(300);
    }
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 3 && std::wcscmp(argv[1], L"rect") == 0) return printRect(argv[2]);
    if (argc >= 2 && std::wcscmp(argv[1], L"run") == 0) return runBatch();
    std::fprintf(stderr, "usage: tempolis_driver rect CLASS | run\n");
    return 2;
}
