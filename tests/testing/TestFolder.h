// A fresh empty folder that is the current directory for one test, removed
// again afterwards.
#pragma once

#include <filesystem>
#include <random>
#include <string>

class TestFolder {
public:
    TestFolder()
    {
        namespace fs = std::filesystem;
        previous_ = fs::current_path();
        std::random_device random;
        path_ = fs::temp_directory_path() / ("mossleaf-test-" + std::to_string(random()));
        fs::create_directories(path_);
        fs::current_path(path_);
    }
    ~TestFolder()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};
