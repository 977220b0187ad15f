// The title screen: the 8 x 8 pattern that tiles the screen, the 460 x 468
// title picture drawn over it, and the Start button inside that picture.
#pragma once

#include "Canvas.h"

namespace TitleScreen {
Canvas pattern();
Canvas picture();
// Up over down, 124 x 100, painted on the title picture where it sits.
Canvas startButton(const Canvas& picture);
}
