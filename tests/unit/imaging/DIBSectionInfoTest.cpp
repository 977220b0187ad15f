// The header checks of the DIB-section reader, which run before any GDI call.
#include <gtest/gtest.h>

#include <vector>

#include "imaging/CDIBSection.h"
#include "imaging/CMemoryFile.h"
#include "testing/PictureBytes.h"
#include "testing/TestFolder.h"
#include "testing/TraceCapture.h"

namespace {

class DIBSectionInfoTest : public ::testing::Test {
protected:
    // The trace of reading the bytes; *ok receives the result.
    std::vector<std::string> Read(const std::vector<uint8_t>& bytes, bool* ok, DWORD* size = nullptr,
                                  std::vector<BYTE>* info = nullptr)
    {
        CMemoryFile file(bytes);
        std::vector<BYTE> block;
        DWORD pixelSize = 0;
        *ok = CDIBSection::ReadInfo(file, info ? info : &block, &pixelSize);
        if (size)
            *size = pixelSize;
        if (*ok) {
            EXPECT_EQ(static_cast<DWORD>(bytes.size()) - pixelSize, file.GetPosition())
                << "the file stands at the pixel data";
        }
        return trace_.Take();
    }
    TestFolder folder_;
    TraceCapture trace_;
};

TEST_F(DIBSectionInfoTest, AcceptsUncompressedDepthsWithTheirRowSizes)
{
    struct Case {
        uint16_t bits;
        uint32_t colours;
        int32_t width;
        DWORD pixelSize;
    };
    const Case cases[] = {
        {24, 0, 5, 16 * 3}, {8, 256, 5, 8 * 3}, {4, 16, 9, 8 * 3}, {1, 2, 33, 8 * 3}, {32, 0, 3, 12 * 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        PictureFields fields;
        fields.bitCount = c.bits;
        fields.colours = c.colours;
        fields.width = c.width;
        fields.height = 3;
        bool ok = false;
        DWORD size = 0;
        std::vector<BYTE> info;
        EXPECT_EQ(std::vector<std::string>{}, Read(PictureBytes(fields), &ok, &size, &info));
        EXPECT_TRUE(ok);
        EXPECT_EQ(c.pixelSize, size);
        EXPECT_EQ(40u + 4 * c.colours, info.size());
    }
}

TEST_F(DIBSectionInfoTest, AShortColourTableIsFilledRatherThanOverread)
{
    PictureFields fields;
    fields.bitCount = 8;
    fields.colours = 4;
    bool ok = false;
    std::vector<BYTE> info;
    Read(PictureBytes(fields), &ok, nullptr, &info);
    ASSERT_TRUE(ok);
    ASSERT_EQ(40u + 1024u, info.size());
    EXPECT_EQ(3, info[40 + 4 * 3]) << "the colours given are kept";
    EXPECT_EQ(0, info[40 + 4 * 4]) << "the missing ones are black";
}

TEST_F(DIBSectionInfoTest, RefusesEachDamageWithItsTrace)
{
    const std::string badRead = "CDIBSection::ReadSection: Bad file read.";
    const std::string sizeProblem = "CDIBSection::ReadSection: BITMAPINFOHEADER size problem.";
    const std::string os2 = "CDIBSection::ComputeMetrics: Not a valid Windows bitmap -- probably an OS/2 bitmap";
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        std::vector<std::string> trace;
    };
    auto changed = [](void (*change)(PictureFields&)) {
        PictureFields s;
        change(s);
        return PictureBytes(s);
    };
    std::vector<uint8_t> thirteen = PictureBytes(PictureFields());
    thirteen.resize(13);
    std::vector<uint8_t> noTable = PictureBytes(PictureFields());
    noTable.resize(40);
    std::vector<uint8_t> offsetBelow = PictureBytes(PictureFields());
    offsetBelow[10] = 14;
    std::vector<uint8_t> offsetHuge = PictureBytes(PictureFields());
    offsetHuge[13] = 0x7F;

    const std::vector<Case> cases = {
        {"empty", {}, {badRead}},
        {"13 bytes", thirteen, {badRead}},
        {"BM", changed([](PictureFields& s) { s.magic[0] = 'B'; s.magic[1] = 'M'; }),
         {"CDIBSection::ReadSection: Not the correct file type."}},
        {"header cut", noTable, {badRead}},
        {"bit fields", changed([](PictureFields& s) { s.bitCount = 16; s.compression = 3; s.colours = 3; }),
         {"CDIBSection::ReadSection: Not an uncompressed format."}},
        {"run-length", changed([](PictureFields& s) { s.bitCount = 8; s.compression = 1; s.colours = 256; }),
         {"CDIBSection::ReadSection: Not an uncompressed format."}},
        // The trace line ends in its own line feed, so it reads as an empty line too.
        {"64-byte header", changed([](PictureFields& s) { s.headerSize = 64; }), {os2, "", sizeProblem}},
        {"OS/2 header", changed([](PictureFields& s) { s.headerSize = 12; }), {os2, "", sizeProblem}},
        {"offset inside the file header", offsetBelow, {sizeProblem}},
        {"offset far away", offsetHuge, {sizeProblem}},
        {"zero width", changed([](PictureFields& s) { s.width = 0; }),
         {"CDIBSection::ComputeMetrics: Bad size 0 x 3 or bit count 24", sizeProblem}},
        {"top-down", changed([](PictureFields& s) { s.height = -3; }),
         {"CDIBSection::ComputeMetrics: Bad size 4 x -3 or bit count 24", sizeProblem}},
        {"huge", changed([](PictureFields& s) { s.width = 0x40000000; s.height = 0x40000000; s.pixelBytes = 8; }),
         {"CDIBSection::ComputeMetrics: Bad size 1073741824 x 1073741824 or bit count 24", sizeProblem}},
        {"7 bits", changed([](PictureFields& s) { s.bitCount = 7; }),
         {"CDIBSection::ComputeMetrics: Bad size 4 x 3 or bit count 7", sizeProblem}},
        {"short rows", changed([](PictureFields& s) { s.pixelBytes = NeededPixelBytes(s) - 1; }),
         {"CDIBSection::ReadSection: Bad bitmap image read."}},
        {"rows missing", changed([](PictureFields& s) { s.width = 8000; s.height = 8000; s.pixelBytes = 0; }),
         {"CDIBSection::ReadSection: Bad bitmap image read."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bool ok = true;
        EXPECT_EQ(c.trace, Read(c.bytes, &ok));
        EXPECT_FALSE(ok);
    }
}

} // namespace
