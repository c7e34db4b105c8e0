#include "platform/command_line.h"

#include "platform/text.h"

#include <windows.h>

namespace platform {
namespace {

std::optional<std::string> replacement;

}  // namespace

std::string commandLine() {
    if (replacement) return *replacement;
    return narrow(GetCommandLineW());
}

void replaceCommandLine(std::optional<std::string> text) {
    replacement = std::move(text);
}

}  // namespace platform
