// A fresh program folder with the page's pictures, and the page document
// and view linked as at start-up, drawing into memory.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "imaging/CFileManager.h"
#include "imaging/CSprite.h"
#include "persist/NativePath.h"
#include "sticker/AnimView.h"
#include "sticker/CAnimDoc.h"
#include "sticker/CPageCycle.h"
#include "sticker/Catalogue.h"
#include "sticker/StickerOverPosition.h"
#include "sticker/StickersUsed.h"
#include "testing/FakeBufferSurface.h"
#include "testing/Pictures.h"
#include "testing/TestFolder.h"

const COLORREF BACKGROUND_COLOUR = 0x204060;
const COLORREF STICKER_COLOUR = 0x0000FF;
const COLORREF CORNER_COLOUR = 0x00FF00;
const int STICKER_W = 60;
const int STICKER_H = 40;

// What the view asked of the window system, with the cursor display count.
class FakeCarryPlatform : public CarryPlatform {
public:
    struct Record {
        int displayCount = 0;
        int captures = 0;
        int releases = 0;
        int arrows = 0;
        int posted = 0;
        std::vector<POINT> pointer;
    };
    explicit FakeCarryPlatform(Record* record) : r(record) {}
    void CaptureMouse(HWND) override { ++r->captures; }
    void ReleaseMouse() override { ++r->releases; }
    void ShowSystemCursor(bool show) override { r->displayCount += show ? 1 : -1; }
    void ShowArrow() override { ++r->arrows; }
    void PutPointer(HWND, int x, int y) override { r->pointer.push_back(POINT{x, y}); }
    void PostStuck(HWND) override { ++r->posted; }

private:
    Record* r;
};

inline std::string Native(const std::string& name)
{
    std::string full;
    CFileManager::GetFullPath(full, name);
    return NativePath(full);
}

inline std::string FullPath(const std::string& name)
{
    std::string full;
    CFileManager::GetFullPath(full, name);
    return full;
}

inline std::vector<BYTE> ReadBytes(const std::string& name)
{
    std::ifstream in(Native(name), std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& name, const std::vector<BYTE>& bytes)
{
    std::ofstream out(Native(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void PutLong(std::vector<BYTE>& bytes, int32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<BYTE>(static_cast<uint32_t>(value) >> (8 * i)));
}

inline void PutString(std::vector<BYTE>& bytes, const std::string& text)
{
    PutLong(bytes, static_cast<int32_t>(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
}

inline std::vector<BYTE> PageHeader()
{
    std::vector<BYTE> bytes;
    PutString(bytes, "MORVEN04");
    PutLong(bytes, 1024);
    return bytes;
}

inline void PutRecord(std::vector<BYTE>& bytes, int index, int x, int y, int depth, int mirrored)
{
    for (int value : {index, x, y, depth, mirrored})
        PutLong(bytes, value);
}

class PageTest : public ::testing::Test {
protected:
    PageTest()
    {
        // Relative, so every test's own folder is the program folder.
        CFileManager::SetProgramFolderPath(".");
        std::filesystem::create_directory("data004");
        std::filesystem::create_directory("save004");
        for (int page = 0; page < 2; ++page)
            WritePictureFile(Native(PageBackgroundName(page)), PAGE_WIDTH, PAGE_HEIGHT,
                             BACKGROUND_COLOUR);
        WritePictureFile(Native(CornerStripName()), 32, 8, CORNER_COLOUR);
        for (int index : {0, 84, 86, 106, 107, 111})
            WritePictureFile(Native(StickerPictureName(index)), STICKER_W, STICKER_H,
                             STICKER_COLOUR);

        view.SetSurface(std::unique_ptr<BufferSurface>(new FakeBufferSurface(&surface)));
        view.SetPlatform(std::unique_ptr<CarryPlatform>(new FakeCarryPlatform(&platform)));
        doc.LinkView(&view);
        StickerOverPosition::Init(&view, &doc);
        PageCycle.CurrentPage = 0;
        CursorIndex = CURSOR_ARROW;
        CursorHidden = 0;
        StickersUsed::GetStickersUsed()->ResetAll();
    }

    void ShowFirstPage()
    {
        doc.ShowPage(nullptr, PageBackgroundName(PageCycle.CurrentPage), CORNER_PIECES);
        doc.LoadPage();
    }

    std::vector<CSprite*> Stickers()
    {
        std::vector<CSprite*> out;
        CSpriteList& list = doc.GetSprites();
        for (CSprite* s = list.GetLast(); s; s = list.GetPrevious())
            if (s->GetDepth() >= CSprite::DefaultDepth)
                out.push_back(s);
        return out;
    }

    int CornerCount()
    {
        int count = 0;
        CSpriteList& list = doc.GetSprites();
        for (CSprite* s = list.GetLast(); s; s = list.GetPrevious())
            count += s->GetDepth() < CSprite::DefaultDepth;
        return count;
    }

    TestFolder folder;
    FakeBufferSurface::Record surface;
    FakeCarryPlatform::Record platform;
    CAnimView view;
    CAnimDoc doc;
};
