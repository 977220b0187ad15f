#include "sticker/StickersUsed.h"

#include <cstdio>

#include "imaging/CFileManager.h"
#include "imaging/CSprite.h"
#include "persist/DeSerializer.h"
#include "persist/Serializer.h"
#include "sticker/CPageCycle.h"
#include "sticker/Catalogue.h"
#include "sticker/DeleteAll.h"
#include "sticker/PageFile.h"
#include "support/Assert.h"
#include "support/Log.h"

namespace {

const char SU_VER[] = "TV";
const size_t MESSAGE_SIZE = 256;

// The formatted failure text, cut to the buffer whatever the file held.
char g_Message[MESSAGE_SIZE];

[[noreturn]] void Fail(const char* format, const std::string& text)
{
    std::snprintf(g_Message, sizeof g_Message, format, text.c_str());
    throw static_cast<const char*>(g_Message);
}

} // namespace

int StickersUsed::ms_StickersLeft = NUMBEROFSTICKERGRAPHICS;
int StickersUsed::ms_States[NUMBEROFSTICKERGRAPHICS] = {};
std::string StickersUsed::ms_FilePath;

StickersUsed* StickersUsed::GetStickersUsed()
{
    static StickersUsed ledger;
    return &ledger;
}

StickersUsed::StickersUsed()
{
    LogMessage("StickersUsed::StickersUsed ctor");
    CFileManager::GetFullPath(ms_FilePath, SaveName(SAVE_STICKERSUSED));
}

StickersUsed::~StickersUsed() = default;

bool StickersUsed::IsValid()
{
    return sizeof ms_States / sizeof ms_States[0] == NUMBEROFSTICKERGRAPHICS &&
           !ms_FilePath.empty();
}

bool StickersUsed::InRange(int stickerIndex, const char* operation)
{
    if (stickerIndex >= SU_MIN_INDEX && stickerIndex <= SU_MAX_INDEX)
        return true;
    DoAssert("stickerIndex >= SU_MIN_INDEX && stickerIndex <= SU_MAX_INDEX", __FILE__,
             __LINE__);
    LogMessage("StickersUsed::%s: out of range: %i", operation, stickerIndex);
    return false;
}

int StickersUsed::GetStickerUsed(int stickerIndex)
{
    if (!InRange(stickerIndex, "GetStickerUsed"))
        return -1;
    return ms_States[stickerIndex];
}

void StickersUsed::SetStickerUsed(int stickerIndex)
{
    if (!InRange(stickerIndex, "SetStickerUsed"))
        return;
    ms_States[stickerIndex] = SU_USED;
    --ms_StickersLeft;
    WriteStickersUsed();
}

void StickersUsed::ResetAll()
{
    ms_StickersLeft = NUMBEROFSTICKERGRAPHICS;
    for (int& state : ms_States)
        state = SU_NOT_USED;
    WriteStickersUsed();
}

void StickersUsed::ResetAndClearPages()
{
    // Pages first: until the ledger is written, the next start puts the
    // stickers back, so the clearing happens whole or not at all.
    {
        DeleteAll deleteAll;
        if (!deleteAll.IsValid())
            DoAssert("(&deleteAll) != NULL && (&deleteAll)->IsValid()", __FILE__, __LINE__);
        deleteAll.ClearPages();
    }
    ResetAll();
}

int StickersUsed::WriteStickersUsed()
{
    try {
        Serializer out(ms_FilePath);
        out.PutString(SU_VER);
        PutPageHeader(out);
        Serialize(out);
        out.Commit();
        return 1;
    } catch (const char* text) {
        LogMessage("catch: %s", text);
    } catch (...) {
        LogMessage("StickersUsed::WriteStickersUsed: exception");
    }
    return 0;
}

int StickersUsed::ReadStickersUsed()
{
    try {
        DeSerializer in(ms_FilePath);
        ReadFrom(in);
        return 1;
    } catch (const char* text) {
        LogMessage("StickersUsed::ReadStickersUsed: catch: %s", text);
    } catch (...) {
        LogMessage("StickersUsed::ReadStickersUsed: catch(...)");
    }
    // Damaged, missing or held: the mend that follows marks used what is on
    // the pages. The pages are never cleared for it.
    ResetAll();
    return 0;
}

