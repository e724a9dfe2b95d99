// picgen: draws every picture of the game from the sheet sources in sheets/
// and writes, under the build folder:
//   data/<path>.tga        the game's picture (type-2 Targa, bottom-up rows)
//   pictures/<path>.png    a PNG copy for the room editor
//   contact/<name>.png     a contact sheet: frames enlarged 4x and numbered
// Usage: picgen BUILD_DIR [SHEET_PATH...]   (no paths: every sheet)
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "Canvas.h"
#include "ContactSheet.h"
#include "gfx/PngFile.h"
#include "gfx/Targa.h"

namespace fs = std::filesystem;

namespace {

Image toTargaImage(const Canvas& canvas) {
    Image image;
    image.width = canvas.width();
    image.height = canvas.height();
    image.rgba.resize(static_cast<std::size_t>(image.width) * image.height * 4);
    for (int y = 0; y < image.height; ++y) {
        // Stored row 0 is the bottom row as seen.
        std::uint8_t* row = image.pixel(image.height - 1 - y, 0);
        for (int x = 0; x < image.width; ++x) {
            const Rgba c = canvas.get(x, y);
            row[x * 4 + 0] = c.r;
            row[x * 4 + 1] = c.g;
            row[x * 4 + 2] = c.b;
            row[x * 4 + 3] = c.a;
        }
    }
    return image;
}

std::vector<std::uint8_t> toRgbaBytes(const Canvas& canvas) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(canvas.pixels().size() * 4);
    for (const Rgba& c : canvas.pixels()) {
        const bool key = c == kTransparent;
        bytes.push_back(c.r);
        bytes.push_back(c.g);
        bytes.push_back(c.b);
        bytes.push_back(key ? 0 : c.a);
    }
    return bytes;
}

// The PNG copy shows tiles the way the game does: wrap borders filled in
// from the tile's opposite edge, so the room editor shows no cyan markers.
std::vector<std::uint8_t> editorCopy(const Canvas& canvas) {
    std::vector<std::uint8_t> rgba = toRgbaBytes(canvas);
    if (canvas.width() % 32 != 0 || canvas.height() % 32 != 0) return rgba;
    Image image;
    image.width = canvas.width();
    image.height = canvas.height();
    image.rgba = rgba;
    fillWrapBorders(image);
    return image.rgba;
}

bool writeSheet(const fs::path& buildDir, const SheetDefinition& sheet) {
    Canvas canvas(sheet.width, sheet.height);
    sheet.draw(canvas);

    const fs::path tga = buildDir / "data" / sheet.path;
    fs::path png = buildDir / "pictures" / sheet.path;
    png.replace_extension(".png");
    fs::path contact = buildDir / "contact" / fs::path(sheet.path).filename();
    contact.replace_extension(".png");
    for (const fs::path& p : {tga, png, contact}) fs::create_directories(p.parent_path());

    if (!writeTargaFile(tga.string(), toTargaImage(canvas), sheet.withAlpha)) {
        std::fprintf(stderr, "picgen: cannot write %s\n", tga.c_str());
        return false;
    }
    std::string error;
    const std::vector<std::uint8_t> rgba = editorCopy(canvas);
    if (!writePngFile(png.string(), canvas.width(), canvas.height(), rgba.data(), &error)) {
        std::fprintf(stderr, "picgen: %s: %s\n", png.c_str(), error.c_str());
        return false;
    }
    const Canvas sheetView = makeContactSheet(canvas);
    const std::vector<std::uint8_t> contactBytes = toRgbaBytes(sheetView);
    if (!writePngFile(contact.string(), sheetView.width(), sheetView.height(), contactBytes.data(),
                      &error)) {
        std::fprintf(stderr, "picgen: %s: %s\n", contact.c_str(), error.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "Usage: picgen BUILD_DIR [SHEET_PATH...]\n");
        return 2;
    }
    const fs::path buildDir = argv[1];
    std::vector<std::string> only(argv + 2, argv + argc);

    std::vector<SheetDefinition> sheets = registeredSheets();
    std::sort(sheets.begin(), sheets.end(),
              [](const SheetDefinition& a, const SheetDefinition& b) { return a.path < b.path; });
    bool ok = true;
    for (const SheetDefinition& sheet : sheets) {
        if (!only.empty() && std::find(only.begin(), only.end(), sheet.path) == only.end()) {
            continue;
        }
        ok = writeSheet(buildDir, sheet) && ok;
    }
    return ok ? 0 : 1;
}
