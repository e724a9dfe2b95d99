#include "common/Files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

std::string nativePath(const std::string& gamePath) {
    std::string path = gamePath;
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}

bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::size_t maxBytes,
                   std::string* error) {
    out.clear();
    auto fail = [&](const std::string& why) {
        out.clear();
        if (error) *error = why;
        return false;
    };
    std::FILE* file = std::fopen(nativePath(path).c_str(), "rb");
    if (!file) return fail(std::string("cannot open: ") + std::strerror(errno));

    // Read in chunks rather than trusting a size from fseek/ftell, so pipes and
    // files that change under us are handled the same way.
    std::uint8_t chunk[65536];
    bool tooLarge = false;
    for (;;) {
        std::size_t n = std::fread(chunk, 1, sizeof chunk, file);
        if (n == 0) break;
        if (out.size() + n > maxBytes) {
            tooLarge = true;
            break;
        }
        out.insert(out.end(), chunk, chunk + n);
    }
    bool readError = std::ferror(file) != 0;
    std::fclose(file);
    if (tooLarge) return fail("file is larger than " + std::to_string(maxBytes) + " bytes");
    if (readError) return fail("read error");
    return true;
}
