// Every picture the program reads: its name, its geometry, its header.
#include "ArtFolder.h"

#include "sticker/PlaceTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>

namespace {
struct Size {
    int w, h;
};

std::string name(char prefix, int first, int second)
{
    char text[16];
    std::snprintf(text, sizeof text, "%c%02d%02d", prefix, first, second);
    return text;
}

std::map<std::string, Size> expectedDataFiles()
{
    std::map<std::string, Size> files = {
        {"m0006", {1024, 180}}, {"m0003", {180, 588}}, {"m0002", {32, 8}}, {"m0005", {460, 468}},
        {"m0001", {8, 8}}, {"b0013", {124, 100}}, {"b0015", {128, 100}}, {"b0014", {64, 120}},
        {"b0001", {190, 68}}, {"b0012", {64, 120}}, {"b0018", {64, 120}}, {"b0002", {64, 120}},
        {"b0017", {196, 1040}}, {"b0019", {190, 120}}, {"b0020", {30, 5280}},
        {"p0001", {844, 588}}, {"p0002", {844, 588}},
    };
    for (int tab = 4; tab <= 11; ++tab)
        files[name('b', 0, tab)] = {60, 130};
    for (int i = 0; i < NUMBEROFSTICKERGRAPHICS; ++i)
        files[name('b', i / 28 + 1, i % 28 + 1)] = {300, 60};
    return files;
}

void expectHeader(const Picture& p, const std::string& file, const char* magic, Size size)
{
    SCOPED_TRACE(file);
    const uint32_t stride = (uint32_t(p.width) * 3 + 3) & ~3u;
    EXPECT_EQ(magic, p.magic);
    EXPECT_EQ(size.w, p.width);
    EXPECT_EQ(size.h, p.height);
    EXPECT_EQ(54u, p.dataOffset);
    EXPECT_EQ(40u, p.headerSize);
    EXPECT_EQ(1u, p.planes);
    EXPECT_EQ(24u, p.bitCount);
    EXPECT_EQ(0u, p.compression);
    EXPECT_EQ(stride * uint32_t(p.height), p.imageSize);
    EXPECT_EQ(54 + stride * uint32_t(p.height), p.fileSize);
    EXPECT_EQ(size_t(p.fileSize), p.bytesInFile);
}
}

TEST(PictureFiles, DataFolderHoldsExactlyTheProgramsPicturesWithTheirTileGeometry)
{
    std::map<std::string, Size> expected = expectedDataFiles();
    std::set<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(ArtFolder::path() + "/data004"))
        written.insert(entry.path().filename().string());
    for (const auto& [stem, size] : expected) {
        const std::string file = stem + ".dat";
        ASSERT_TRUE(written.count(file)) << file << " was not written";
        expectHeader(Picture::load("data004/" + file), file, "Y5", size);
    }
    int stickers = 0;
    for (const std::string& file : written) {
        if (file[0] == 's')
            ++stickers;
        else
            EXPECT_TRUE(expected.count(file.substr(0, file.size() - 4))) << "unexpected file " << file;
    }
    EXPECT_EQ(NUMBEROFSTICKERGRAPHICS, stickers);
}

TEST(PictureFiles, EveryStickerHasAPictureSizedForThePage)
{
    for (int i = 0; i < NUMBEROFSTICKERGRAPHICS; ++i) {
        const std::string file = "data004/" + name('s', i / 28 + 1, i % 28 + 1) + ".dat";
        const Picture p = Picture::load(file);
        ASSERT_EQ("Y5", p.magic) << file;
        EXPECT_EQ(24u, p.bitCount) << file;
        EXPECT_EQ(54u, p.dataOffset) << file;
        const int longer = std::max(p.width, p.height);
        EXPECT_GE(longer, 60) << file;
        EXPECT_LE(longer, 140) << file;
    }
}

TEST(PictureFiles, ResourcePicturesHaveTheDialogSizes)
{
    const std::map<std::string, Size> expected = {
        {"AboutDialogBkg", {360, 360}}, {"ClearAllDialogBkg", {360, 360}}, {"NewStkrDialogBkg", {360, 360}},
        {"EndingScrnDialogBkg", {1024, 768}}, {"YESButtonUp", {128, 50}}, {"YESButtonDown", {128, 50}},
        {"NOButtonUp", {128, 50}}, {"NOButtonDown", {128, 50}}, {"OKButtonUp", {128, 50}},
        {"OKButtonDown", {128, 50}}, {"QuitButtonUp", {124, 52}}, {"QuitButtonDown", {124, 52}},
    };
    for (const auto& [stem, size] : expected)
        expectHeader(Picture::load("resources/" + stem + ".bmp"), stem, "BM", size);
}

TEST(PictureFiles, ButtonFacesMatchTheBackgroundTheySitOn)
{
    // Corners of a face outside its rounded body show what lies beneath it,
    // so the face must carry exactly that background.
    struct Face {
        const char* face;
        const char* under;
        int x, y;
    };
    const Face faces[] = {
        {"resources/YESButtonUp.bmp", "resources/ClearAllDialogBkg.bmp", 38, 288},
        {"resources/NOButtonDown.bmp", "resources/ClearAllDialogBkg.bmp", 196, 288},
        {"resources/OKButtonUp.bmp", "resources/AboutDialogBkg.bmp", 114, 296},
        {"resources/OKButtonUp.bmp", "resources/NewStkrDialogBkg.bmp", 114, 296},
        {"resources/QuitButtonUp.bmp", "resources/EndingScrnDialogBkg.bmp", 450, 696},
        {"data004/b0013.dat", "data004/m0005.dat", 450 - 282, 538 - 150},
    };
    for (const Face& f : faces) {
        const Picture face = Picture::load(f.face), under = Picture::load(f.under);
        EXPECT_EQ(under.at(f.x, f.y), face.at(0, 0)) << f.face << " on " << f.under;
        EXPECT_EQ(under.at(f.x + face.width - 1, f.y), face.at(face.width - 1, 0)) << f.face << " on " << f.under;
    }
}
