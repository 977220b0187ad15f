// artgen <folder>: writes the program's pictures, sounds, music and
// resources into <folder>.
#include "Fonts.h"
#include "Generator.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen <output folder>\n");
        return 2;
    }
    const bool written = Generator::run(argv[1]);
    Fonts::release();
    return written ? 0 : 1;
}
