// The real shell and COM calls behind Services.
#include "platform/long_path.h"
#include "platform/services.h"
#include "platform/text.h"

#include <shlwapi.h>

namespace platform {

std::string Services::formatByteSize(ULONGLONG bytes) {
    wchar_t buffer[100] = {};
    if (!StrFormatByteSizeW(static_cast<LONGLONG>(bytes), buffer, 100)) return {};
    return narrow(buffer);
}

DWORD_PTR Services::getShellFileInfo(const std::string& path, DWORD attributes, SHFILEINFOW* info, UINT flags) {
    return SHGetFileInfoW(windowsPath(path).c_str(), attributes, info, sizeof(*info), flags);
}

HRESULT Services::coInitialize() {
    return CoInitialize(nullptr);
}

void Services::coUninitialize() {
    CoUninitialize();
}

HRESULT Services::coCreateInstance(REFCLSID classId, IUnknown* outer, DWORD context, REFIID interfaceId, void** object) {
    return CoCreateInstance(classId, outer, context, interfaceId, object);
}

HRESULT Services::openFolderAndSelectItems(PCIDLIST_ABSOLUTE folder, UINT count, PCUITEMID_CHILD_ARRAY items, DWORD flags) {
    return SHOpenFolderAndSelectItems(folder, count, items, flags);
}

void Services::freeIdList(PIDLIST_ABSOLUTE idList) {
    CoTaskMemFree(idList);
}

bool Services::shellExecuteEx(SHELLEXECUTEINFOW* info) {
    return ShellExecuteExW(info) != FALSE;
}

}  // namespace platform
