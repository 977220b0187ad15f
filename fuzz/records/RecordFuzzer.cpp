// The record readers of the program's own files, fed from memory: the first
// byte chooses the options file, the ledger or a page file (and which page),
// the rest is the file. Every reader must end in a caught message, never a
// crash, and a page may only yield stickers that belong there.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "persist/DeSerializer.h"
#include "sticker/PageFile.h"
#include "sticker/PlaceTable.h"
#include "sticker/StickersUsed.h"
#include "support/CInitialization.h"

namespace {

void CheckPage(const std::vector<PageRecord>& records, int page)
{
    bool seen[NUMBEROFSTICKERGRAPHICS] = {};
    for (const PageRecord& r : records) {
        const StickerPlace& place = STICKER_PLACES[r.index];
        if (seen[r.index] || place.page - 1 != page || place.x != r.x || place.y != r.y)
            std::abort();
        seen[r.index] = true;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    DeSerializer in(data + 1, size - 1);
    const int page = data[0] / 3 % 2;
    try {
        if (data[0] % 3 == 0)
            CInitialization().DeSerialize(in);
        else if (data[0] % 3 == 1)
            StickersUsed::GetStickersUsed()->ReadFrom(in);
        else
            CheckPage(ReadPageRecords(in, page), page);
    } catch (const char*) {
    }
    return 0;
}
