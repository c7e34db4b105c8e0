#pragma once
#include <string>

namespace bench {

// The folders the figures work on: `files10k` holds 10,000 files, `files1k` 1,000 and
// `files50k` 50,000 (made by scripts/bench on the private drive).
struct BenchFolders {
    std::string files1k;
    std::string files10k;
    std::string files50k;
};

void measureApply(const BenchFolders& folders);
void measurePopulate(const BenchFolders& folders);
void measureResponsiveAndMemory(const BenchFolders& folders);

}  // namespace bench
