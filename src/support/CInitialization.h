// The program's one persistent option, kept in "\options04.dta" in the
// program folder: whether the new-sticker hint is still to be shown.
#pragma once

#include <cstdint>
#include <string>

#include "persist/CSerializable.h"

class CInitialization : public CSerializable {
public:
    // Sets the option to 1 and loads the file, creating it when it is
    // missing or rejected.
    explicit CInitialization(const std::string& programFolder);
    // Touches nothing: used to save the current values.
    CInitialization() = default;

    void Serialize(Serializer& out) override;
    // Throws (and traces) for a wrong header text or version; the option
    // changes only after both checks passed.
    void DeSerialize(DeSerializer& in) override;
    ~CInitialization() override = default;
    // Write failures are ignored: the option lives on in memory.
    virtual void Save();
    virtual void Load();

    // Nonzero: show the hint the next time a sticker is taken.
    static int32_t ms_ShowNewStickerHint;

    static const char* const HEADER_TEXT;
    static const int32_t VERSION = 1024;
    static const char* const FILE_NAME;

private:
    // Folder + file name, set by the loading constructor; kept for the
    // default-constructed savers.
    static std::string ms_FullPath;
};
