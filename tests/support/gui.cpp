#include "support/gui.h"

#include "platform/text.h"
#include "ui/pump.h"

#include <shlobj.h>

#include <cstring>

namespace testing {

void pump() {
    for (int round = 0; round < 5; ++round) ui::processPendingEvents();
}

MessageBoxScript::MessageBoxScript(std::deque<int> scripted, int fallback)
    : answers(std::move(scripted)), otherwise(fallback), scope_([this](const ui::MessageBoxCall& call) {
          shown.push_back(call);
          if (answers.empty()) return otherwise;
          const int answer = answers.front();
          answers.pop_front();
          return answer;
      }) {}

HGLOBAL makeDropFiles(const std::vector<std::string>& paths) {
    std::wstring names;
    for (const std::string& path : paths) {
        names += platform::widen(path);
        names += L'\0';
    }
    names += L'\0';
    const size_t bytes = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GHND, bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(block);
    return block;
}

RECT rectInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring className(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

int clientHeight(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return client.bottom;
}

}  // namespace testing
