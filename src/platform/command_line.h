#pragma once
#include <optional>
#include <string>

namespace platform {

// The process's command line in UTF-8 (read as UTF-16), program name first.
std::string commandLine();

// Tests replace the command line so that a test runner's own arguments never reach the
// program's routing; std::nullopt restores the real one.
void replaceCommandLine(std::optional<std::string> text);

}  // namespace platform
