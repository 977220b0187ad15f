// art.rc and the files it names: the sounds, the icon and the cursor.
#include "ArtFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {
using ArtFolder::little;

std::map<std::string, std::pair<std::string, std::string>> script()
{
    std::ifstream in(ArtFolder::path() + "/resources/art.rc");
    std::map<std::string, std::pair<std::string, std::string>> entries;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.rfind("//", 0) == 0)
            continue;
        std::istringstream words(line);
        std::string name, type, file;
        words >> name >> type >> file;
        entries[name] = {type, file.substr(1, file.size() - 2)};
    }
    return entries;
}
}

TEST(Resources, ScriptNamesEveryResourceTheProgramLoadsAndEachFileExists)
{
    const auto entries = script();
    const std::map<std::string, std::string> expected = {
        {"IDI_MOSSLEAF", "ICON"}, {"ArrowCursor", "CURSOR"}, {"ClearWAVE", "WAVE"}, {"PeelWAVE", "WAVE"},
        {"StickWAVE", "WAVE"}, {"SelectWAVE", "WAVE"}, {"AboutDialogBkg", "BITMAP"},
        {"ClearAllDialogBkg", "BITMAP"}, {"NewStkrDialogBkg", "BITMAP"}, {"EndingScrnDialogBkg", "BITMAP"},
        {"YESButtonUp", "BITMAP"}, {"YESButtonDown", "BITMAP"}, {"NOButtonUp", "BITMAP"},
        {"NOButtonDown", "BITMAP"}, {"OKButtonUp", "BITMAP"}, {"OKButtonDown", "BITMAP"},
        {"QuitButtonUp", "BITMAP"}, {"QuitButtonDown", "BITMAP"},
    };
    EXPECT_EQ(expected.size(), entries.size());
    for (const auto& [name, type] : expected) {
        const auto found = entries.find(name);
        ASSERT_NE(entries.end(), found) << name;
        EXPECT_EQ(type, found->second.first) << name;
        EXPECT_TRUE(std::filesystem::is_regular_file(ArtFolder::path() + "/resources/" + found->second.second)) << name;
    }
}

TEST(Resources, SoundsAreShortAudiblePcmWaves)
{
    for (const char* name : {"ClearWAVE", "PeelWAVE", "StickWAVE", "SelectWAVE"}) {
        SCOPED_TRACE(name);
        const std::vector<unsigned char> b = ArtFolder::read(std::string("resources/") + name + ".wav");
        ASSERT_GE(b.size(), 44u);
        EXPECT_EQ("RIFF", std::string(b.begin(), b.begin() + 4));
        EXPECT_EQ(b.size() - 8, little(b, 4, 4));
        EXPECT_EQ("WAVEfmt ", std::string(b.begin() + 8, b.begin() + 16));
        EXPECT_EQ(1u, little(b, 20, 2)) << "PCM";
        EXPECT_EQ(1u, little(b, 22, 2)) << "mono";
        const uint32_t rate = little(b, 24, 4);
        EXPECT_EQ(16u, little(b, 34, 2));
        EXPECT_EQ("data", std::string(b.begin() + 36, b.begin() + 40));
        const uint32_t bytes = little(b, 40, 4);
        ASSERT_EQ(b.size(), 44 + size_t(bytes));
        const double seconds = bytes / 2.0 / rate;
        EXPECT_GT(seconds, 0.05);
        EXPECT_LT(seconds, 1.0);
        int peak = 0;
        for (size_t i = 44; i + 1 < b.size(); i += 2)
            peak = std::max(peak, std::abs(int(int16_t(little(b, i, 2)))));
        EXPECT_GT(peak, 3000) << "audible";
        EXPECT_LT(peak, 32767) << "not clipped";
    }
}

TEST(Resources, IconHasSeveralSizesAndTheCursorPointsWithItsTip)
{
    const std::vector<unsigned char> icon = ArtFolder::read("resources/Mossleaf4.ico");
    ASSERT_GE(icon.size(), 6u);
    EXPECT_EQ(1u, little(icon, 2, 2));
    const uint32_t count = little(icon, 4, 2);
    EXPECT_GE(count, 3u);
    for (uint32_t i = 0; i < count; ++i) {
        const size_t entry = 6 + 16 * i;
        const uint32_t size = icon[entry], bytes = little(icon, entry + 8, 4), offset = little(icon, entry + 12, 4);
        ASSERT_LE(size_t(offset) + bytes, icon.size()) << "image " << i;
        EXPECT_EQ(40u, little(icon, offset, 4)) << "image " << i;
        EXPECT_EQ(size, little(icon, offset + 4, 4)) << "image " << i;
        EXPECT_EQ(2 * size, little(icon, offset + 8, 4)) << "image " << i << ": colour and mask";
        EXPECT_EQ(32u, little(icon, offset + 14, 2)) << "image " << i;
    }
    const std::vector<unsigned char> cursor = ArtFolder::read("resources/ArrowCursor.cur");
    ASSERT_GE(cursor.size(), 22u);
    EXPECT_EQ(2u, little(cursor, 2, 2));
    EXPECT_EQ(1u, little(cursor, 4, 2));
    EXPECT_EQ(32u, cursor[6]);
    EXPECT_EQ(1u, little(cursor, 10, 2)) << "hotspot x";
    EXPECT_EQ(1u, little(cursor, 12, 2)) << "hotspot y";
}
