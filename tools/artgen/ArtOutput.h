// Writes the generated files under one folder and keeps a small copy of every
// picture for the contact sheet. A failed write is remembered, not fatal, so
// the run reports every file it could not write.
#pragma once

#include "Canvas.h"
#include "ResourceScript.h"

#include <string>
#include <vector>

class ArtOutput {
public:
    explicit ArtOutput(std::string root);

    // data004/<name>.dat, "Y5".
    void dataPicture(const std::string& name, const Canvas& canvas);
    // resources/<name>.bmp, "BM", listed in art.rc as a BITMAP.
    void resourcePicture(const std::string& name, const Canvas& canvas);
    // resources/<file>, listed in art.rc under name and type.
    void resource(const std::string& name, const std::string& type, const std::string& file,
                  const std::vector<unsigned char>& bytes);
    void resourceScript();
    void file(const std::string& relative, const std::vector<unsigned char>& bytes);
    void contactSheet(const std::string& relative);

    bool ok() const { return failures_ == 0; }

private:
    void remember(const std::string& label, const Canvas& canvas);
    void check(bool written, const std::string& path);

    struct Thumbnail {
        std::string label;
        Canvas picture;
    };
    std::string root_;
    std::vector<Thumbnail> thumbnails_;
    std::vector<ResourceScript::Entry> resources_;
    int failures_ = 0;
};
