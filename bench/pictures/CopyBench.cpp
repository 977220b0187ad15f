// Composing by rectangle copies: a 120 x 120 rectangle copied between two
// page-sized pictures with and without the key colour, against a plain
// memcpy of the same rows.
#include <benchmark/benchmark.h>

#include <cstring>

#include "imaging/CMemoryDIB.h"

namespace {

const int SIDE = 120;
const int PAGE_WIDTH = 844;
const int PAGE_HEIGHT = 588;
const int MAGENTA = 0xFF00FF;

// A sticker-like picture: a disc of colours in a magenta square.
void Paint(CMemoryDIB& picture)
{
    for (int y = 0; y < picture.GetHeight(); ++y)
        for (int x = 0; x < picture.GetWidth(); ++x) {
            BYTE* p = picture.PixelAddress(x, y);
            const int dx = x % SIDE - SIDE / 2, dy = y % SIDE - SIDE / 2;
            const bool outside = dx * dx + dy * dy > (SIDE / 2) * (SIDE / 2);
            p[0] = outside ? 0xFF : static_cast<BYTE>(x);
            p[1] = outside ? 0x00 : static_cast<BYTE>(y);
            p[2] = outside ? 0xFF : static_cast<BYTE>(x + y);
        }
}

struct Pictures {
    Pictures() : source(PAGE_WIDTH, PAGE_HEIGHT), dest(PAGE_WIDTH, PAGE_HEIGHT)
    {
        Paint(source);
        Paint(dest);
    }
    CMemoryDIB source;
    CMemoryDIB dest;
};

void BM_MemcpyRows(benchmark::State& state)
{
    Pictures p;
    for (auto _ : state) {
        const BYTE* from = p.source.PixelAddress(100, 200 + SIDE - 1);
        BYTE* to = p.dest.PixelAddress(300, 100 + SIDE - 1);
        for (int row = 0; row < SIDE; ++row)
            std::memcpy(to + row * p.dest.GetStride(), from + row * p.source.GetStride(), SIDE * 3);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * SIDE * SIDE * 3);
}
BENCHMARK(BM_MemcpyRows);

void BM_CopyToUnkeyed(benchmark::State& state)
{
    Pictures p;
    for (auto _ : state) {
        p.source.CopyTo(&p.dest, 300, 100, SIDE, SIDE, 100, 200, -1);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * SIDE * SIDE * 3);
}
BENCHMARK(BM_CopyToUnkeyed);

void BM_CopyToKeyed(benchmark::State& state)
{
    Pictures p;
    for (auto _ : state) {
        p.source.CopyTo(&p.dest, 300, 100, SIDE, SIDE, 120, 240, MAGENTA);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * SIDE * SIDE * 3);
}
BENCHMARK(BM_CopyToKeyed);

void BM_CopyMirroredToKeyed(benchmark::State& state)
{
    Pictures p;
    for (auto _ : state) {
        p.source.CopyMirroredTo(&p.dest, 300, 100, SIDE, SIDE, 120, 240, MAGENTA);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * SIDE * SIDE * 3);
}
BENCHMARK(BM_CopyMirroredToKeyed);

} // namespace

BENCHMARK_MAIN();
