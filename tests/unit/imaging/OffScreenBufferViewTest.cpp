// The off-screen page buffer: dirty rectangles composed before any is shown,
// and the framed image that goes to the printer.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "imaging/CMemoryDIB.h"
#include "imaging/COffScreenBufferView.h"
#include "testing/FakeBufferSurface.h"
#include "testing/Rects.h"

namespace {

// Composes by painting the rectangle a colour, and remembers how many blits
// had happened when each rectangle was composed.
class RecordingView : public COffScreenBufferView {
public:
    explicit RecordingView(FakeBufferSurface::Record* record) : m_Record(record)
    {
        SetSurface(std::unique_ptr<BufferSurface>(new FakeBufferSurface(record)));
    }
    void RenderRect(const RECT* clip) override
    {
        rendered.push_back(*clip);
        blitsWhenRendered.push_back(m_Record->blits.size());
        if (!GetBuffer())
            return;
        for (int y = clip->top; y < clip->bottom; ++y)
            for (int x = clip->left; x < clip->right; ++x)
                if (BYTE* p = GetBuffer()->PixelAddress(x, y))
                    p[0] = p[1] = p[2] = 0x80;
    }
    std::vector<RECT> rendered;
    std::vector<size_t> blitsWhenRendered;

private:
    FakeBufferSurface::Record* m_Record;
};

std::vector<RECT> Dirty(const COffScreenBufferView& view)
{
    return std::vector<RECT>(view.GetDirtyRects().begin(), view.GetDirtyRects().end());
}

class BufferViewTest : public ::testing::Test {
protected:
    void MakeBuffer(int w, int h)
    {
        CMemoryDIB source(w, h);
        ASSERT_TRUE(view.CreateBuffer(nullptr, &source));
    }
    void Add(int l, int t, int r, int b)
    {
        RECT rect = {l, t, r, b};
        view.AddDirtyRect(&rect);
    }
    FakeBufferSurface::Record record;
    RecordingView view{&record};
};

TEST_F(BufferViewTest, OnlyTheNewestRectangleAbsorbsAnOverlappingOne)
{
    Add(0, 0, 10, 10);
    Add(5, 5, 20, 20);
    EXPECT_EQ((std::vector<RECT>{{0, 0, 20, 20}}), Dirty(view));

    view.FlushDirty(nullptr);
    Add(0, 0, 10, 10);
    Add(30, 30, 40, 40);
    Add(5, 5, 12, 12); // overlaps only the older entry
    EXPECT_EQ((std::vector<RECT>{{5, 5, 12, 12}, {30, 30, 40, 40}, {0, 0, 10, 10}}), Dirty(view));

    view.FlushDirty(nullptr);
    Add(0, 0, 10, 10);
    Add(10, 0, 20, 10); // touching is not overlapping
    EXPECT_EQ((std::vector<RECT>{{10, 0, 20, 10}, {0, 0, 10, 10}}), Dirty(view));
}

TEST_F(BufferViewTest, FlushComposesEveryRectangleBeforeShowingAnyThenForgetsThem)
{
    MakeBuffer(100, 80);
    Add(0, 0, 10, 10);
    Add(30, 30, 40, 40);
    Add(60, 0, 70, 5);
    view.FlushDirty(nullptr);

    ASSERT_EQ(3u, view.rendered.size());
    for (size_t blits : view.blitsWhenRendered)
        EXPECT_EQ(0u, blits) << "a rectangle was shown before all were composed";
    EXPECT_EQ((std::vector<RECT>{{60, 0, 70, 5}, {30, 30, 40, 40}, {0, 0, 10, 10}}),
              record.blits);
    EXPECT_TRUE(view.GetDirtyRects().empty());

    view.FlushDirty(nullptr);
    EXPECT_EQ(3u, view.rendered.size()) << "a flush with nothing dirty composes nothing";
}

TEST_F(BufferViewTest, OnlyThePartInsideTheBufferIsShown)
{
    MakeBuffer(100, 80);
    RECT partly = {90, 70, 130, 120};
    view.BlitToWindow(nullptr, &partly);
    RECT outside = {200, 0, 300, 50};
    view.BlitToWindow(nullptr, &outside);
    view.BlitToWindow(nullptr, nullptr);
    EXPECT_EQ((std::vector<RECT>{{90, 70, 100, 80}, {0, 0, 100, 80}}), record.blits);
}

TEST_F(BufferViewTest, WithoutABufferNothingIsShownOrPrinted)
{
    record.failCreate = true;
    CMemoryDIB source(50, 50);
    EXPECT_FALSE(view.CreateBuffer(nullptr, &source));
    EXPECT_EQ(nullptr, view.GetBuffer());
    Add(0, 0, 10, 10);
    view.FlushDirty(nullptr);
    const int place[4] = {0, 0, 100, 100};
    view.PrintTo(nullptr, place);
    EXPECT_TRUE(record.blits.empty());
    EXPECT_EQ(nullptr, record.printed);
}

COLORREF Pixel(const CMemoryDIB& picture, int x, int y)
{
    COLORREF colour = 0xDEAD;
    picture.GetPixel(x, y, &colour);
    return colour;
}

TEST_F(BufferViewTest, ThePrintedImageHasARoundedBlackBorderAndBlackenedCorners)
{
    MakeBuffer(640, 480);
    const int place[4] = {10, 20, 3000, 2000};
    view.PrintTo(nullptr, place);
    ASSERT_NE(nullptr, record.printed);
    const CMemoryDIB& image = *record.printed;
    ASSERT_EQ(644, image.GetWidth());
    ASSERT_EQ(484, image.GetHeight());
    EXPECT_EQ(0, std::memcmp(place, record.place, sizeof place));

    const COLORREF white = 0xFFFFFF, black = 0, frame = 0x808080;
    // Outside the outer curve at the corners, the border, and the frame's own
    // blackened corner inside it.
    const struct {
        int x, y;
        COLORREF colour;
    } pixels[] = {
        {0, 0, white},     {5, 0, white},   {6, 0, black},   {643, 0, white}, {0, 483, white},
        {643, 483, white}, {0, 5, white},   {0, 6, black},   {322, 0, black}, {1, 200, black},
        {2, 2, black},     {8, 2, black},   {9, 2, frame},   {641, 481, black}, {322, 2, frame},
        {3, 9, frame},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(p.colour, Pixel(image, p.x, p.y)) << p.x << ", " << p.y;
    // The on-screen buffer keeps its blackened corners until recomposed.
    EXPECT_EQ(black, Pixel(*view.GetBuffer(), 0, 0));
    EXPECT_EQ(frame, Pixel(*view.GetBuffer(), 7, 0));
}

} // namespace
