#include "ScreenPicture.h"

#include <fstream>
#include <vector>

namespace {

const int WIDTH = 1024;
const int HEIGHT = 768;

template <class T>
void Put(std::vector<char>& out, T value)
{
    const char* bytes = reinterpret_cast<const char*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof value);
}

} // namespace

void WritePicture(const std::string& path, int width, int height,
                  const std::function<COLORREF(int, int)>& colourAt)
{
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> out;
    out.push_back('Y');
    out.push_back('5');
    Put<uint32_t>(out, 54 + stride * height);
    Put<uint32_t>(out, 0);
    Put<uint32_t>(out, 54);
    Put<uint32_t>(out, 40);
    Put<int32_t>(out, width);
    Put<int32_t>(out, height);
    Put<uint16_t>(out, 1);
    Put<uint16_t>(out, 24);
    for (int i = 0; i < 6; ++i)
        Put<uint32_t>(out, 0);
    for (int row = height - 1; row >= 0; --row) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colourAt(x, row);
            out.push_back(static_cast<char>(GetBValue(c)));
            out.push_back(static_cast<char>(GetGValue(c)));
            out.push_back(static_cast<char>(GetRValue(c)));
        }
        out.insert(out.end(), stride - width * 3, 0);
    }
    std::ofstream(path, std::ios::binary).write(out.data(), out.size());
}

Canvas::Canvas()
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = WIDTH;
    info.bmiHeader.biHeight = -HEIGHT;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_Bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_Bits = static_cast<uint32_t*>(bits);
    m_Dc = CreateCompatibleDC(nullptr);
    m_Old = SelectObject(m_Dc, m_Bitmap);
}

Canvas::~Canvas()
{
    SelectObject(m_Dc, m_Old);
    DeleteDC(m_Dc);
    DeleteObject(m_Bitmap);
}

COLORREF Canvas::Pixel(int x, int y) const
{
    GdiFlush();
    const uint32_t bgr = m_Bits[y * WIDTH + x];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

void Canvas::Fill(COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all = {0, 0, WIDTH, HEIGHT};
    FillRect(m_Dc, &all, brush);
    DeleteObject(brush);
}

TestWindow::TestWindow()
{
    m_Window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, WIDTH, HEIGHT, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
}

TestWindow::~TestWindow()
{
    DestroyWindow(m_Window);
}

HWND TestWindow::AddButton(int id)
{
    return CreateWindowExA(0, "button", "", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 60, 60,
                           m_Window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}
