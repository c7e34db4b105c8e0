#pragma once
// A Services that records every call (name and first argument) in order, can make named calls
// fail, and otherwise lets the real call through. Install it with platform::ScopedServices, or
// use ServicesRecorder, which does both. Derive from it to substitute a call's result.
#include "platform/services.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace testing {

class RecordingServices : public platform::Services {
public:
    // Every call, as "name" or "name argument" (the path or pattern where there is one).
    std::vector<std::string> calls;
    // Names of calls that fail every time (e.g. "createFile", "setFileTime").
    std::set<std::string> failing;
    // Names of calls that fail only on their n-th occurrence, counted from 1.
    std::map<std::string, int> failingOccurrence;

    // How often a named call was made.
    int count(const std::string& name) const;
    // The recorded calls whose names are in the given set, in order (e.g. to check a step order).
    std::vector<std::string> only(const std::set<std::string>& names) const;

    DWORD getFileAttributes(const std::string& path) override;
    bool setFileAttributes(const std::string& path, DWORD attributes) override;
    HANDLE createFile(const std::string& path, DWORD access, DWORD share, DWORD disposition, DWORD flags) override;
    bool getFileTime(HANDLE file, FILETIME* creation, FILETIME* lastAccess, FILETIME* lastWrite) override;
    bool setFileTime(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess, const FILETIME* lastWrite) override;
    bool closeHandle(HANDLE handle) override;
    HANDLE findFirstFile(const std::string& pattern, WIN32_FIND_DATAW* entry) override;
    bool findNextFile(HANDLE search, WIN32_FIND_DATAW* entry) override;
    bool findClose(HANDLE search) override;
    bool fileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local) override;
    bool localFileTimeToFileTime(const FILETIME* local, FILETIME* utc) override;
    bool fileTimeToSystemTime(const FILETIME* time, SYSTEMTIME* calendar) override;
    bool systemTimeToFileTime(const SYSTEMTIME* calendar, FILETIME* time) override;
    std::string formatByteSize(ULONGLONG bytes) override;
    DWORD_PTR getShellFileInfo(const std::string& path, DWORD attributes, SHFILEINFOW* info, UINT flags) override;
    HRESULT coInitialize() override;
    void coUninitialize() override;
    HRESULT coCreateInstance(REFCLSID classId, IUnknown* outer, DWORD context, REFIID interfaceId, void** object) override;
    HRESULT openFolderAndSelectItems(PCIDLIST_ABSOLUTE folder, UINT count, PCUITEMID_CHILD_ARRAY items, DWORD flags) override;
    void freeIdList(PIDLIST_ABSOLUTE idList) override;
    bool shellExecuteEx(SHELLEXECUTEINFOW* info) override;

protected:
    // Records the call and answers whether it is to fail.
    bool record(const std::string& name, const std::string& argument = {});
};

// A RecordingServices installed for its own lifetime.
class ServicesRecorder : public RecordingServices {
public:
    ServicesRecorder() : scope_(*this) {}

private:
    platform::ScopedServices scope_;
};

}  // namespace testing
