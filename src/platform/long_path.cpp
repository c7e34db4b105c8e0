#include "platform/long_path.h"

#include "platform/text.h"

#include <windows.h>

namespace platform {
namespace {

// Full path against the current directory; the buffer grows until the name fits.
std::wstring absolutePath(const std::wstring& path) {
    std::wstring buffer(path.size() + MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
        if (length == 0) return path;
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(length + 1);
    }
}

bool startsWith(const std::wstring& text, const wchar_t* prefix) {
    return text.rfind(prefix, 0) == 0;
}

}  // namespace

std::wstring windowsPath(const std::string& utf8Path) {
    std::wstring path = widen(utf8Path);
    // MAX_PATH counts the terminating zero, so a path of MAX_PATH units is already too long.
    if (path.size() < MAX_PATH || startsWith(path, L"\\\\?\\")) return path;
    std::wstring full = absolutePath(path);
    if (startsWith(full, L"\\\\?\\") || startsWith(full, L"\\\\.\\")) return full;
    if (startsWith(full, L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

}  // namespace platform
