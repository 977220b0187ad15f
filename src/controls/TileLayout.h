// Where the tiles of one picture lie: one tile per visual state or number.
#pragma once

#include <cstdint>
#include <string>

// A tile as its corner and its size (not a right/bottom corner), in picture pixels.
struct TileRect {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

class TileLayout {
public:
    TileLayout() = default;
    // `tiles` is a static table of `count` rectangles; it is not copied.
    TileLayout(int count, const TileRect* tiles, const std::string& fileName);

    int GetTileCount() const { return m_TileCount; }
    // No bounds check: the index must be below the tile count.
    const TileRect& GetTile(int index) const { return m_Tiles[index]; }
    const std::string& GetFileName() const { return m_FileName; }

private:
    int32_t m_TileCount = 0;
    const TileRect* m_Tiles = nullptr;
    std::string m_FileName;
};
