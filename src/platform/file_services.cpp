// The real file and time calls behind Services.
#include "platform/long_path.h"
#include "platform/services.h"

namespace platform {

DWORD Services::getFileAttributes(const std::string& path) {
    return GetFileAttributesW(windowsPath(path).c_str());
}

bool Services::setFileAttributes(const std::string& path, DWORD attributes) {
    return SetFileAttributesW(windowsPath(path).c_str(), attributes) != FALSE;
}

HANDLE Services::createFile(const std::string& path, DWORD access, DWORD share, DWORD disposition, DWORD flags) {
    return CreateFileW(windowsPath(path).c_str(), access, share, nullptr, disposition, flags, nullptr);
}

bool Services::getFileTime(HANDLE file, FILETIME* creation, FILETIME* lastAccess, FILETIME* lastWrite) {
    return GetFileTime(file, creation, lastAccess, lastWrite) != FALSE;
}

bool Services::setFileTime(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess, const FILETIME* lastWrite) {
    return SetFileTime(file, creation, lastAccess, lastWrite) != FALSE;
}

bool Services::closeHandle(HANDLE handle) {
    return CloseHandle(handle) != FALSE;
}

HANDLE Services::findFirstFile(const std::string& pattern, WIN32_FIND_DATAW* entry) {
    return FindFirstFileW(windowsPath(pattern).c_str(), entry);
}

bool Services::findNextFile(HANDLE search, WIN32_FIND_DATAW* entry) {
    return FindNextFileW(search, entry) != FALSE;
}

bool Services::findClose(HANDLE search) {
    return FindClose(search) != FALSE;
}

bool Services::fileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local) {
    return FileTimeToLocalFileTime(utc, local) != FALSE;
}

bool Services::localFileTimeToFileTime(const FILETIME* local, FILETIME* utc) {
    return LocalFileTimeToFileTime(local, utc) != FALSE;
}

bool Services::fileTimeToSystemTime(const FILETIME* time, SYSTEMTIME* calendar) {
    return FileTimeToSystemTime(time, calendar) != FALSE;
}

bool Services::systemTimeToFileTime(const SYSTEMTIME* calendar, FILETIME* time) {
    return SystemTimeToFileTime(calendar, time) != FALSE;
}

}  // namespace platform
