#pragma once
// Items of a popup menu, by their ids.
#include <windows.h>

namespace ui {

void setMenuItemEnabled(HMENU menu, int id, bool enabled);
bool isMenuItemEnabled(HMENU menu, int id);

}  // namespace ui
