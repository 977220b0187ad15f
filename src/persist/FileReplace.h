// The platform's atomic replacement of one file by another in the same folder.
#pragma once

#include <string>

// Makes the temporary file's contents durable and moves it over the target
// (creating the target if absent). False when the move did not happen; the
// temporary file is then removed.
bool ReplaceWithTemporary(const std::string& temporary, const std::string& target);

// The two steps whose order keeps a save whole through a power cut: the
// temporary file's data flushed to the disk, then the file moved over the
// target. Each is one system call on the file; false when it failed. A test
// may put its own in front to see the steps and their order.
struct ReplaceCalls {
    bool (*flush)(const std::string& path);
    bool (*move)(const std::string& from, const std::string& to);
};
extern ReplaceCalls SystemReplaceCalls;
