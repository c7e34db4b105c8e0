#include "core/apply_times.h"

#include "platform/handles.h"
#include "platform/services.h"

namespace core {
namespace {

// One time stamp of a call: the new value, when one was given.
struct NewTime {
    bool given = false;
    FILETIME value = {};
};

// False when a given DateTime has no FILETIME.
bool convertNewTime(DateTime time, NewTime& result) {
    if (isEmptyDateTime(time)) return true;
    result.given = true;
    return dateTimeToFileTime(time, result.value);
}

// Opens the path for writing, keeps the current value of every time not given, and writes
// all three at once. The handle is closed before this returns.
bool writeTimes(const std::string& path, AttributeMask found, const NewTime& created, const NewTime& modified,
                const NewTime& accessed) {
    // A folder opens only with backup semantics.
    const DWORD flags = (found & DirectoryFlag) ? FILE_FLAG_BACKUP_SEMANTICS : FILE_ATTRIBUTE_NORMAL;
    platform::FileHandle file(platform::services().createFile(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                                              OPEN_EXISTING, flags));
    if (!file.isOpen()) return false;

    FILETIME creation = {}, lastAccess = {}, lastWrite = {};
    if (!created.given || !modified.given || !accessed.given) {
        if (!platform::services().getFileTime(file.get(), &creation, &lastAccess, &lastWrite)) return false;
    }
    if (created.given) creation = created.value;
    if (modified.given) lastWrite = modified.value;
    if (accessed.given) lastAccess = accessed.value;
    return platform::services().setFileTime(file.get(), &creation, &lastAccess, &lastWrite);
}

}  // namespace

bool applyTimesAndAttributes(const std::string& path, DateTime created, DateTime modified, DateTime accessed,
                             AttributeMask attributes) {
    // Converted first, so that a time the file system cannot hold changes nothing.
    NewTime newCreated, newModified, newAccessed;
    if (!convertNewTime(created, newCreated) || !convertNewTime(modified, newModified) ||
        !convertNewTime(accessed, newAccessed))
        return false;

    const AttributeMask found = readAttributes(path);
    if (found == -1) return false;

    // A read-only file cannot be opened for writing: clear the flags for the duration.
    const bool cleared = (found & ReadOnlyFlag) != 0;
    if (cleared && !writeAttributes(path, 0)) return false;

    const bool written = writeTimes(path, found, newCreated, newModified, newAccessed);

    // The asked flags, or the found ones after a failure or with KeepAttributes; the answer is
    // about the times, so this write's outcome does not change it.
    if (written && attributes != KeepAttributes) {
        writeAttributes(path, attributes);
    } else if (cleared) {
        writeAttributes(path, found);
    }
    return written;
}

}  // namespace core
