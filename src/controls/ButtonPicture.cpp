#include "controls/ButtonPicture.h"

bool ButtonPicture::SetStateAndDraw(HDC dc, int requested, POINT at)
{
    const int tileCount = GetLayout() ? GetLayout()->GetTileCount() : 0;
    return DrawTile(dc, m_Face.Request(requested, tileCount), at);
}
