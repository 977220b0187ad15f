#include <gtest/gtest.h>

#include <vector>

#include <windows.h>

#include "imaging/CDIBSection.h"
#include "imaging/CFileManager.h"
#include "imaging/CMemoryFile.h"
#include "imaging/DrawBitmapResource.h"
#include "testing/PictureBytes.h"
#include "testing/TestFolder.h"
#include "testing/TraceCapture.h"

namespace {

// A 32-bit top-down target whose pixels the test can read.
class Target {
public:
    Target(int width, int height) : width_(width)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        for (int i = 0; i < width * height; ++i)
            bits_[i] = 0x123456;
    }
    ~Target()
    {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    // 0x00RRGGBB as the 32-bit DIB holds it.
    DWORD At(int x, int y) const
    {
        GdiFlush();
        return bits_[y * width_ + x] & 0xFFFFFF;
    }

private:
    int width_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    DWORD* bits_ = nullptr;
};

class DIBSectionTest : public ::testing::Test {
protected:
    TestFolder folder_;
    TraceCapture trace_;
};

TEST_F(DIBSectionTest, A24BitPictureIsDrawnWithItsTopRowLastInTheFile)
{
    PictureFields fields;
    fields.width = 3;
    fields.height = 2;
    std::vector<uint8_t> bytes = PictureBytes(fields);
    PutPictureColour(bytes, fields, 0, 0, RGB(200, 100, 50));
    PutPictureColour(bytes, fields, 2, 1, RGB(1, 2, 3));
    CMemoryFile file(bytes);
    CDIBSection picture;
    ASSERT_TRUE(picture.ReadSection(file, nullptr)) << Joined(trace_.Take());
    EXPECT_FALSE(picture.IsEmpty());
    EXPECT_EQ(3, picture.GetWidth());
    EXPECT_EQ(2, picture.GetHeight());

    Target target(8, 8);
    EXPECT_TRUE(picture.Draw(target.dc(), POINT{4, 5}, nullptr));
    EXPECT_EQ(0xC86432u, target.At(4, 5));
    EXPECT_EQ(0x010203u, target.At(6, 6));
    EXPECT_EQ(0x123456u, target.At(3, 5)) << "nothing outside the picture";
    EXPECT_EQ(0x123456u, target.At(7, 5));

    const int tile[4] = {2, 1, 1, 1};
    EXPECT_TRUE(picture.Draw(target.dc(), POINT{0, 0}, tile));
    EXPECT_EQ(0x010203u, target.At(0, 0));
    EXPECT_EQ(0x123456u, target.At(1, 0)) << "only the source rectangle";
}

TEST_F(DIBSectionTest, An8BitPictureTakesItsColourTable)
{
    PictureFields fields;
    fields.bitCount = 8;
    fields.colours = 256;
    fields.width = 4;
    fields.height = 1;
    std::vector<uint8_t> bytes = PictureBytes(fields);
    const size_t pixels = 14 + 40 + 1024;
    bytes[pixels] = 2; // colour 2 is 0x020202 in the test table
    bytes[14 + 40 + 4 * 2 + 2] = 0xF0; // make its red stand out
    CMemoryFile file(bytes);
    CDIBSection picture;
    ASSERT_TRUE(picture.ReadSection(file, nullptr)) << Joined(trace_.Take());
    Target target(4, 1);
    EXPECT_TRUE(picture.Draw(target.dc(), POINT{0, 0}, nullptr));
    EXPECT_EQ(0xF00202u, target.At(0, 0));
}

TEST_F(DIBSectionTest, RefusedPicturesLeaveItEmpty)
{
    PictureFields bm;
    bm.magic[0] = 'B';
    bm.magic[1] = 'M';
    PictureFields compressed;
    compressed.bitCount = 8;
    compressed.colours = 256;
    compressed.compression = 1;
    PictureFields os2;
    os2.headerSize = 12;
    PictureFields shortRows;
    shortRows.pixelBytes = NeededPixelBytes(shortRows) - 1;
    std::vector<uint8_t> thirteen = PictureBytes(PictureFields());
    thirteen.resize(13);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        std::vector<std::string> trace;
    };
    const std::vector<Case> cases = {
        {"BM", PictureBytes(bm), {"CDIBSection::ReadSection: Not the correct file type."}},
        {"compressed", PictureBytes(compressed), {"CDIBSection::ReadSection: Not an uncompressed format."}},
        {"OS/2", PictureBytes(os2),
         {"CDIBSection::ComputeMetrics: Not a valid Windows bitmap -- probably an OS/2 bitmap", "",
          "CDIBSection::ReadSection: BITMAPINFOHEADER size problem."}},
        {"13 bytes", thirteen, {"CDIBSection::ReadSection: Bad file read."}},
        {"short", PictureBytes(shortRows), {"CDIBSection::ReadSection: Bad bitmap image read."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CDIBSection picture;
        CMemoryFile good(PictureBytes(PictureFields()));
        ASSERT_TRUE(picture.ReadSection(good, nullptr));
        trace_.Take();
        CMemoryFile file(c.bytes);
        EXPECT_FALSE(picture.ReadSection(file, nullptr));
        EXPECT_EQ(c.trace, trace_.Take());
        EXPECT_TRUE(picture.IsEmpty()) << "the earlier picture is released";
        Target target(2, 2);
        EXPECT_FALSE(picture.Draw(target.dc(), POINT{0, 0}, nullptr));
        EXPECT_EQ(std::vector<std::string>{"CDIBSection::Draw: No image to draw."}, trace_.Take());
    }
}

TEST_F(DIBSectionTest, ReadsThroughAMappedFile)
{
    WriteBytes("picture.dat", PictureBytes(PictureFields()));
    CFileManager file(true);
    ASSERT_NE(nullptr, file.OpenRead("picture.dat"));
    CDIBSection picture;
    EXPECT_TRUE(picture.ReadSection(file, nullptr));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(4, picture.GetWidth());
    picture.Release();
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_EQ(nullptr, picture.GetBitmapInfo());
}

TEST_F(DIBSectionTest, AMissingBitmapResourceIsTracedAndDrawsNothing)
{
    Target target(2, 2);
    EXPECT_EQ(1, DrawBitmapResource(target.dc(), "NoSuchDialogBkg", 0, 0));
    EXPECT_EQ(1, DrawBitmapResource(target.dc(), MAKEINTRESOURCEA(4321), 0, 0));
    DRAWITEMSTRUCT item = {};
    item.hDC = target.dc();
    item.itemState = ODS_SELECTED;
    EXPECT_EQ(0, DrawButtonBitmap(&item, "DownFace", "UpFace"));
    item.itemState = 0;
    EXPECT_EQ(0, DrawButtonBitmap(&item, "DownFace", "UpFace"));
    EXPECT_EQ((std::vector<std::string>{"DrawBitmapResource: Unable to load bitmap NoSuchDialogBkg",
                                        "DrawBitmapResource: Unable to load bitmap #4321",
                                        "DrawBitmapResource: Unable to load bitmap DownFace",
                                        "DrawBitmapResource: Unable to load bitmap UpFace"}),
              trace_.Take());
    EXPECT_EQ(0x123456u, target.At(0, 0));
}

} // namespace
