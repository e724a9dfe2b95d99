// secdump: prints a map file (.map) or a room file (.sec) as readable text.
// Usage: secdump FILE
#include "SecDump.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: secdump FILE   (a .map or a .sec file)\n");
        return 2;
    }
    std::string text, error;
    if (!describeFile(argv[1], text, &error)) {
        std::fprintf(stderr, "secdump: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    std::fputs(text.c_str(), stdout);
    return 0;
}
