// A buffer surface in plain memory that records what reached the "window"
// and the "printer", for tests of the off-screen view and the page.
#pragma once

#include <memory>
#include <vector>

#include "imaging/BufferSurface.h"
#include "imaging/CMemoryDIB.h"

class FakeBufferSurface : public BufferSurface {
public:
    struct Record {
        std::vector<RECT> blits;
        // The last printed image, as the printer received it.
        std::unique_ptr<CMemoryDIB> printed;
        int place[4] = {0, 0, 0, 0};
        bool failCreate = false;
    };

    explicit FakeBufferSurface(Record* record) : m_Record(record) {}

    BYTE* Create(HWND, const BITMAPINFO* info) override
    {
        if (m_Record->failCreate)
            return nullptr;
        const BITMAPINFOHEADER& header = info->bmiHeader;
        m_Pixels.assign(CMemoryDIB::StrideFor(header.biWidth) * header.biHeight, 0);
        return m_Pixels.data();
    }

    void Blit(HWND, const RECT& area) override { m_Record->blits.push_back(area); }

    void Stretch(HDC, const int place[4], CMemoryDIB& image) override
    {
        m_Record->printed.reset(new CMemoryDIB(image.GetWidth(), image.GetHeight()));
        image.CopyTo(m_Record->printed.get(), 0, 0, image.GetWidth(), image.GetHeight(), 0, 0,
                     -1);
        for (int i = 0; i < 4; ++i)
            m_Record->place[i] = place[i];
    }

private:
    Record* m_Record;
    std::vector<BYTE> m_Pixels;
};
