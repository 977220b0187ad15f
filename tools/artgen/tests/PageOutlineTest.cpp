// Each page shows a faint outline of every sticker that belongs on it, at its
// place, and nothing else changes the painted scene.
#include "ArtFolder.h"

#include "PageScene.h"
#include "PictureFile.h"
#include "sticker/PlaceTable.h"

#include <gtest/gtest.h>

#include <cstdio>

TEST(PageOutlines, MarkExactlyThePlacesOfThePagesStickers)
{
    for (int pageNumber : {1, 2}) {
        char file[32];
        std::snprintf(file, sizeof file, "data004/p%04d.dat", pageNumber);
        const ArtPicture page(file);
        const int width = page.GetWidth(), height = page.GetHeight();
        ASSERT_EQ(844, width);
        const Canvas scene = PageScene::scene(pageNumber);
        std::vector<bool> covered(size_t(width) * height, false);
        int stickers = 0;
        for (int i = 0; i < NUMBEROFSTICKERGRAPHICS; ++i) {
            if (STICKER_PLACES[i].page != pageNumber)
                continue;
            ++stickers;
            std::snprintf(file, sizeof file, "data004/s%02d%02d.dat", i / 28 + 1, i % 28 + 1);
            const ArtPicture sticker(file);
            int inside = 0, marked = 0;
            for (int y = 0; y < sticker.GetHeight(); ++y) {
                for (int x = 0; x < sticker.GetWidth(); ++x) {
                    const int px = STICKER_PLACES[i].x + x, py = STICKER_PLACES[i].y + y;
                    if (sticker.at(x, y) == PictureFile::KEY || px < 0 || py < 0 || px >= width || py >= height)
                        continue;
                    covered[size_t(py) * width + px] = true;
                    ++inside;
                    marked += page.at(px, py) != PictureFile::colourOf(scene.pixel(px, py));
                }
            }
            EXPECT_GT(marked, inside * 9 / 10) << "sticker " << i << " on page " << pageNumber;
        }
        EXPECT_EQ(pageNumber == 1 ? 6 : 10, stickers);
        int strays = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                strays += !covered[size_t(y) * width + x] && page.at(x, y) != PictureFile::colourOf(scene.pixel(x, y));
        EXPECT_EQ(0, strays) << "page " << pageNumber << " changed outside its stickers' places";
    }
}
