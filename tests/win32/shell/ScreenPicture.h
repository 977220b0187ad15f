// Test pictures in the program's ".dat" format, and a screen-sized canvas
// that the phases paint into.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

// Writes a 24-bit "Y5" picture whose pixel (x, y) has the colour colourAt(x, y).
void WritePicture(const std::string& path, int width, int height,
                  const std::function<COLORREF(int, int)>& colourAt);

// A 1024 x 768 32-bit picture selected into a memory device context.
class Canvas {
public:
    Canvas();
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_Dc; }
    COLORREF Pixel(int x, int y) const;
    void Fill(COLORREF colour);

private:
    HDC m_Dc = nullptr;
    HBITMAP m_Bitmap = nullptr;
    HGDIOBJ m_Old = nullptr;
    uint32_t* m_Bits = nullptr;
};

// A hidden top-level window for the phases and buttons to belong to.
class TestWindow {
public:
    TestWindow();
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND hwnd() const { return m_Window; }
    // A button child with the id, as the button groups make them.
    HWND AddButton(int id);

private:
    HWND m_Window = nullptr;
};
