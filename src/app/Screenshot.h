#pragma once

#include <SDL.h>

#include <string>

// Saves the picture in the current GL read buffer (the frame just drawn, before
// the swap) as a 640 x 480 PNG; a drawable of another size is resampled.
bool saveScreenshot(SDL_Window* window, const std::string& path, std::string* error);
