#include "common/Report.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool boxesFromEnvironment() {
    const char* value = std::getenv("QUASARINE_NO_BOXES");
    return value == nullptr || value[0] == '\0' || std::strcmp(value, "0") == 0;
}

bool boxesEnabled = boxesFromEnvironment();

}  // namespace

void setMessageBoxesEnabled(bool enabled) {
    boxesEnabled = enabled;
}

bool messageBoxesEnabled() {
    return boxesEnabled;
}

void showMessage(const char* text, const char* caption, BoxIcon icon) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    std::fflush(stderr);
    if (!boxesEnabled) return;
    Uint32 flags = SDL_MESSAGEBOX_WARNING;
    if (icon == BoxIcon::Information) flags = SDL_MESSAGEBOX_INFORMATION;
    if (icon == BoxIcon::Error) flags = SDL_MESSAGEBOX_ERROR;
    // With no display this fails at once; the stderr line above still stands.
    SDL_ShowSimpleMessageBox(flags, caption, text, nullptr);
}
