#include "controls/TiledBitmap.h"

#include "imaging/CFileManager.h"
#include "support/Log.h"

bool TiledBitmap::DrawTile(HDC dc, int index, POINT at)
{
    if (!m_Layout || index < 0 || index >= m_Layout->GetTileCount()) {
        LogMessage("TiledBitmap::DrawTile: No tile %i", index);
        return false;
    }
    const TileRect& tile = m_Layout->GetTile(index);
    const int source[4] = {tile.x, tile.y, tile.width, tile.height};
    return Draw(dc, at, source);
}

bool TiledBitmap::LoadFromLayout(HWND window)
{
    if (!m_Layout)
        return false;
    CFileManager file(true);
    if (!file.OpenRead(m_Layout->GetFileName())) {
        LogMessage("TiledBitmap::LoadFromLayout: Unable to open %s",
                   m_Layout->GetFileName().c_str());
        return false;
    }
    const bool read = ReadSection(file, window);
    file.Close();
    return read;
}
