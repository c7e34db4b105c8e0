#pragma once
// The thin layer over the Windows file and shell services. Every call whose outcome the
// program depends on goes through one Services object, so that a test can make any one call
// fail, substitute what it returns, or record the calls in order (derive from Services,
// override, and install with ScopedServices). Production pays one virtual call.
//
// Paths are UTF-8; each call turns them into UTF-16 (long paths included, see long_path.h)
// and calls the wide function.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

namespace platform {

class Services {
public:
    virtual ~Services() = default;

    // Files and folders.
    virtual DWORD getFileAttributes(const std::string& path);  // INVALID_FILE_ATTRIBUTES on failure
    virtual bool setFileAttributes(const std::string& path, DWORD attributes);
    virtual HANDLE createFile(const std::string& path, DWORD access, DWORD share, DWORD disposition, DWORD flags);
    virtual bool getFileTime(HANDLE file, FILETIME* creation, FILETIME* lastAccess, FILETIME* lastWrite);
    virtual bool setFileTime(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess, const FILETIME* lastWrite);
    virtual bool closeHandle(HANDLE handle);
    virtual HANDLE findFirstFile(const std::string& pattern, WIN32_FIND_DATAW* entry);  // INVALID_HANDLE_VALUE when nothing matches
    virtual bool findNextFile(HANDLE search, WIN32_FIND_DATAW* entry);
    virtual bool findClose(HANDLE search);

    // Time conversions; each works on records the caller owns.
    virtual bool fileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local);
    virtual bool localFileTimeToFileTime(const FILETIME* local, FILETIME* utc);
    virtual bool fileTimeToSystemTime(const FILETIME* time, SYSTEMTIME* calendar);
    virtual bool systemTimeToFileTime(const SYSTEMTIME* calendar, FILETIME* time);

    // Shell.
    virtual std::string formatByteSize(ULONGLONG bytes);  // the abbreviated size text
    virtual DWORD_PTR getShellFileInfo(const std::string& path, DWORD attributes, SHFILEINFOW* info, UINT flags);
    virtual HRESULT coInitialize();
    virtual void coUninitialize();
    virtual HRESULT coCreateInstance(REFCLSID classId, IUnknown* outer, DWORD context, REFIID interfaceId, void** object);
    virtual HRESULT openFolderAndSelectItems(PCIDLIST_ABSOLUTE folder, UINT count, PCUITEMID_CHILD_ARRAY items, DWORD flags);
    virtual void freeIdList(PIDLIST_ABSOLUTE idList);  // the shell allocator's Free
    virtual bool shellExecuteEx(SHELLEXECUTEINFOW* info);
};

// The Services object in use: the real one unless a test installed another.
Services& services();

// Installs a test's Services for the lifetime of this object, then restores the previous one.
class ScopedServices {
public:
    explicit ScopedServices(Services& replacement);
    ~ScopedServices();
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

private:
    Services* previous_;
};

}  // namespace platform
