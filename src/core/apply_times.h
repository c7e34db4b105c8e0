#pragma once
// The one operation through which the editors change a path's times and flags.
#include "core/attributes.h"
#include "core/date_time.h"

#include <string>

namespace core {

// Sets the three times of a file or folder (EmptyDateTime leaves that time as it is) and its
// four flags (`attributes`, or KeepAttributes to leave them). True when the times were
// written; the final flag write does not change the answer. On every failure the flags end as
// found, and a time without FILETIME is refused before anything is touched.
bool applyTimesAndAttributes(const std::string& path, DateTime created, DateTime modified, DateTime accessed,
                             AttributeMask attributes);

}  // namespace core
