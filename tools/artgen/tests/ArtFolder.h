// The art folder the build painted, which the program is built from, read
// with the program's own picture reader.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "Fonts.h"
#include "imaging/CMemoryDIB.h"

const std::string ART_FOLDER = ARTGEN_BUILD_ART_DIR;

// A picture of the art folder; one that does not load fails the test.
struct ArtPicture : CMemoryDIB {
    explicit ArtPicture(const std::string& relative) : CMemoryDIB(1, 1)
    {
        EXPECT_TRUE(LoadFile(ART_FOLDER + "/" + relative)) << relative;
    }
    // 0xRRGGBB, as the generator paints.
    uint32_t at(int x, int y) const
    {
        COLORREF colour = 0;
        GetPixel(x, y, &colour);
        return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
    }
};

// The fonts the tests draw with are let go before the leak check at exit.
struct FontsReleased {
    ~FontsReleased() { Fonts::release(); }
};
inline FontsReleased fontsReleased;
