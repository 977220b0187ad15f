// The art the build painted, which the program is built from, checked
// against the program's own rules and read with its own readers.
#include "Counter.h"
#include "Fonts.h"
#include "PageScene.h"
#include "PictureFile.h"
#include "PlayFrame.h"
#include "audio/MidiFile.h"
#include "controls/PlayFrame.h"
#include "imaging/CMemoryDIB.h"
#include "sticker/PlaceTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

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
} fontsReleased;

} // namespace

// A label tile, and for most counts a number tile over it, as the program
// draws them, must read as one line "N stickers left".
TEST(Counter, EveryCountFrom0To224ReadsAsItsOwnNumber)
{
    const ArtPicture labels("data004/b0019.dat"), digits("data004/b0020.dat");
    const Canvas background = PlayFrame().background(ScreenLayout::COUNTER);
    std::vector<std::vector<uint32_t>> painted(225);
    for (int count = 0; count < 225; ++count) {
        // What the program draws at the counter's place for the count, by its own rule.
        const CounterTiles tiles = GetCounterTiles(count);
        const int digitX = tiles.digitAt.x - COUNTER_LABEL_POINT.x;
        const Canvas line = Counter::line(count, background);
        int wrong = 0, firstX = -1, firstY = -1;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 190; ++x) {
                const uint32_t shown = tiles.digitTile >= 0 && x >= digitX && x < digitX + 30
                                           ? digits.at(x - digitX, CounterDigitTile(count).y + y)
                                           : labels.at(x, tiles.labelTile * 24 + y);
                painted[count].push_back(PictureFile::colourOf(line.pixel(x, y)));
                if (painted[count].back() != shown && wrong++ == 0)
                    firstX = x, firstY = y;
            }
        EXPECT_EQ(0, wrong) << "count " << count << ": first wrong pixel at (" << firstX << ", " << firstY << ")";
    }
    EXPECT_NE(painted[42], painted[43]);
    EXPECT_NE(painted[142], painted[143]);
}

// Each page shows a faint outline of every sticker that belongs on it, at its
// place, and nothing else changes the painted scene.
TEST(PageOutlines, MarkExactlyThePlacesOfThePagesStickers)
{
    for (int pageNumber : {1, 2}) {
        char file[32];
        std::snprintf(file, sizeof file, "data004/p%04d.dat", pageNumber);
        const ArtPicture page(file);
        const Canvas scene = PageScene::scene(pageNumber);
        const int width = page.GetWidth(), height = page.GetHeight();
        ASSERT_TRUE(width == scene.width() && height == scene.height()) << width << " x " << height;
        std::vector<bool> covered(size_t(width) * height, false);
        int stickers = 0;
        for (int i = 0; i < NUMBEROFSTICKERGRAPHICS; ++i) {
            if (STICKER_PLACES[i].page != pageNumber)
                continue;
            ++stickers;
            std::snprintf(file, sizeof file, "data004/s%02d%02d.dat", i / 28 + 1, i % 28 + 1);
            const ArtPicture sticker(file);
            int inside = 0, marked = 0;
            for (int y = 0; y < sticker.GetHeight(); ++y)
                for (int x = 0; x < sticker.GetWidth(); ++x) {
                    const int px = STICKER_PLACES[i].x + x, py = STICKER_PLACES[i].y + y;
                    if (sticker.at(x, y) == PictureFile::KEY || px < 0 || py < 0 || px >= width || py >= height)
                        continue;
                    covered[size_t(py) * width + px] = true;
                    ++inside;
                    marked += page.at(px, py) != PictureFile::colourOf(scene.pixel(px, py));
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

// ZEP04.mid: the program's own reader loads it, and its tracks loop as one piece.
TEST(Music, LoadsWithTheProgramsReaderAndItsTracksEndTogether)
{
    MidiSong song{};
    ASSERT_EQ(nullptr, LoadMidiFile((ART_FOLDER + "/ZEP04.mid").c_str(), &song));
    ASSERT_GT(song.trackCount, 1);
    for (int i = 1; i < song.trackCount; ++i)
        EXPECT_EQ(song.tracks[0].totalTicks, song.tracks[i].totalTicks) << "track " << i;
    FreeSong(&song);
}
