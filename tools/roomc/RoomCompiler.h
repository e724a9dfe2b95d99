#pragma once

#include <string>

#include "Diagnostics.h"
#include "TileCatalogue.h"
#include "TmxRoom.h"
#include "world/RoomFile.h"

// One room turned into the game's room file, with the grid size it covers.
struct CompiledRoom {
    std::string sectionName;  // "starting_room.sec"
    std::string sourcePath;   // the .tmx it came from
    int widthCells = 0;
    int heightCells = 0;
    RoomFile room;
};

// Turns a Tiled room into a RoomFile, checking everything a hand-edited room
// can get wrong. Every message names the source file and the layer or object.
//
// Object classes: "start" (the player's start, required once), "feature" (the
// room feature's centre), "swoop", "helmet", "raka", "dragon" (an enemy at the
// object's centre, spawn flag from the property "flag") and "block", "flush",
// "door" (a block record on every tile the grid-aligned rectangle covers).
class RoomCompiler {
  public:
    // `catalogue` is the catalogue of the sheet the room's name calls for.
    RoomCompiler(const TileCatalogue& catalogue, Diagnostics& diagnostics)
        : catalogue_(catalogue), diagnostics_(diagnostics) {}

    bool compile(const TmxRoom& source, const std::string& sourcePath,
                 const std::string& sectionName, CompiledRoom& out);

  private:
    bool checkShape(const TmxRoom& source);
    const TmxTilesetRef* checkTileset(const TmxRoom& source, const std::string& sectionName);
    void convertLayers(const TmxRoom& source, std::uint32_t firstGid, RoomFile& room);
    void convertLayer(const TmxTileLayer& layer, std::uint32_t firstGid, RoomFile& room);
    // Empty when the tile may lie on the layer; else what is wrong.
    std::string tileUseProblem(int layer, const CatalogueTile& tile, bool& isError);
    void convertObjects(const TmxRoom& source, const std::string& sectionName, RoomFile& room);
    bool objectPosition(const TmxObject& object, const RoomFile& room, Vector3& out);
    void addEnemy(const TmxObject& object, int kind, RoomFile& room);
    void addBlocks(const TmxObject& object, int type, const std::string& sectionName,
                   RoomFile& room);
    bool checkBlockTile(const TmxObject& object, int type, int column, int row,
                        const RoomFile& room);
    void error(const std::string& message) { diagnostics_.error(file_, message); }
    void warning(const std::string& message) { diagnostics_.warning(file_, message); }

    const TileCatalogue& catalogue_;
    Diagnostics& diagnostics_;
    std::string file_;
};
