#pragma once
// The attribute flags the program reads and writes.
#include <cstdint>
#include <string>

namespace core {

// A set of flags: read-only 1, hidden 2, system 4, directory 16, archive 32; -1 when unreadable.
using AttributeMask = std::int32_t;

inline constexpr AttributeMask ReadOnlyFlag = 1;
inline constexpr AttributeMask HiddenFlag = 2;
inline constexpr AttributeMask SystemFlag = 4;
inline constexpr AttributeMask DirectoryFlag = 16;
inline constexpr AttributeMask ArchiveFlag = 32;

// Asks applyTimesAndAttributes to leave the four flags as found.
inline constexpr AttributeMask KeepAttributes = -1;

// The path's flags restricted to the five above, or -1 when they cannot be read.
AttributeMask readAttributes(const std::string& path);

// Sets the path's flags to exactly read-only, hidden, system and archive of `attributes`;
// the directory bit and every other bit are never written.
bool writeAttributes(const std::string& path, AttributeMask attributes);

}  // namespace core
