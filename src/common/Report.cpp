#include "common/Report.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

bool Reporter::boxesAllowedByEnvironment() {
    const char* value = std::getenv("QUASARINE_NO_BOXES");
    return value == nullptr || value[0] == '\0' || std::strcmp(value, "0") == 0;
}

void Reporter::show(const char* text, const char* caption, BoxIcon icon) const {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    std::fflush(stderr);
    if (!showBoxes_) return;
    Uint32 flags = SDL_MESSAGEBOX_WARNING;
    if (icon == BoxIcon::Information) flags = SDL_MESSAGEBOX_INFORMATION;
    if (icon == BoxIcon::Error) flags = SDL_MESSAGEBOX_ERROR;
    // With no display this fails at once; the stderr line above still stands.
    SDL_ShowSimpleMessageBox(flags, caption, text, nullptr);
}

void report(const Reporter* reporter, const char* text, const char* caption, BoxIcon icon) {
    if (reporter) {
        reporter->show(text, caption, icon);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", caption, text);
    std::fflush(stderr);
}
