#include "imaging/CDIBSection.h"

#include "support/Log.h"

namespace {

const BITMAPINFOHEADER* HeaderOf(const std::vector<BYTE>& info)
{
    return info.size() >= sizeof(BITMAPINFOHEADER)
               ? reinterpret_cast<const BITMAPINFOHEADER*>(info.data())
               : nullptr;
}

} // namespace

CDIBSection::~CDIBSection()
{
    Release();
}

void CDIBSection::Release()
{
    if (m_Bitmap)
        DeleteObject(m_Bitmap);
    m_Bitmap = nullptr;
    m_Pixels = nullptr;
    m_Info.clear();
    m_PixelSize = 0;
}

bool CDIBSection::ReadSection(CFile& file, HWND window)
{
    Release();
    std::vector<BYTE> info;
    DWORD pixelSize = 0;
    if (!ReadInfo(file, &info, &pixelSize))
        return false;

    HDC dc = GetDC(window);
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, reinterpret_cast<const BITMAPINFO*>(info.data()),
                                      DIB_RGB_COLORS, &pixels, nullptr, 0);
    ReleaseDC(window, dc);
    if (!bitmap || !pixels) {
        LogMessage("CDIBSection::ReadSection: CreateDIBSection failed.");
        if (bitmap)
            DeleteObject(bitmap);
        return false;
    }
    DWORD got = 0;
    file.Read(pixels, pixelSize, &got);
    if (got != pixelSize) {
        LogMessage("CDIBSection::ReadSection: Bad bitmap image read.");
        DeleteObject(bitmap);
        return false;
    }
    m_Bitmap = bitmap;
    m_Pixels = static_cast<BYTE*>(pixels);
    m_Info = std::move(info);
    m_PixelSize = pixelSize;
    return true;
}

bool CDIBSection::Draw(HDC dc, POINT at, const int* source)
{
    if (!m_Bitmap) {
        LogMessage("CDIBSection::Draw: No image to draw.");
        return false;
    }
    const int x = source ? source[0] : 0;
    const int y = source ? source[1] : 0;
    const int width = source ? source[2] : GetWidth();
    const int height = source ? source[3] : GetHeight();
    SetStretchBltMode(dc, COLORONCOLOR);
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) {
        LogMessage("CDIBSection::Draw: CreateCompatibleDC failed.");
        return false;
    }
    HGDIOBJ old = SelectObject(memory, m_Bitmap);
    BitBlt(dc, at.x, at.y, width, height, memory, x, y, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    return true;
}

int CDIBSection::GetWidth() const
{
    const BITMAPINFOHEADER* header = HeaderOf(m_Info);
    return header ? header->biWidth : 0;
}

int CDIBSection::GetHeight() const
{
    const BITMAPINFOHEADER* header = HeaderOf(m_Info);
    return header ? header->biHeight : 0;
}
