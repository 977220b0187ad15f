// The picture readers on hostile bytes: the memory picture's reader, and the
// header and colour-table checks of the DIB-section reader that decide what
// GDI may read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "imaging/CDIBSection.h"
#include "imaging/CMemoryDIB.h"
#include "imaging/CMemoryFile.h"

namespace {

// A little of everything a caller does with a picture it has read: its far
// corners, keyed and mirrored copies out of them.
void UsePicture(const CMemoryDIB& picture)
{
    const int width = picture.GetWidth(), height = picture.GetHeight();
    COLORREF colour = 0;
    picture.GetPixel(width - 1, 0, &colour);
    picture.GetMirroredPixel(width - 1, height - 1, &colour);
    const int w = width < 48 ? width : 48, h = height < 48 ? height : 48;
    CMemoryDIB target(w, h);
    picture.CopyTo(&target, 0, 0, w, h, width - w, height - h, 0xFF00FF);
    picture.CopyMirroredTo(&target, 0, 0, w, h, width - w, 0, 0xFF00FF);
}

void CheckSectionInfo(const uint8_t* data, size_t size)
{
    CMemoryFile file(data, size);
    std::vector<BYTE> info;
    DWORD pixelSize = 0;
    if (!CDIBSection::ReadInfo(file, &info, &pixelSize))
        return;
    // What GDI reads: the header with its full colour table, then the rows.
    const BITMAPINFOHEADER* header = reinterpret_cast<const BITMAPINFOHEADER*>(info.data());
    const size_t table = header->biBitCount <= 8 ? (size_t(1) << header->biBitCount) * 4 : 0;
    if (info.size() < 40 + table || file.GetPosition() > size || size - file.GetPosition() < pixelSize)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CMemoryFile file(data, size);
    CMemoryDIB picture(2, 2);
    if (picture.ReadFrom(file))
        UsePicture(picture);
    CheckSectionInfo(data, size);
    return 0;
}
