// Which tile a bitmap button shows. A latched face survives every request
// except a reset or a disable, so a sticker button stays latched while its
// sticker is carried.
#pragma once

#include <cstdint>

enum ButtonState : int {
    StateUp = 0,
    StateHover = 1,
    StateDown = 2,
    StateLatched = 3,
    StateDisabled = 4,
    StateReset = 6,
};

class ButtonFaceState {
public:
    // Applies a request to a face of `tileCount` tiles (2 or 5) and returns
    // the tile to draw.
    int Request(int requested, int tileCount);

    int GetState() const { return m_State; }
    int GetTile() const { return m_Tile; }

private:
    int32_t m_State = StateReset;
    int32_t m_Tile = 0;
};
