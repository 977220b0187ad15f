// The record reader driving the layouts of the program's own files: the
// first byte chooses the options file, the ledger or a page file, the rest
// is the file. Every reader must end in a caught message, never a crash.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "imaging/CFileManager.h"
#include "persist/DeSerializer.h"
#include "sticker/CAnimDoc.h"
#include "sticker/Catalogue.h"
#include "sticker/StickersUsed.h"
#include "support/CInitialization.h"

namespace {

namespace fs = std::filesystem;

char g_FolderToRemove[4096];

void WriteFile(const fs::path& path, const uint8_t* data, size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// A 2 x 2 sticker picture, so that page records can make sprites.
void WriteStickerPicture(const fs::path& path)
{
    uint8_t bytes[54 + 16] = {'Y', '5'};
    bytes[10] = 54;
    bytes[14] = 40;
    bytes[18] = 2;
    bytes[22] = 2;
    bytes[26] = 1;
    bytes[28] = 24;
    WriteFile(path, bytes, sizeof bytes);
}

// A program folder of its own, on a memory file system where there is one.
const fs::path& ProgramFolder()
{
    static const fs::path folder = [] {
        const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path made = base / ("mossleaf-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(made / "save004");
        fs::create_directories(made / "data004");
        for (int k = 0; k < NUMBEROFSTICKERPICTURES; ++k)
            WriteStickerPicture(made / ("data004/" + StickerPictureName(k).substr(9)));
        CFileManager::SetProgramFolderPath(made.string());
        // Copied out: the path itself is destroyed before exit handlers run.
        std::snprintf(g_FolderToRemove, sizeof g_FolderToRemove, "%s", made.c_str());
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(g_FolderToRemove, ignored);
        });
        return made;
    }();
    return folder;
}

void ReadOptions(const fs::path& path)
{
    CInitialization options;
    try {
        DeSerializer in(path.string());
        options.DeSerialize(in);
    } catch (...) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const fs::path& folder = ProgramFolder();
    const uint8_t* file = data + 1;
    const size_t fileSize = size - 1;
    switch (data[0] % 3) {
    case 0:
        WriteFile(folder / "options04.dta", file, fileSize);
        ReadOptions(folder / "options04.dta");
        break;
    case 1:
        WriteFile(folder / "save004/page00.sav", file, fileSize);
        StickersUsed::GetStickersUsed()->ReadStickersUsed();
        break;
    default:
        WriteFile(folder / "save004/page01.sav", file, fileSize);
        AnimDoc.ReadSprites((folder / "save004/page01.sav").string());
        AnimDoc.DeleteContents();
        break;
    }
    return 0;
}
