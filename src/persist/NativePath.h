// The program names its files Windows-style ("\save004\page01.sav"); the
// host build spells the separators its own way.
#pragma once

#include <string>

std::string NativePath(const std::string& path);
