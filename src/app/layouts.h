#pragma once
#include "ui/layout.h"

namespace app {

extern const ui::WindowLayout mainWindowLayout;
extern const ui::WindowLayout batchWindowLayout;

}  // namespace app
