#pragma once
#include <string>

namespace platform {

// The UTF-16 form of a path as Windows should receive it. A path too long for the classic
// limit is made absolute and given the \\?\ form (\\?\UNC\ for network paths); every other
// path, the empty one included, is passed exactly as received.
std::wstring windowsPath(const std::string& utf8Path);

}  // namespace platform
