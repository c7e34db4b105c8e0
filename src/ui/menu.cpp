#include "ui/menu.h"

namespace ui {

void setMenuItemEnabled(HMENU menu, int id, bool enabled) {
    EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool isMenuItemEnabled(HMENU menu, int id) {
    const UINT state = GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

}  // namespace ui
