#pragma once
#include <windows.h>

namespace ui {

// A bitmap of the program's GIF resource of that name (resource type "GIF"), or nullptr.
// The caller owns the bitmap.
HBITMAP loadGifResource(const char* name);

}  // namespace ui
