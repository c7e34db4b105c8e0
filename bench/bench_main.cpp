// Prints one line per figure; each compares Tempolis with the floor the platform sets,
// both measured in this run.
#include "start_figure.h"
#include "support/program.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string windowsPathOf(const char* built) {
    return testing::dosPath(built);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    auto wanted = [&](const char* name) { return only.empty() || only == name; };
    if (wanted("start")) bench::measureStart(windowsPathOf(TEMPOLIS_EXE), windowsPathOf(MINIMAL_EXE));
    return 0;
}
