#pragma once

// The generator's sheets drawn in memory, for the picture and character tests.
#include <string>

#include "Canvas.h"

inline const SheetDefinition* findSheet(const std::string& path) {
    for (const SheetDefinition& sheet : registeredSheets()) {
        if (sheet.path == path) return &sheet;
    }
    return nullptr;
}

inline Canvas drawSheet(const SheetDefinition& sheet) {
    Canvas canvas(sheet.width, sheet.height);
    sheet.draw(canvas);
    return canvas;
}

// Whether pixel (x, y) of frame n's cell, as seen, is drawn (not the colour key).
inline bool opaque(const Canvas& c, int frame, int x, int y) {
    if (x < 0 || y < 0 || x > 31 || y > 31) return false;
    return !(c.get(c.cellX(frame) + x, c.cellY(frame) + y) == kTransparent);
}
