// The five faces of a sticker's tray button, side by side: up, hover, down,
// latched (its sticker is being carried) and used (already stuck).
#pragma once

#include "Canvas.h"

namespace TrayFace {
Canvas make(int stickerIndex, const Canvas& background);
}
