#pragma once

#include <string>
#include <vector>

#include "Diagnostics.h"
#include "RoomCompiler.h"
#include "TileCatalogue.h"
#include "world/RoomFile.h"

// One line of the map layout: a room source and the grid cell of its
// bottom-left corner (rows grow upward, like the game's y).
struct MapLayoutEntry {
    std::string source;  // "starting_room.tmx", relative to the layout file
    int gridX = 0;
    int gridY = 0;
    int line = 0;
};

// Reads the layout text: "room.tmx gridX gridY" a line, # comments; the first
// room is section 0, where the game starts.
bool parseMapLayout(const std::string& text, const std::string& fileName,
                    std::vector<MapLayoutEntry>& out, Diagnostics& diagnostics);

// Builds the whole map: the layout (assets/rooms/map.txt), every room it
// names, the tilesets and catalogues, then the checks between rooms:
// overlapping rooms and exits that open onto no room or into a wall of the
// next room are errors (a player walking through one would be lost or stuck);
// grid cells no room covers are listed as a note.
class MapBuilder {
  public:
    MapBuilder(std::string roomsDir, std::string tilesDir, Diagnostics& diagnostics)
        : roomsDir_(std::move(roomsDir)),
          tilesDir_(std::move(tilesDir)),
          diagnostics_(diagnostics) {}

    bool build();
    // Writes <dataDir>/map/test.map and one .sec a room.
    bool write(const std::string& dataDir) const;

    const MapFile& map() const { return map_; }
    const std::vector<CompiledRoom>& rooms() const { return rooms_; }

  private:
    bool loadCatalogues();
    void compileRoom(const MapLayoutEntry& entry, const std::string& layoutPath);
    void checkOverlaps(const std::string& layoutPath);
    void noteGaps(const std::string& layoutPath);
    void checkExits();
    void checkEdge(const CompiledRoom& room, const SectionRecord& section, int edge);
    // The section covering a grid cell, or -1.
    int sectionAt(int gridX, int gridY) const;
    bool tileOpen(const CompiledRoom& room, int column, int row) const;

    std::string roomsDir_;
    std::string tilesDir_;
    Diagnostics& diagnostics_;
    TileCatalogue catalogues_[3];
    MapFile map_;
    std::vector<CompiledRoom> rooms_;
};

// The game's own map must hold every room the game gives rules to by name;
// an error for each one missing. (Sketch maps in tests need not.)
bool checkRoomsTheGameNames(const MapFile& map, const std::string& layoutPath,
                            Diagnostics& diagnostics);
