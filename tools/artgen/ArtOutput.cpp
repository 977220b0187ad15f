#include "ArtOutput.h"

#include "Lettering.h"
#include "PictureFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {
const int SHEET_W = 1800;
const int MAX_THUMB_W = 280, MAX_THUMB_H = 220;
const int LABEL_H = 16, GAP = 10;
const int STRIP_COLUMN_H = 540;

// The picture as the program will see it: clear pixels in the key colour.
Canvas asWritten(const Canvas& canvas)
{
    Canvas out(canvas.width(), canvas.height());
    for (int y = 0; y < canvas.height(); ++y) {
        const uint32_t* in = canvas.row(y);
        uint32_t* row = out.row(y);
        for (int x = 0; x < canvas.width(); ++x)
            row[x] = 0xFF000000 | PictureFile::colourOf(in[x]);
    }
    return out;
}

// A tall strip of tiles (the counter's numbers, the page bands) shown at its
// own size, cut into columns side by side, so every tile can be read.
Canvas columns(const Canvas& strip)
{
    const int count = (strip.height() + STRIP_COLUMN_H - 1) / STRIP_COLUMN_H;
    const int height = (strip.height() + count - 1) / count;
    Canvas out(count * (strip.width() + 4), height);
    out.fill(0x505050);
    for (int i = 0; i < count; ++i)
        out.draw(strip.crop(0, i * height, strip.width(), height), i * (strip.width() + 4), 0);
    return out;
}
}

ArtOutput::ArtOutput(std::string root) : root_(std::move(root))
{
    std::error_code error;
    std::filesystem::create_directories(root_ + "/data004", error);
    std::filesystem::create_directories(root_ + "/resources", error);
}

void ArtOutput::check(bool written, const std::string& path)
{
    if (!written) {
        std::fprintf(stderr, "artgen: could not write %s\n", path.c_str());
        ++failures_;
    }
}

void ArtOutput::dataPicture(const std::string& name, const Canvas& canvas)
{
    const std::string path = root_ + "/data004/" + name + ".dat";
    check(PictureFile::write(path, canvas, "Y5"), path);
    remember(name, canvas);
}

void ArtOutput::resourcePicture(const std::string& name, const Canvas& canvas)
{
    const std::string path = root_ + "/resources/" + name + ".bmp";
    check(PictureFile::write(path, canvas, "BM"), path);
    resources_.push_back({name, "BITMAP", name + ".bmp"});
    remember(name, canvas);
}

void ArtOutput::resource(const std::string& name, const std::string& type, const std::string& file,
                         const std::vector<unsigned char>& bytes)
{
    this->file("resources/" + file, bytes);
    resources_.push_back({name, type, file});
}

void ArtOutput::resourceScript()
{
    const std::string script = ResourceScript::text(resources_);
    file("resources/art.rc", std::vector<unsigned char>(script.begin(), script.end()));
}

void ArtOutput::file(const std::string& relative, const std::vector<unsigned char>& bytes)
{
    const std::string path = root_ + "/" + relative;
    FILE* out = std::fopen(path.c_str(), "wb");
    bool written = out && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    if (out)
        written = std::fclose(out) == 0 && written;
    check(written, path);
}

void ArtOutput::remember(const std::string& label, const Canvas& canvas)
{
    if (canvas.height() > 3 * canvas.width() && canvas.height() > MAX_THUMB_H) {
        thumbnails_.push_back({label, columns(asWritten(canvas))});
        return;
    }
    const double scale = std::min({1.0, double(MAX_THUMB_W) / canvas.width(), double(MAX_THUMB_H) / canvas.height()});
    Canvas thumb(std::max(1, int(canvas.width() * scale)), std::max(1, int(canvas.height() * scale)));
    thumb.draw(asWritten(canvas), 0, 0, scale);
    thumbnails_.push_back({label, std::move(thumb)});
}

void ArtOutput::contactSheet(const std::string& relative)
{
    // Lay the thumbnails out in rows first, to know the sheet's height.
    struct Spot {
        int x, y;
    };
    std::vector<Spot> spots;
    int x = GAP, y = GAP, rowH = 0;
    for (const Thumbnail& t : thumbnails_) {
        const int w = std::max(t.picture.width(), 44);
        if (x + w + GAP > SHEET_W) {
            x = GAP;
            y += rowH + LABEL_H + GAP;
            rowH = 0;
        }
        spots.push_back({x, y});
        x += w + GAP;
        rowH = std::max(rowH, t.picture.height());
    }
    Canvas sheet(SHEET_W, y + rowH + LABEL_H + GAP);
    sheet.fill(0x505050);
    for (size_t i = 0; i < thumbnails_.size(); ++i) {
        sheet.draw(thumbnails_[i].picture, spots[i].x, spots[i].y);
        Lettering::drawAt(sheet, thumbnails_[i].label, spots[i].x, spots[i].y + thumbnails_[i].picture.height() + 12, {10, 0xFFFFFF});
    }
    const std::string path = root_ + "/" + relative;
    check(sheet.writePng(path), path);
}
