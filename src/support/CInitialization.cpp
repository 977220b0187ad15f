#include "support/CInitialization.h"

#include "persist/DeSerializer.h"
#include "persist/Serializer.h"
#include "support/Log.h"

int32_t CInitialization::ms_ShowNewStickerHint = 1;
const char* const CInitialization::HEADER_TEXT = "ZEPGOPTN";
const char* const CInitialization::FILE_NAME = "\\options04.dta";
std::string CInitialization::ms_FullPath;

namespace {

[[noreturn]] void Reject(const char* text)
{
    LogMessage("%s", text);
    throw text;
}

} // namespace

CInitialization::CInitialization(const std::string& programFolder)
{
    ms_ShowNewStickerHint = 1;
    ms_FullPath = programFolder + FILE_NAME;
    Load();
}

void CInitialization::Serialize(Serializer& out)
{
    out.PutString(HEADER_TEXT);
    out.PutLong(VERSION);
    out.PutLong(ms_ShowNewStickerHint);
}

void CInitialization::DeSerialize(DeSerializer& in)
{
    if (in.GetString() != HEADER_TEXT)
        Reject("CInitialization::DeSerialize: file text is wrong");
    if (in.GetLong() != VERSION)
        Reject("CInitialization::DeSerialize: file version number is wrong");
    // A short file throws here, before the option changes.
    ms_ShowNewStickerHint = in.GetLong();
}

void CInitialization::Save()
{
    try {
        Serializer out(ms_FullPath);
        Serialize(out);
        out.Commit();
    } catch (...) {
        // The option lives on in memory.
    }
}

void CInitialization::Load()
{
    try {
        DeSerializer in(ms_FullPath);
        DeSerialize(in);
    } catch (...) {
        // Missing, short or foreign: replaced by a file holding the current values.
        Save();
    }
}
