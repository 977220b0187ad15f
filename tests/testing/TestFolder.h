// A fresh empty folder that is the current directory for one test, removed
// again afterwards; and the trace log, which is written there, read back.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "support/Log.h"

class TestFolder {
public:
    TestFolder() : previous_(std::filesystem::current_path())
    {
        path_ = std::filesystem::temp_directory_path() / ("mossleaf-test-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(path_);
        std::filesystem::current_path(path_);
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
    std::filesystem::path previous_, path_;
};

// Turns the trace log on for its life.
class TraceCapture {
public:
    TraceCapture() { g_LogEnabled = 1; }
    ~TraceCapture() { g_LogEnabled = 0; }
    // The messages written so far, a line each without the time; the log then starts afresh.
    std::string Take()
    {
        std::string text, line;
        for (std::ifstream in("log.txt", std::ios::binary); std::getline(in, line);)
            text += line.substr(line.find('\t') + 1) + "\n"; // no tab: the whole line
        std::remove("log.txt");
        return text;
    }
};
