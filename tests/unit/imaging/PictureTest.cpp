// Pictures and the files they come from: reads, seeks and writes of mapped,
// plain and in-memory files, the save folder made, both picture readers on good and damaged files,
// and the memory picture's rectangle copies checked pixel by pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "imaging/CDIBSection.h"
#include "imaging/CFileManager.h"
#include "imaging/CMemoryFile.h"
#include "testing/Pictures.h"
#include "testing/TestFolder.h"

namespace {

const Bytes TWELVE = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

// Reads and seeks of a twelve-byte file, each seek from where the one before
// left it; a read cut by the end is reported as failed by the mapped reads only.
void ExpectSeeksAndReads(CFile& file, bool cutReported)
{
    Bytes got(12, 0xEE);
    DWORD count = 0;
    EXPECT_TRUE(file.Read(got.data(), 12, &count));
    EXPECT_EQ(TWELVE, got);
    EXPECT_EQ((std::pair<bool, DWORD>{false, 0}), (std::pair{file.Read(got.data(), 1, &count), count})) << "none left";
    const struct { const char* why; long offset; int origin; bool ok; DWORD position; } seeks[] = {
        {"back from the end", 4, 2, true, 8}, {"back from here", -3, 1, true, 5}, {"past the end", 20, 0, false, 12},
        {"before the start", -20, 1, false, 0}, {"unknown origin", 1, 3, false, 0}, {"from the start", 8, 0, true, 8},
    };
    for (const auto& s : seeks)
        EXPECT_EQ((std::pair{s.ok, s.position}), (std::pair{file.Seek(s.offset, s.origin), file.GetPosition()})) << s.why;
    got.assign(10, 0xEE);
    EXPECT_EQ((std::pair<bool, DWORD>{!cutReported, 4}), (std::pair{file.Read(got.data(), 10, &count), count}));
    EXPECT_EQ((Bytes{8, 9, 10, 11, 0xEE}), Bytes(got.begin(), got.begin() + 5));
}

class FileManagerTest : public ::testing::TestWithParam<bool> {};

TEST_P(FileManagerTest, ReadsSeeksAndWritesStayInsideTheFile)
{
    TestFolder folder;
    std::filesystem::create_directory("data004");
    WriteBytes("data004/twelve.bin", TWELVE);
    WriteBytes("empty.bin", {});
    CFileManager::SetProgramFolderPath(".");
    CFileManager file(GetParam());
    EXPECT_EQ(nullptr, file.OpenRead("\\data004\\missing.bin"));
    ASSERT_NE(nullptr, file.OpenRead("\\data004\\twelve.bin")) << "a name under the program folder";
    EXPECT_EQ(12u, file.GetSize());
    ExpectSeeksAndReads(file, GetParam());
    EXPECT_TRUE(file.Close());
    ASSERT_NE(nullptr, file.OpenRead("\\empty.bin"));
    DWORD count = 0;
    BYTE byte = 0;
    EXPECT_FALSE(file.Read(&byte, 1, &count));
    EXPECT_TRUE(file.Close());
    ASSERT_NE(nullptr, file.OpenWrite("\\written.bin"));
    EXPECT_TRUE(file.Write("abcdef", 6, &count) && file.Write("gh", 2, nullptr) && file.Close());
    EXPECT_EQ((Bytes{'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'}), ReadBytes("written.bin"));
    EXPECT_FALSE(file.Write("x", 1, nullptr)) << "nothing is open";
    EXPECT_EQ(nullptr, file.OpenWrite("\\no-such-folder\\x.bin"));
    CFileManager::CheckForAndCreateDirectory("save004");
    WriteBytes("save004/page01.sav", {1, 2, 3});
    CFileManager::CheckForAndCreateDirectory("save004");
    EXPECT_EQ((Bytes{1, 2, 3}), ReadBytes("save004/page01.sav")) << "the save folder made once, then left alone";
    CFileManager::CheckForAndCreateDirectory("written.bin");
    EXPECT_FALSE(CFileManager::IsDirectory("written.bin")) << "a plain file blocks the folder silently";
}

INSTANTIATE_TEST_SUITE_P(MappedAndPlain, FileManagerTest, ::testing::Bool());

TEST(MemoryFileTest, ReadsLikeAMappedFileAndWritesOverItsBytes)
{
    CMemoryFile file(TWELVE.data(), TWELVE.size());
    ASSERT_NE(nullptr, file.OpenRead("ignored"));
    ExpectSeeksAndReads(file, true);
    CMemoryFile written;
    ASSERT_NE(nullptr, written.OpenWrite("ignored"));
    DWORD count = 0;
    EXPECT_TRUE(written.Write("abc", 3, &count) && written.Seek(1, 0) && written.Write("XYZ", 3, nullptr));
    EXPECT_EQ((Bytes{'a', 'X', 'Y', 'Z'}), written.Bytes());
}

class PictureReaderTest : public ::testing::Test {
protected:
    // The section's verdict on the bytes: what it read, and where it left the file.
    bool ReadSection(const Bytes& bytes)
    {
        CMemoryFile file(bytes);
        const bool ok = CDIBSection::ReadInfo(file, &info, &size);
        return position = file.GetPosition(), ok;
    }
    TraceCapture trace;
    std::vector<BYTE> info;
    DWORD size = 0, position = 0;
};

// A colour table shorter than the depth needs reads as black. A 24-bit picture
// may carry a colour table before its rows: written by hand, 2 x 2 with two table
// entries, its rows at offset 62 (bottom row first, each padded to 8 bytes).
// Without the table, at offset 54, it reads the same.
TEST_F(PictureReaderTest, TheSectionCompletesTheColourTableAndTheMemoryPictureReadsRowsWhereThePixelOffsetSays)
{
    ASSERT_TRUE(ReadSection(PictureBytes({5, 3, 8, 0, 40, 4}))) << trace.Take();
    EXPECT_EQ((std::pair<DWORD, DWORD>{8 * 3, 14 + 40 + 16}), (std::pair{size, position}))
        << "rows of 5 bytes padded to 8, which the file stands at";
    ASSERT_EQ(40u + 4 * 256, info.size());
    EXPECT_EQ((std::vector<BYTE>{3, 3, 3, 0, 0, 0, 0, 0}), std::vector<BYTE>(&info[40 + 12], &info[40 + 20]))
        << "colour 3 as given, colour 4 black";
    const Bytes header = {'Y', '5', 78, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0,
                          40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,
                          16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0};
    const Bytes table = {0x11, 0x11, 0x11, 0, 0x22, 0x22, 0x22, 0};
    const Bytes rows = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    Bytes tabled = header, plain = header;
    tabled.insert(tabled.end(), table.begin(), table.end());
    tabled.insert(tabled.end(), rows.begin(), rows.end());
    plain[10] = 54;
    plain.insert(plain.end(), rows.begin(), rows.end());
    for (const auto& [why, bytes] : {std::pair{"with a colour table", tabled}, std::pair{"without", plain}}) {
        SCOPED_TRACE(why);
        CMemoryFile file(bytes);
        CMemoryDIB picture(1, 1);
        ASSERT_TRUE(picture.ReadFrom(file)) << trace.Take();
        EXPECT_EQ((std::vector<COLORREF>{0x070809, 0x0A0B0C, 0x010203, 0x040506}),
                  (std::vector<COLORREF>{PixelOf(picture, 0, 0), PixelOf(picture, 1, 0), PixelOf(picture, 0, 1),
                                         PixelOf(picture, 1, 1)}));
    }
}

// Each damage is refused for its own reason, and a memory picture keeps what
// it held.
TEST_F(PictureReaderTest, EachDamageIsRefusedForItsReason)
{
    const char* not24 = "Not a 24-bit";
    // keep: bytes kept of the file; offset: of the pixels, 0 as written.
    const struct { const char* what; PictureFields fields; const char *memory, *section; size_t keep = SIZE_MAX;
                   uint32_t offset = 0; } cases[] = {
        {"empty", {}, "Not a bitmap file", "Bad file read", 0},
        {"BM magic", {4, 3, 24, 0, 40, 0, {'B', 'M'}}, "Not a bitmap file", "Not the correct file type"},
        {"header cut", {}, "ReadFrom: Bad file read", "Bad file read", 30},
        {"bit fields", {4, 3, 16, 3, 40, 3}, not24, "Not an uncompressed format"},
        {"OS/2 header", {4, 3, 24, 0, 12}, not24, "probably an OS/2 bitmap"},
        {"offset inside the file header", {}, "Bad pixel data offset", "BITMAPINFOHEADER size problem", SIZE_MAX, 14},
        {"offset inside the info header", {}, "Bad pixel data offset", nullptr, SIZE_MAX, 53},
        {"offset past the end", {}, "Bad pixel data offset", "Bad file read", SIZE_MAX, 1000},
        {"rows cut by the offset", {}, "Picture data is short", "Bad bitmap image read", SIZE_MAX, 58},
        {"zero width", {0}, "Bad picture size 0 x 3", "Bad size 0 x 3 or bit count 24"},
        {"huge", {0x40000000, 0x40000000, 24, 0, 40, 0, {'Y', '5'}, 8}, "Bad picture size 1073741824 x 1073741824",
         "Bad size 1073741824 x 1073741824 or bit count 24"},
        {"7 bits", {4, 3, 7}, not24, "Bad size 4 x 3 or bit count 7"},
        {"short rows", {4, 3, 24, 0, 40, 0, {'Y', '5'}, 35}, "Picture data is short", "Bad bitmap image read"},
        {"rows missing", {8000, 8000, 24, 0, 40, 0, {'Y', '5'}, 0}, "Picture data is short", "Bad bitmap image read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = PictureBytes(c.fields);
        bytes.resize(std::min(bytes.size(), c.keep));
        if (c.offset)
            std::memcpy(&bytes[10], &c.offset, 4);
        if (c.memory) {
            CMemoryFile file(bytes);
            CMemoryDIB picture(2, 2);
            picture.PixelAddress(1, 1)[0] = 9;
            EXPECT_FALSE(picture.ReadFrom(file));
            EXPECT_PRED_FORMAT2(testing::IsSubstring, c.memory, trace.Take());
            EXPECT_EQ(9, picture.PixelAddress(1, 1)[0]) << "the picture is kept";
        }
        if (c.section) {
            EXPECT_FALSE(ReadSection(bytes));
            EXPECT_PRED_FORMAT2(testing::IsSubstring, c.section, trace.Take());
        }
    }
}

const COLORREF MAGENTA = 0xFF00FF, BEFORE = 0x123456;

struct Copy { const char* why; int dx, dy, w, h, sx, sy; bool refused; };

// Random colours with the key in runs of every length, the last column keyed:
// the top row is stored last, so its final pixel ends the picture's memory.
void PaintPattern(CMemoryDIB& picture)
{
    unsigned seed = 12345;
    for (int y = 0; y < picture.GetHeight(); ++y)
        for (int x = 0; x < picture.GetWidth(); ++x) {
            seed = seed * 1103515245u + 12345u;
            const bool key = (seed >> 16) % 3 == 0 || x == picture.GetWidth() - 1;
            PutPixel(picture, x, y, key ? MAGENTA : static_cast<COLORREF>(seed >> 8 & 0xFFFFFF));
        }
}

void ExpectCopy(const CMemoryDIB& source, CMemoryDIB& dest, const Copy& c, bool mirror, int key)
{
    SCOPED_TRACE(testing::Message() << c.why << (mirror ? ", mirrored" : "") << ", key " << key);
    FillPicture(dest, BEFORE);
    TraceCapture trace;
    const auto copy = mirror ? &CMemoryDIB::CopyMirroredTo : &CMemoryDIB::CopyTo;
    (source.*copy)(&dest, c.dx, c.dy, c.w, c.h, c.sx, c.sy, key);
    const std::string log = trace.Take();
    EXPECT_EQ(c.refused ? 1 : 0, std::count(log.begin(), log.end(), '\n')) << "a refused rectangle is traced: " << log;
    for (int y = 0; y < dest.GetHeight(); ++y)
        for (int x = 0; x < dest.GetWidth(); ++x) {
            const int i = x - c.dx, j = y - c.dy;
            const bool inside = !c.refused && i >= 0 && i < c.w && j >= 0 && j < c.h;
            const COLORREF from =
                inside ? PixelOf(source, mirror ? source.GetWidth() - 1 - c.sx - i : c.sx + i, c.sy + j) : BEFORE;
            ASSERT_EQ(static_cast<int>(from) == key ? BEFORE : from, PixelOf(dest, x, y)) << x << ", " << y;
        }
}

TEST(MemoryDIBTest, CopiesFollowThePixelRuleAndRectanglesOutsideEitherPictureAreRefused)
{
    for (int width : {4, 9, 17, 37}) { // whole, with and without row padding
        CMemoryDIB source(width, 3), dest(width, 3);
        PaintPattern(source);
        for (bool mirror : {false, true})
            ExpectCopy(source, dest, {"whole", 0, 0, width, 3, 0, 0, false}, mirror, MAGENTA);
    }
    const Copy parts[] = {
        {"a part, moved", 2, 2, 3, 2, 1, 2, false}, {"nothing to copy", 0, 0, 0, 3, 0, 0, false},
        {"wider than the source", 0, 0, 7, 1, 0, 0, true}, {"past the destination's right", 5, 0, 4, 1, 0, 0, true},
        {"past the destination's bottom", 0, 6, 1, 2, 0, 0, true}, {"before the destination", -1, 0, 2, 2, 0, 0, true},
        {"before the source", 0, 0, 2, 2, -1, 0, true}, {"negative width", 0, 0, -2, 2, 0, 0, true},
    };
    CMemoryDIB source(6, 5), dest(8, 7);
    PaintPattern(source);
    for (const Copy& c : parts)
        for (bool mirror : {false, true})
            for (int key : {-1, static_cast<int>(MAGENTA)})
                ExpectCopy(source, dest, c, mirror, key);
    source.CopyTo(nullptr, 0, 0, 1, 1, 0, 0, -1);
}

} // namespace
