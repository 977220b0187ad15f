// The two typefaces of the art: Noto Color Emoji for pictures, DejaVu Sans
// Bold for lettering. Found through fontconfig once and kept for the run.
#pragma once

#include <cairo.h>

class Fonts {
public:
    static cairo_font_face_t* emoji();
    static cairo_font_face_t* lettering();
    // Lets go of the faces and of cairo's and fontconfig's caches at the end
    // of a run, so leak checkers see a clean exit.
    static void release();

private:
    static cairo_font_face_t* find(const char* pattern);
    static cairo_font_face_t* emoji_;
    static cairo_font_face_t* lettering_;
};
