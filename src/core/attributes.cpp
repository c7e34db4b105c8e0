#include "core/attributes.h"

#include "platform/services.h"

namespace core {
namespace {

constexpr DWORD ReadableBits = 0x37;
constexpr DWORD WritableBits = 0x27;

}  // namespace

AttributeMask readAttributes(const std::string& path) {
    const DWORD found = platform::services().getFileAttributes(path);
    if (found == INVALID_FILE_ATTRIBUTES) return -1;
    return static_cast<AttributeMask>(found & ReadableBits);
}

bool writeAttributes(const std::string& path, AttributeMask attributes) {
    return platform::services().setFileAttributes(path, static_cast<DWORD>(attributes) & WritableBits);
}

}  // namespace core
