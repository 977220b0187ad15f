// The off-screen page buffer: dirty rectangles composed before any is shown,
// only the buffer's part shown, and the framed image that goes to the printer.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "imaging/CMemoryDIB.h"
#include "imaging/COffScreenBufferView.h"
#include "testing/FakeBufferSurface.h"
#include "testing/Pictures.h"
#include "testing/Rects.h"

namespace {

using Rects = std::vector<RECT>;

// Composes by painting the rectangle grey, and remembers how many blits had
// happened when each rectangle was composed.
class RecordingView : public COffScreenBufferView {
public:
    explicit RecordingView(FakeBufferSurface::Record* record) : m_Record(record)
    {
        SetSurface(std::unique_ptr<BufferSurface>(new FakeBufferSurface(record)));
    }
    void RenderRect(const RECT* clip) override
    {
        blitsWhenRendered.push_back(m_Record->blits.size());
        for (int y = clip->top; y < clip->bottom; ++y)
            for (int x = clip->left; x < clip->right; ++x)
                if (GetBuffer() && GetBuffer()->PixelAddress(x, y))
                    PutPixel(*GetBuffer(), x, y, 0x808080);
    }
    void Add(const Rects& rects)
    {
        for (RECT r : rects)
            AddDirtyRect(&r);
    }
    Rects Dirty() const { return Rects(GetDirtyRects().begin(), GetDirtyRects().end()); }
    std::vector<size_t> blitsWhenRendered;

private:
    FakeBufferSurface::Record* m_Record;
};

class BufferViewTest : public ::testing::Test {
protected:
    bool MakeBuffer(int w, int h)
    {
        CMemoryDIB source(w, h);
        return view.CreateBuffer(nullptr, &source);
    }
    FakeBufferSurface::Record record;
    RecordingView view{&record};
};

TEST_F(BufferViewTest, OnlyTheNewestRectangleAbsorbsAnOverlappingOne)
{
    const struct { const char* why; Rects added, dirty; } cases[] = {
        {"overlapping the newest", {{0, 0, 10, 10}, {5, 5, 20, 20}}, {{0, 0, 20, 20}}},
        {"overlapping only an older one", {{0, 0, 10, 10}, {30, 30, 40, 40}, {5, 5, 12, 12}},
         {{5, 5, 12, 12}, {30, 30, 40, 40}, {0, 0, 10, 10}}},
        {"touching is not overlapping", {{0, 0, 10, 10}, {10, 0, 20, 10}}, {{10, 0, 20, 10}, {0, 0, 10, 10}}},
    };
    for (const auto& c : cases) {
        view.Add(c.added);
        EXPECT_EQ(c.dirty, view.Dirty()) << c.why;
        view.FlushDirty(nullptr);
    }
}

TEST_F(BufferViewTest, FlushComposesEveryRectangleBeforeShowingAnyAndShowsOnlyTheBuffersPart)
{
    ASSERT_TRUE(MakeBuffer(100, 80));
    view.Add({{0, 0, 10, 10}, {30, 30, 40, 40}, {60, 0, 70, 5}});
    view.FlushDirty(nullptr);
    view.FlushDirty(nullptr);
    EXPECT_EQ(std::vector<size_t>(3, 0), view.blitsWhenRendered) << "all composed before any is shown, once";
    EXPECT_EQ((Rects{{60, 0, 70, 5}, {30, 30, 40, 40}, {0, 0, 10, 10}}), record.blits);

    record.blits.clear();
    for (RECT r : Rects{{90, 70, 130, 120}, {200, 0, 300, 50}})
        view.BlitToWindow(nullptr, &r);
    view.BlitToWindow(nullptr, nullptr);
    EXPECT_EQ((Rects{{90, 70, 100, 80}, {0, 0, 100, 80}}), record.blits);
}

TEST_F(BufferViewTest, WithoutABufferNothingIsShownOrPrinted)
{
    record.failCreate = true;
    EXPECT_FALSE(MakeBuffer(50, 50));
    view.Add({{0, 0, 10, 10}});
    view.FlushDirty(nullptr);
    const int place[4] = {0, 0, 100, 100};
    view.PrintTo(nullptr, place);
    EXPECT_TRUE(record.blits.empty());
    EXPECT_EQ(nullptr, record.printed);
}

TEST_F(BufferViewTest, ThePrintedImageHasARoundedBlackBorderAndBlackenedCorners)
{
    ASSERT_TRUE(MakeBuffer(640, 480));
    const int place[4] = {10, 20, 3000, 2000};
    view.PrintTo(nullptr, place);
    ASSERT_NE(nullptr, record.printed);
    const CMemoryDIB& image = *record.printed;
    ASSERT_EQ(644, image.GetWidth());
    ASSERT_EQ(484, image.GetHeight());
    EXPECT_EQ(0, std::memcmp(place, record.place, sizeof place));
    // Outside the outer curve at the corners, the border, and the frame's own
    // blackened corner inside it.
    const COLORREF white = 0xFFFFFF, black = 0, frame = 0x808080;
    const struct { int x, y; COLORREF colour; } pixels[] = {
        {0, 0, white}, {5, 0, white}, {6, 0, black}, {643, 0, white}, {0, 483, white}, {643, 483, white},
        {0, 5, white}, {0, 6, black}, {322, 0, black}, {1, 200, black}, {2, 2, black}, {8, 2, black},
        {9, 2, frame}, {641, 481, black}, {322, 2, frame}, {3, 9, frame},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(p.colour, PixelOf(image, p.x, p.y)) << p.x << ", " << p.y;
    EXPECT_EQ(black, PixelOf(*view.GetBuffer(), 0, 0)) << "the screen buffer keeps its corners until recomposed";
    EXPECT_EQ(frame, PixelOf(*view.GetBuffer(), 7, 0));
}

} // namespace
