#include "core/file_snapshot.h"

#include "platform/handles.h"
#include "platform/services.h"

namespace core {
namespace {

// "4294967295" -> "4,294,967,295"
std::string groupedDigits(std::uint64_t value) {
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

}  // namespace

FileSnapshot readFileSnapshot(const std::string& path) {
    FileSnapshot snapshot;
    snapshot.size = fileSizeValue(path);
    snapshot.sizeText = longSizeText(snapshot.size);

    {
        // Read access shared with readers only: a file someone is writing gives no times.
        platform::FileHandle file(platform::services().createFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING,
                                                                  FILE_ATTRIBUTE_NORMAL));
        FILETIME creation = {}, lastAccess = {}, lastWrite = {};
        if (file.isOpen() && platform::services().getFileTime(file.get(), &creation, &lastAccess, &lastWrite)) {
            snapshot.created = fileTimeToDateTime(creation);
            snapshot.modified = fileTimeToDateTime(lastWrite);
            snapshot.accessed = fileTimeToDateTime(lastAccess);
            snapshot.hasTimes = true;
        }
    }

    snapshot.attributes = readAttributes(path);
    return snapshot;
}

std::uint64_t fileSizeValue(const std::string& path) {
    WIN32_FIND_DATAW entry = {};
    platform::FindHandle search(platform::services().findFirstFile(path, &entry));
    if (!search.isOpen()) return 0;
    return (static_cast<std::uint64_t>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
}

std::string shortSizeText(std::uint64_t size) {
    return platform::services().formatByteSize(size);
}

std::string longSizeText(std::uint64_t size) {
    return shortSizeText(size) + " (" + groupedDigits(size) + " 字节)";
}

}  // namespace core
