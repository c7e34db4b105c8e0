#include "platform/process.h"

#include "platform/long_path.h"
#include "platform/text.h"

#include <windows.h>

namespace platform {

std::string programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return narrow(path.substr(0, path.rfind(L'\\')));
}

bool setCurrentDirectoryToProgramFolder() {
    return SetCurrentDirectoryW(windowsPath(programFolder()).c_str()) != FALSE;
}

}  // namespace platform
