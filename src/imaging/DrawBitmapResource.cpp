#include "imaging/DrawBitmapResource.h"

#include "support/Log.h"

int DrawBitmapResource(HDC dc, const char* name, int x, int y)
{
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    if (!bitmap) {
        if (IS_INTRESOURCE(name))
            LogMessage("DrawBitmapResource: Unable to load bitmap #%u",
                       static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)));
        else
            LogMessage("DrawBitmapResource: Unable to load bitmap %s", name);
        return 1;
    }
    BITMAP size = {};
    GetObjectA(bitmap, sizeof size, &size);
    HDC memory = CreateCompatibleDC(dc);
    if (memory) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(dc, x, y, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    } else {
        LogMessage("DrawBitmapResource: CreateCompatibleDC failed");
    }
    DeleteObject(bitmap);
    return 1;
}

int DrawButtonBitmap(const DRAWITEMSTRUCT* item, const char* down, const char* up)
{
    DrawBitmapResource(item->hDC, (item->itemState & ODS_SELECTED) ? down : up, 0, 0);
    return 0;
}
