#include "support/recording_services.h"

#include <algorithm>

namespace testing {

int RecordingServices::count(const std::string& name) const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const std::string& call) {
        return call == name || call.rfind(name + " ", 0) == 0;
    }));
}

std::vector<std::string> RecordingServices::only(const std::set<std::string>& names) const {
    std::vector<std::string> result;
    for (const std::string& call : calls) {
        const std::string name = call.substr(0, call.find(' '));
        if (names.count(name)) result.push_back(call);
    }
    return result;
}

bool RecordingServices::record(const std::string& name, const std::string& argument) {
    calls.push_back(argument.empty() ? name : name + " " + argument);
    if (failing.count(name)) return true;
    auto occurrence = failingOccurrence.find(name);
    return occurrence != failingOccurrence.end() && occurrence->second == count(name);
}

DWORD RecordingServices::getFileAttributes(const std::string& path) {
    if (record("getFileAttributes", path)) return INVALID_FILE_ATTRIBUTES;
    return Services::getFileAttributes(path);
}

bool RecordingServices::setFileAttributes(const std::string& path, DWORD attributes) {
    if (record("setFileAttributes", path + " " + std::to_string(attributes))) return false;
    return Services::setFileAttributes(path, attributes);
}

HANDLE RecordingServices::createFile(const std::string& path, DWORD access, DWORD share, DWORD disposition, DWORD flags) {
    if (record("createFile", path)) return INVALID_HANDLE_VALUE;
    return Services::createFile(path, access, share, disposition, flags);
}

bool RecordingServices::getFileTime(HANDLE file, FILETIME* creation, FILETIME* lastAccess, FILETIME* lastWrite) {
    if (record("getFileTime")) return false;
    return Services::getFileTime(file, creation, lastAccess, lastWrite);
}

bool RecordingServices::setFileTime(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess,
                                    const FILETIME* lastWrite) {
    if (record("setFileTime")) return false;
    return Services::setFileTime(file, creation, lastAccess, lastWrite);
}

bool RecordingServices::closeHandle(HANDLE handle) {
    const bool fail = record("closeHandle");
    // A handle is always released, even when the test pretends the call failed.
    const bool closed = Services::closeHandle(handle);
    return fail ? false : closed;
}

HANDLE RecordingServices::findFirstFile(const std::string& pattern, WIN32_FIND_DATAW* entry) {
    if (record("findFirstFile", pattern)) return INVALID_HANDLE_VALUE;
    return Services::findFirstFile(pattern, entry);
}

bool RecordingServices::findNextFile(HANDLE search, WIN32_FIND_DATAW* entry) {
    if (record("findNextFile")) return false;
    return Services::findNextFile(search, entry);
}

bool RecordingServices::findClose(HANDLE search) {
    const bool fail = record("findClose");
    const bool closed = Services::findClose(search);
    return fail ? false : closed;
}

bool RecordingServices::fileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local) {
    if (record("fileTimeToLocalFileTime")) return false;
    return Services::fileTimeToLocalFileTime(utc, local);
}

bool RecordingServices::localFileTimeToFileTime(const FILETIME* local, FILETIME* utc) {
    if (record("localFileTimeToFileTime")) return false;
    return Services::localFileTimeToFileTime(local, utc);
}

bool RecordingServices::fileTimeToSystemTime(const FILETIME* time, SYSTEMTIME* calendar) {
    if (record("fileTimeToSystemTime")) return false;
    return Services::fileTimeToSystemTime(time, calendar);
}

bool RecordingServices::systemTimeToFileTime(const SYSTEMTIME* calendar, FILETIME* time) {
    if (record("systemTimeToFileTime")) return false;
    return Services::systemTimeToFileTime(calendar, time);
}

std::string RecordingServices::formatByteSize(ULONGLONG bytes) {
    if (record("formatByteSize", std::to_string(bytes))) return {};
    return Services::formatByteSize(bytes);
}

DWORD_PTR RecordingServices::getShellFileInfo(const std::string& path, DWORD attributes, SHFILEINFOW* info, UINT flags) {
    if (record("getShellFileInfo", path + " " + std::to_string(flags))) return 0;
    return Services::getShellFileInfo(path, attributes, info, flags);
}

HRESULT RecordingServices::coInitialize() {
    if (record("coInitialize")) return E_FAIL;
    return Services::coInitialize();
}

void RecordingServices::coUninitialize() {
    record("coUninitialize");
    Services::coUninitialize();
}

HRESULT RecordingServices::coCreateInstance(REFCLSID classId, IUnknown* outer, DWORD context, REFIID interfaceId,
                                            void** object) {
    if (record("coCreateInstance")) {
        *object = nullptr;
        return E_FAIL;
    }
    return Services::coCreateInstance(classId, outer, context, interfaceId, object);
}

// The real call would open a folder window (another program under Wine): never let it run.
HRESULT RecordingServices::openFolderAndSelectItems(PCIDLIST_ABSOLUTE, UINT, PCUITEMID_CHILD_ARRAY, DWORD) {
    return record("openFolderAndSelectItems") ? E_FAIL : S_OK;
}

void RecordingServices::freeIdList(PIDLIST_ABSOLUTE idList) {
    record("freeIdList");
    Services::freeIdList(idList);
}

// The real call would open a properties sheet: never let it run.
bool RecordingServices::shellExecuteEx(SHELLEXECUTEINFOW* info) {
    if (record("shellExecuteEx")) {
        info->hInstApp = reinterpret_cast<HINSTANCE>(SE_ERR_NOASSOC);
        return false;
    }
    info->hInstApp = reinterpret_cast<HINSTANCE>(42);
    return true;
}

}  // namespace testing
