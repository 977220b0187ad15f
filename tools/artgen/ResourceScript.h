// Writes art.rc, the resource script of everything artgen made for the
// program's resources. IDI_MOSSLEAF comes from the program's resource.h.
#pragma once

#include <string>
#include <vector>

namespace ResourceScript {
struct Entry {
    std::string name;
    std::string type;
    std::string file;
};
std::string text(const std::vector<Entry>& entries);
}
