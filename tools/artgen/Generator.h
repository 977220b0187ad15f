// Makes every picture, sound and note of the program under one folder.
#pragma once

#include <string>

namespace Generator {
// True when every file was written.
bool run(const std::string& folder);
}
