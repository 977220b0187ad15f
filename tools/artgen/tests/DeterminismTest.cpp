// Two runs of the generator write the same bytes: this test's run against
// the one the build made.
#include "ArtFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

TEST(Determinism, TwoRunsWriteIdenticalFiles)
{
    const fs::path built(ARTGEN_BUILD_ART_DIR);
    ASSERT_TRUE(fs::exists(built / "resources" / "art.rc")) << "the build ran no generator into " << built;
    int compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(ArtFolder::path())) {
        if (!entry.is_regular_file())
            continue;
        const fs::path relative = fs::relative(entry.path(), ArtFolder::path());
        std::ifstream a(entry.path(), std::ios::binary), b(built / relative, std::ios::binary);
        ASSERT_TRUE(b.good()) << relative << " missing from " << built;
        const std::vector<char> ours((std::istreambuf_iterator<char>(a)), {}), theirs((std::istreambuf_iterator<char>(b)), {});
        EXPECT_TRUE(ours == theirs) << relative << " differs between runs";
        ++compared;
    }
    EXPECT_GT(compared, 480);
}
