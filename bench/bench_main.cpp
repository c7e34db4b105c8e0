// Prints one line per figure; each compares Tempolis with the floor the platform sets,
// both measured in this run.
#include "batch_figures.h"
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
    const std::string only = argc > 1 && std::strcmp(argv[1], "all") != 0 ? argv[1] : "";
    auto wanted = [&](const char* name) { return only.empty() || only == name; };
    // The folders, made by scripts/bench: argv[2..4] as Windows paths.
    const bench::BenchFolders folders{argc > 2 ? argv[2] : "", argc > 3 ? argv[3] : "", argc > 4 ? argv[4] : ""};
    if (wanted("apply")) bench::measureApply(folders);
    if (wanted("populate")) bench::measurePopulate(folders);
    if (wanted("responsive")) bench::measureResponsiveAndMemory(folders);
    if (wanted("start")) bench::measureStart(windowsPathOf(TEMPOLIS_EXE), windowsPathOf(MINIMAL_EXE));
    return 0;
}
