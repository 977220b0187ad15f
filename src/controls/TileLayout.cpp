#include "controls/TileLayout.h"

TileLayout::TileLayout(int count, const TileRect* tiles, const std::string& fileName)
    : m_TileCount(count), m_Tiles(tiles), m_FileName(fileName)
{
}
