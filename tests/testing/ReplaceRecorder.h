// Records, while it lives, the steps of every file replace in order:
// "flush <file>" for data put to the disk, "<file> > <target>" for a move.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "persist/FileReplace.h"

struct ReplaceRecorder {
    ReplaceRecorder() { calls.clear(), moved.clear(), real = SystemReplaceCalls, SystemReplaceCalls = {Flush, Move}; }
    ~ReplaceRecorder() { SystemReplaceCalls = real; }
    static std::string Name(const std::string& path) { return std::filesystem::path(path).filename().string(); }
    static bool Flush(const std::string& path) { return calls.push_back("flush " + Name(path)), real.flush(path); }
    static bool Move(const std::string& from, const std::string& to)
    {
        return calls.push_back(Name(from) + " > " + Name(to)), moved.push_back(Name(to)), real.move(from, to);
    }
    static inline std::vector<std::string> calls, moved; // moved: the targets alone
    static inline ReplaceCalls real;
};
