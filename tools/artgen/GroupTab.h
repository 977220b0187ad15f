// A sticker-group tab, 60 x 130: the up face (not chosen) above the down
// face (the group on show), each with the group's emblem.
#pragma once

#include "Canvas.h"

namespace GroupTab {
Canvas make(int group, const Canvas& background);
}
