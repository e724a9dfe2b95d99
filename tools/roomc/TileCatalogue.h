#pragma once

#include <map>
#include <string>
#include <vector>

#include "Diagnostics.h"

// One tile of a sheet as the catalogue in assets/tiles/ describes it.
struct CatalogueTile {
    int code = 0;             // what rooms store; shows frame code - 1
    std::string name;         // unique within the sheet
    std::vector<int> layers;  // the layers it is meant for
    std::string shape;        // solid area on layer 2: full, top-half, ..., none

    bool meantFor(int layer) const;
    // Meant for the solid layer: drawing it anywhere else is a mistake.
    bool isSolid() const { return meantFor(2); }
};

// The catalogue of one tile sheet: "code name layers shape" a line, # comments.
class TileCatalogue {
  public:
    // Reads assets/tiles/<sheet>.txt. Problems are reported against `path`.
    bool load(const std::string& path, Diagnostics& diagnostics);
    bool parse(const std::string& text, const std::string& fileName, Diagnostics& diagnostics);

    const CatalogueTile* find(int code) const;
    const CatalogueTile* findByName(const std::string& name) const;
    const std::map<int, CatalogueTile>& tiles() const { return tiles_; }
    int highestCode() const { return tiles_.empty() ? 0 : tiles_.rbegin()->first; }

  private:
    std::map<int, CatalogueTile> tiles_;
};
