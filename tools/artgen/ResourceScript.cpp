#include "ResourceScript.h"

namespace ResourceScript {
std::string text(const std::vector<Entry>& entries)
{
    std::string out = "// Made by artgen: the pictures, sounds, icon and cursor of the program's resources.\n";
    for (const Entry& e : entries)
        out += e.name + " " + e.type + " \"" + e.file + "\"\n";
    return out;
}
}
