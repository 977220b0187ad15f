// The face of a bitmap button: a tiled picture that remembers the state it
// was last drawn in.
#pragma once

#include "controls/ButtonFaceState.h"
#include "controls/TiledBitmap.h"

class ButtonPicture : public TiledBitmap {
public:
    // Applies the state rule, then draws the resulting tile at `at`.
    bool SetStateAndDraw(HDC dc, int requested, POINT at);

    int GetState() const { return m_Face.GetState(); }
    int GetTile() const { return m_Face.GetTile(); }

private:
    ButtonFaceState m_Face;
};
