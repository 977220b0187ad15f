// The platform's atomic replacement of one file by another in the same folder.
#pragma once

#include <string>

// Makes the temporary file's contents durable and moves it over the target
// (creating the target if absent). False when the move did not happen; the
// temporary file is then removed.
bool ReplaceWithTemporary(const std::string& temporary, const std::string& target);
