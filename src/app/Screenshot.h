#pragma once

#include <SDL.h>

#include <string>

#include "game/Game.h"

// Saves the picture in the current GL read buffer (the frame just drawn, before
// the swap) as a 640 x 480 PNG: the part of the drawable the picture covers
// (`area`, bars left out), resampled when it is another size.
bool saveScreenshot(SDL_Window* window, const PictureArea& area, const std::string& path,
                    std::string* error);

// Where F12 puts screenshots: the user's pictures folder ($XDG_PICTURES_DIR,
// else ~/Pictures) when it exists, else the current folder.
std::string screenshotFolder();

// The first "quasarine-NNN.png" (001 to 999) not yet in `folder`; "" when all
// are taken.
std::string numberedScreenshotPath(const std::string& folder);
