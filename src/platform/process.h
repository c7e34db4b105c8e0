#pragma once
#include <string>

namespace platform {

// The folder that holds the program file (no trailing backslash).
std::string programFolder();

// Makes the program's folder the current directory, so relative paths resolve against it.
bool setCurrentDirectoryToProgramFolder();

}  // namespace platform
