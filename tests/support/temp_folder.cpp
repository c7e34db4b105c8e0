#include "support/temp_folder.h"

#include "platform/long_path.h"
#include "platform/text.h"

#include <windows.h>

#include <atomic>
#include <stdexcept>

namespace testing {
namespace {

std::string tempRoot() {
    wchar_t buffer[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, buffer);
    std::string root = platform::narrow(buffer);
    if (!root.empty() && root.back() == '\\') root.pop_back();
    return root;
}

}  // namespace

TempFolder::TempFolder() {
    static std::atomic<unsigned> counter{0};
    const std::string root = tempRoot();
    for (;;) {
        path_ = root + "\\tempolis-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
        if (CreateDirectoryW(platform::windowsPath(path_).c_str(), nullptr)) return;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create " + path_);
    }
}

TempFolder::~TempFolder() {
    removeTree(path_);
}

void writeFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(platform::windowsPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + path);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string readFile(const std::string& path) {
    HANDLE file = CreateFileW(platform::windowsPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path);
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

void makeFolder(const std::string& path) {
    if (!CreateDirectoryW(platform::windowsPath(path).c_str(), nullptr))
        throw std::runtime_error("cannot create folder " + path);
}

void makeSparseFile(const std::string& path, unsigned long long size) {
    HANDLE file = CreateFileW(platform::windowsPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + path);
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
}

void removeTree(const std::string& path) {
    const std::wstring wide = platform::windowsPath(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(wide.c_str());
        return;
    }
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(platform::windowsPath(path + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = platform::narrow(entry.cFileName);
            if (name != "." && name != "..") removeTree(path + "\\" + name);
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(wide.c_str());
}

}  // namespace testing
