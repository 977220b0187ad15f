// A buffer surface in plain memory that records what reached the "window"
// and the "printer"; rectangles compared and printed in expectations.
#pragma once

#include <algorithm>
#include <memory>
#include <ostream>
#include <vector>

#include "imaging/BufferSurface.h"
#include "imaging/CMemoryDIB.h"

inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
inline std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

class FakeBufferSurface : public BufferSurface {
public:
    BYTE* Create(HWND, const BITMAPINFO* info) override
    {
        pixels.assign(CMemoryDIB::StrideFor(info->bmiHeader.biWidth) * info->bmiHeader.biHeight, 0);
        return failCreate ? nullptr : pixels.data();
    }
    void Blit(HWND, const RECT& area) override { blits.push_back(area); }
    void Stretch(HDC, const int where[4], CMemoryDIB& image) override
    {
        printed.reset(new CMemoryDIB(image.GetWidth(), image.GetHeight()));
        image.CopyTo(printed.get(), 0, 0, image.GetWidth(), image.GetHeight(), 0, 0, -1);
        std::copy(where, where + 4, place);
    }

    bool failCreate = false;
    std::vector<RECT> blits;
    std::unique_ptr<CMemoryDIB> printed; // the last page printed
    int place[4] = {0, 0, 0, 0};
    std::vector<BYTE> pixels;
};
