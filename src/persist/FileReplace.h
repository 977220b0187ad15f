// The platform's atomic replacement of one file by another in the same folder.
#pragma once

#include <string>

// Makes the temporary file's contents durable and moves it over the target
// (creating the target if absent). False when the move did not happen; the
// temporary file is then removed.
typedef bool (*FileReplacer)(const std::string& temporary, const std::string& target);

// Every save goes through this one; a test may put its own in front to see
// which files are replaced, in which order.
extern FileReplacer ReplaceWithTemporary;
