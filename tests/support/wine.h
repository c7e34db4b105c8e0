#pragma once
// Where Wine's behaviour differs from Windows, a test asks here and says why in a comment.
#include <windows.h>

namespace testing {

// ntdll exports wine_get_version only under Wine.
inline bool runningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace testing
