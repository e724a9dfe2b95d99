#include "gfx/PngFile.h"

#include <png.h>

#include <cstdio>
#include <vector>

bool writePngFile(const std::string& path, int width, int height, const std::uint8_t* rgba,
                  std::string* error) {
    auto fail = [&](const char* why) {
        if (error) *error = why;
        return false;
    };
    if (width <= 0 || height <= 0 || !rgba) return fail("empty picture");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return fail("cannot create the file");

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return fail("out of memory");
    }
    std::vector<png_bytep> rows(height);
    for (int y = 0; y < height; ++y) {
        rows[y] = const_cast<png_bytep>(rgba + static_cast<std::size_t>(y) * width * 4);
    }
    // libpng reports errors by longjmp; nothing with a destructor is created
    // between here and the end of the writes.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return fail("libpng failed while writing");
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(file) != 0) return fail("cannot finish the file");
    return true;
}
