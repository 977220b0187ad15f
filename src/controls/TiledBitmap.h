// A picture cut into tiles, one per visual state or number, drawn one tile
// at a time.
#pragma once

#include "controls/TileLayout.h"
#include "imaging/CDIBSection.h"

class TiledBitmap : public CDIBSection {
public:
    TiledBitmap() = default;
    ~TiledBitmap() override = default;

    // The layout names the picture file; it is not owned.
    void SetLayout(const TileLayout* layout) { m_Layout = layout; }
    const TileLayout* GetLayout() const { return m_Layout; }

    // Copies tile `index` with its top-left corner at `at`. False (traced)
    // for an index outside the layout or an empty picture.
    virtual bool DrawTile(HDC dc, int index, POINT at);
    // Reads the layout's picture file; nothing without a layout.
    bool LoadFromLayout(HWND window);

private:
    const TileLayout* m_Layout = nullptr;
};
