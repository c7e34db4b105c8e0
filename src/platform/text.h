#pragma once
// Every text inside the program is UTF-8; Windows gets UTF-16 at each call.
#include <string>
#include <string_view>

namespace platform {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace platform
