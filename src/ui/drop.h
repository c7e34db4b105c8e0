#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace ui {

// Lets files dropped anywhere on the window arrive as its got-file event. The shell's
// file-drop message is used because it also reaches an elevated window from a normal
// Explorer, with the message filter opened for it.
void registerDropTarget(HWND window);

// The drop text of a drop: one path alone, or two or more paths each followed by CR LF.
std::string dropText(HDROP drop);

}  // namespace ui
