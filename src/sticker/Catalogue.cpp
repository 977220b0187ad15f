#include "sticker/Catalogue.h"

#include <array>
#include <cstdio>

#include "support/Assert.h"

namespace {

// "<prefix>GGNN.dat" for sticker index k: group and position, both from 1.
std::string StickerFileName(const char* prefix, int k)
{
    char name[32];
    std::snprintf(name, sizeof name, "%s%02d%02d.dat", prefix, k / STICKERS_PER_GROUP + 1,
                  k % STICKERS_PER_GROUP + 1);
    return name;
}

template <size_t N, typename Rule>
std::array<std::string, N> BuildTable(Rule rule)
{
    std::array<std::string, N> table;
    for (size_t k = 0; k < N; ++k)
        table[k] = rule(static_cast<int>(k));
    return table;
}

// An index outside a table is the caller's fault.
template <size_t N>
const std::string& Entry(const std::array<std::string, N>& table, int k)
{
    static const std::string none;
    if (k < 0 || k >= static_cast<int>(N)) {
        ML_ASSERT(k >= 0 && k < static_cast<int>(N));
        return none;
    }
    return table[k];
}

} // namespace

const std::string& TrayPictureName(int stickerIndex)
{
    static const auto table = BuildTable<NUMBEROFTRAYPICTURES>(
        [](int k) { return StickerFileName("\\data004\\b", k); });
    return Entry(table, stickerIndex);
}

const std::string& StickerPictureName(int stickerIndex)
{
    static const auto table = BuildTable<NUMBEROFSTICKERPICTURES>(
        [](int k) { return StickerFileName("\\data004\\s", k); });
    return Entry(table, stickerIndex);
}

const std::string& GroupTabPictureName(int group)
{
    static const auto table = BuildTable<NUMBEROFGROUPTABPICTURES>([](int k) {
        char name[32];
        std::snprintf(name, sizeof name, "\\data004\\b00%02d.dat", k + 4);
        return std::string(name);
    });
    return Entry(table, group);
}

const std::string& CommandButtonPictureName(int k)
{
    static const std::array<std::string, NUMBEROFCOMMANDBUTTONPICTURES> table = {
        "\\data004\\b0015.dat", "\\data004\\b0014.dat", "\\data004\\b0001.dat",
        "\\data004\\b0012.dat", "\\data004\\b0018.dat", "\\data004\\b0002.dat",
    };
    return Entry(table, k);
}

const std::string& PageBackgroundName(int page)
{
    static const auto table = BuildTable<NUMBEROFPAGEBACKGROUNDS>([](int k) {
        char name[32];
        std::snprintf(name, sizeof name, "\\data004\\p%04d.dat", k + 1);
        return std::string(name);
    });
    return Entry(table, page);
}

const std::string& CornerStripName()
{
    static const std::string name = "\\data004\\m0002.dat";
    return name;
}

const std::string& SaveName(int k)
{
    static const std::array<std::string, NUMBEROFSAVENAMES> table = {
        "\\save004\\page01.sav", "\\save004\\page02.sav", "\\save004\\page00.sav",
    };
    return Entry(table, k);
}
