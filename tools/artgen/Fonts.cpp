#include "Fonts.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

cairo_font_face_t* Fonts::find(const char* name)
{
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(name));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    FcChar8* family = nullptr;
    // fontconfig always answers with something; a stand-in font would make
    // different art on another machine, so refuse it.
    if (!match || FcPatternGetString(match, FC_FAMILY, 0, &family) != FcResultMatch
        || std::strncmp(reinterpret_cast<const char*>(family), name, std::strcspn(name, ":")) != 0) {
        std::fprintf(stderr, "artgen: font \"%s\" is not installed\n", name);
        std::exit(2);
    }
    cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(match);
    FcPatternDestroy(match);
    return face;
}

cairo_font_face_t* Fonts::emoji_ = nullptr;
cairo_font_face_t* Fonts::lettering_ = nullptr;

cairo_font_face_t* Fonts::emoji()
{
    if (!emoji_)
        emoji_ = find("Noto Color Emoji");
    return emoji_;
}

cairo_font_face_t* Fonts::lettering()
{
    if (!lettering_)
        lettering_ = find("DejaVu Sans:bold");
    return lettering_;
}

void Fonts::release()
{
    for (cairo_font_face_t** face : {&emoji_, &lettering_}) {
        if (*face)
            cairo_font_face_destroy(*face);
        *face = nullptr;
    }
    cairo_debug_reset_static_data();
    FcFini();
}
