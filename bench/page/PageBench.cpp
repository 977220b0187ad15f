// One move of a carried sticker: the two dirty rectangles (about 120 x 120
// each, old and new place) composed over the page background and three
// overlapping stickers, against a plain memcpy of the same number of bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "imaging/BufferSurface.h"
#include "imaging/CMemoryDIB.h"
#include "imaging/CSprite.h"
#include "sticker/AnimView.h"
#include "sticker/CAnimDoc.h"

namespace {

const int SIDE = 120;
const size_t MOVE_BYTES = 2u * SIDE * SIDE * 3;

// The buffer in plain memory; nothing is shown.
class MemorySurface : public BufferSurface {
public:
    BYTE* Create(HWND, const BITMAPINFO* info) override
    {
        m_Pixels.assign(CMemoryDIB::StrideFor(info->bmiHeader.biWidth) * info->bmiHeader.biHeight,
                        0);
        return m_Pixels.data();
    }
    void Blit(HWND, const RECT&) override {}
    void Stretch(HDC, const int[4], CMemoryDIB&) override {}

private:
    std::vector<BYTE> m_Pixels;
};

void Paint(CMemoryDIB& picture, BYTE seed)
{
    for (int y = 0; y < picture.GetHeight(); ++y)
        for (int x = 0; x < picture.GetWidth(); ++x) {
            BYTE* p = picture.PixelAddress(x, y);
            p[0] = static_cast<BYTE>(seed + x);
            p[1] = static_cast<BYTE>(seed + y);
            p[2] = seed;
        }
}

// A sticker cut out of a magenta square, as the art draws them.
CSprite* Sticker(int x, int y, BYTE seed)
{
    POINT at = {x, y};
    CSprite* sprite = new CSprite(0, 0, &at);
    sprite->CreateBlank(SIDE, SIDE);
    Paint(*sprite, seed);
    for (int row = 0; row < SIDE; ++row)
        for (int column = 0; column < SIDE; ++column) {
            const int dx = column - SIDE / 2, dy = row - SIDE / 2;
            if (dx * dx + dy * dy > (SIDE / 2) * (SIDE / 2)) {
                BYTE* p = sprite->PixelAddress(column, row);
                p[0] = 0xFF;
                p[1] = 0x00;
                p[2] = 0xFF;
            }
        }
    sprite->ResetKey();
    return sprite;
}

void BM_CarriedStickerMove(benchmark::State& state)
{
    CAnimView view;
    CAnimDoc doc;
    view.SetSurface(std::unique_ptr<BufferSurface>(new MemorySurface));
    doc.LinkView(&view);
    CMemoryDIB* background = new CMemoryDIB(PAGE_WIDTH, PAGE_HEIGHT);
    Paint(*background, 40);
    doc.SetBackground(nullptr, background);
    doc.GetSprites().Insert(Sticker(300, 200, 1));
    doc.GetSprites().Insert(Sticker(360, 240, 2));
    doc.GetSprites().Insert(Sticker(330, 290, 3));
    CSprite* carried = Sticker(250, 180, 4);
    doc.GetSprites().Insert(carried);
    view.FlushDirty(nullptr);

    // Far enough each time that old and new place stay two rectangles.
    int step = 0;
    for (auto _ : state) {
        step ^= 1;
        carried->SetPosition(250 + step * 160, 180 + step * 40);
        view.FlushDirty(nullptr);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * MOVE_BYTES));
}
BENCHMARK(BM_CarriedStickerMove);

void BM_MemcpyOfAMovesBytes(benchmark::State& state)
{
    std::vector<BYTE> from(MOVE_BYTES, 1), to(MOVE_BYTES);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), MOVE_BYTES);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * MOVE_BYTES));
}
BENCHMARK(BM_MemcpyOfAMovesBytes);

} // namespace

BENCHMARK_MAIN();
