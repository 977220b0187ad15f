// The play screen around the page: one 1024 x 768 painting from which the
// bars, the sides and the background of every button on them are cut.
#pragma once

#include "Canvas.h"
#include "ScreenLayout.h"

class PlayFrame {
public:
    PlayFrame();
    const Canvas& screen() const { return screen_; }
    Canvas background(const Box& box) const { return screen_.crop(box.x, box.y, box.w, box.h); }
    // Top bar over bottom bar, 1024 x 180.
    Canvas bars() const;
    // Left side beside right side, 180 x 588.
    Canvas sides() const;
    // The four rounded corners of the page in one 32 x 8 strip.
    static Canvas corners();

    static const uint32_t RIM = 0x2E5E1E;

private:
    Canvas screen_;
};
