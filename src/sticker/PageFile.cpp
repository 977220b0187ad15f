#include "sticker/PageFile.h"

#include <bitset>

#include "imaging/CSprite.h"
#include "persist/DeSerializer.h"
#include "sticker/Catalogue.h"
#include "support/Log.h"

namespace {

bool BelongsAt(long index, int page, int x, int y)
{
    if (index < STICKER01_01 || index >= NUMBEROFSTICKERPICTURES)
        return false;
    const StickerPlace& place = STICKER_PLACES[index];
    return place.page - 1 == page && place.x == x && place.y == y;
}

} // namespace

std::vector<PageRecord> ReadPageRecords(DeSerializer& in, int page)
{
    if (in.GetString() != VERSION_TEXT)
        throw "ReadPageRecords: file text is wrong";
    if (in.GetLong() != VER_NUMBER)
        throw "ReadPageRecords: file version number is wrong";
    std::vector<PageRecord> records;
    std::bitset<NUMBEROFSTICKERPICTURES> seen;
    CSprite record;
    // The file holds no count: records follow until the reader runs out.
    try {
        for (;;) {
            record.DeSerialize(in);
            const long index = record.GetStickerIndex();
            if (!BelongsAt(index, page, record.GetX(), record.GetY()) || seen[index])
                continue;
            seen[index] = true;
            records.push_back(PageRecord{index, record.GetX(), record.GetY(), record.GetDepth(),
                                         record.IsMirrored()});
        }
    } catch (const char* text) {
        LogMessage("%s", text);
    } catch (...) {
        LogMessage("DeSerialize: catch exception");
    }
    return records;
}

bool WritePageRecords(const std::string& path, const std::vector<PageRecord>& records)
{
    try {
        Serializer out(path);
        PutPageHeader(out);
        for (const PageRecord& r : records) {
            const POINT position = {r.x, r.y};
            CSprite record(0, r.index, &position);
            record.SetDepthQuiet(r.depth);
            record.SetMirror(r.mirrored);
            record.Serialize(out);
        }
        out.Commit();
        return true;
    } catch (...) {
        return false;
    }
}