void StickersUsed::MendWithPages()
{
    bool onPage[NUMBEROFSTICKERGRAPHICS] = {};
    bool read[CPageCycle::PAGE_COUNT];
    for (int page = 0; page < CPageCycle::PAGE_COUNT; ++page)
        read[page] = PutBackOnPage(page, onPage);
    bool changed = false;
    ms_StickersLeft = NUMBEROFSTICKERGRAPHICS;
    for (int i = SU_MIN_INDEX; i <= SU_MAX_INDEX; ++i) {
        // Of a page held by another program nothing is known: its stickers
        // stay as the ledger has them.
        const int page = STICKER_PLACES[i].page - 1;
        const bool unknown = page >= 0 && page < CPageCycle::PAGE_COUNT && !read[page];
        const int state = (unknown ? ms_States[i] == SU_USED : onPage[i]) ? SU_USED : SU_NOT_USED;
        changed = changed || ms_States[i] != state;
        ms_States[i] = state;
        ms_StickersLeft -= state;
    }
    if (changed)
        WriteStickersUsed();
}

bool StickersUsed::PutBackOnPage(int page, bool* onPage)
{
    std::string path;
    CFileManager::GetFullPath(path, SaveName(page == 0 ? SAVE_PAGE01 : SAVE_PAGE02));
    std::vector<PageRecord> records;
    bool read = false;
    try {
        DeSerializer in(path);
        records = ReadPageRecords(in, page);
        read = true;
    } catch (const char* text) {
        // Held, it is left alone; missing or refused, the page shows empty.
        if (text == DeSerializer::FILE_HELD)
            return false;
    } catch (...) {
    }
    for (const PageRecord& r : records)
        onPage[r.index] = true;
    const size_t found = records.size();
    for (int i = SU_MIN_INDEX; i <= SU_MAX_INDEX; ++i) {
        const StickerPlace& place = STICKER_PLACES[i];
        if (ms_States[i] == SU_USED && place.page - 1 == page && !onPage[i])
            records.push_back(PageRecord{i, place.x, place.y, CSprite::DefaultDepth, false});
    }
    // Put back only when the page took them; otherwise they are offered again.
    // A page file missing or refused is written afresh, so the book always has both.
    if ((records.size() > found || !read) && WritePageRecords(path, records))
        for (size_t k = found; k < records.size(); ++k)
            onPage[records[k].index] = true;
    return true;
}

void StickersUsed::ReadFrom(DeSerializer& in)
{
    const std::string version = in.GetString();
    if (version != SU_VER)
        Fail("StickersUsed::ReadStickersUsed: SU_VER is wrong: %s", version);
    const std::string text = in.GetString();
    if (text != VERSION_TEXT)
        Fail("StickersUsed::ReadStickersUsed: VERSION_TEXT is wrong: %s", text);
    if (in.GetLong() != VER_NUMBER)
        Fail("StickersUsed::ReadStickersUsed: VER_NUMBER is wrong: %s", text);
    DeSerialize(in);
}

void StickersUsed::Serialize(Serializer& out)
{
    for (int state : ms_States)
        out.PutLong(state);
}

void StickersUsed::DeSerialize(DeSerializer& in)
{
    ms_StickersLeft = NUMBEROFSTICKERGRAPHICS;
    for (int* intIterator = ms_States; intIterator != ms_States + NUMBEROFSTICKERGRAPHICS;
         ++intIterator) {
        *intIterator = in.GetLong();
        ML_ASSERT(*intIterator == SU_NOT_USED || *intIterator == SU_USED);
        if (*intIterator == SU_USED)
            --ms_StickersLeft;
    }
    ML_ASSERT(ms_StickersLeft >= 0 && ms_StickersLeft <= NUMBEROFSTICKERGRAPHICS);
    LogMessage("StickersUsed::DeSerialize: ms_StickersLeft %i", ms_StickersLeft);
}
