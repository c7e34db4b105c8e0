#pragma once
// Everything the single-file editor shows about one path, read in one go.
#include "core/attributes.h"
#include "core/date_time.h"

#include <cstdint>
#include <string>

namespace core {

struct FileSnapshot {
    std::uint64_t size = 0;
    std::string sizeText;  // longSizeText(size)
    bool hasTimes = false;
    // Local times; EmptyDateTime unless hasTimes.
    DateTime created = EmptyDateTime;
    DateTime modified = EmptyDateTime;
    DateTime accessed = EmptyDateTime;
    AttributeMask attributes = -1;
};

// Never fails: each part is read on its own, so a file that cannot be opened still gets its
// size and flags, and a folder (which needs backup semantics to open) gets no times.
FileSnapshot readFileSnapshot(const std::string& path);

// The size in the path's directory entry, all 64 bits; 0 when there is no entry.
std::uint64_t fileSizeValue(const std::string& path);

// The platform's abbreviated size text, such as "1.50 KB".
std::string shortSizeText(std::uint64_t size);

// The short text followed by the exact count: "1.50 KB (1,536 字节)".
std::string longSizeText(std::uint64_t size);

}  // namespace core
