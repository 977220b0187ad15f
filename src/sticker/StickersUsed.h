// The ledger of used stickers: each of the 224 sticker graphics sticks once,
// until everything is cleared. Kept whole in "\save004\page00.sav" ("TV",
// "MORVEN04", 1024, then 224 states), rewritten after every change.
#pragma once

#include <string>

#include "persist/CSerializable.h"
#include "sticker/CValidatable.h"
#include "sticker/PlaceTable.h"

const int SU_NOT_USED = 0;
const int SU_USED = 1;
const int SU_MIN_INDEX = 0;
const int SU_MAX_INDEX = NUMBEROFSTICKERGRAPHICS - 1;

class StickersUsed : public CSerializable, public CValidatable {
public:
    // The one ledger, made (and its file path formed) on the first call.
    static StickersUsed* GetStickersUsed();

    void Serialize(Serializer& out) override;
    void DeSerialize(DeSerializer& in) override;
    virtual ~StickersUsed();
    bool IsValid() override;

    // SU_USED or SU_NOT_USED; -1 for an index outside 0...223.
    int GetStickerUsed(int stickerIndex);
    // Marks the sticker used and rewrites the file at once.
    void SetStickerUsed(int stickerIndex);
    void ResetAll();
    // Also empties both page files, so ledger and pages agree.
    void ResetAndClearPages();
    // 1 when the file was read whole (a file another program holds is tried
    // again for a moment). Otherwise the ledger is reset, and the pages left
    // for MendWithPages to rebuild it from.
    int ReadStickersUsed();
    // At start, after ReadStickersUsed: a sticker is used exactly when it is
    // on its page. One found on its page becomes used; one marked used but
    // missing from its page is put back there (a stick writes the page
    // first, clear-all the ledger last, so either is an interrupted save);
    // one with no place on either page is offered again. Pages are written
    // before the ledger, each only when it changed (or its file was missing
    // or refused). A page held by another program is neither read nor
    // written: its stickers keep their states.
    void MendWithPages();
    int WriteStickersUsed();
    // The records of a ledger file, header first; throws the reader's or the
    // header's failure text.
    void ReadFrom(DeSerializer& in);

    const std::string& GetFilePath() const { return ms_FilePath; }

    static int ms_StickersLeft;

private:
    StickersUsed();
    static bool InRange(int stickerIndex, const char* operation);
    // False when the page file is held by another program (and not touched).
    bool PutBackOnPage(int page, bool* onPage);

    static int ms_States[NUMBEROFSTICKERGRAPHICS];
    static std::string ms_FilePath;
};
