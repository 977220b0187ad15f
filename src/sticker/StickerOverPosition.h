// Whether the carried sticker is close enough to its own place on the page
// shown to stick there: strictly within 20 pixels on each axis.
#pragma once

#include "sticker/CValidatable.h"

class CAnimDoc;
class CAnimView;

class StickerOverPosition : public CValidatable {
public:
    static constexpr int SNAP_TOLERANCE = 20;

    // Links the check to the page, once at start-up.
    static void Init(CAnimView* view, CAnimDoc* document);

    bool IsValid() override;
    // 1 when the carried sticker is on its place, after moving it exactly
    // onto it; 0 otherwise (also when nothing is carried).
    int Check();

private:
    static CAnimView* animView;
    static CAnimDoc* animDoc;
};
