#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "math/Vector3.h"
#include "world/RoomFile.h"

class BoundingBox;
struct ActorContext;
struct RoomRules;
class EnemyList;
class Graphics;
class ParticleSystem;
class Player;
class Texture;

// A door, breakable block or flush target of the current room, with its
// animation clock (update steps, 0 while idle).
struct BlockRecord {
    std::int32_t column;
    std::int32_t row;
    std::int32_t timer;
    std::int32_t type;       // kBreakableBlock, kFlushTarget or kDoor
    std::int32_t savedTile;  // the layer-2 code from the room file
    bool autoClose;
};

enum BlockType : std::int32_t {
    kBreakableBlock = 0,
    kFlushTarget = 1,  // also the bridge's second-stage blocks
    kDoor = 2,
};

// Kinds of tile test for boxHitsTiles.
enum TileHitKind : std::int32_t {
    kProbeHit = 1,   // a plain test, no side effects
    kWeaponHit = 2,  // a player shot: opens doors, breaks blocks, flushes
};

// Scripted holds of the game, in update steps (90 a second), so each lasts
// the same real time on every display.
constexpr std::int32_t kReadyFreezeSteps = 360;    // the "READY" pause, 4 s
constexpr std::int32_t kDrainFreezeSteps = 120;    // the flush draining the water
constexpr std::int32_t kFanfareFreezeSteps = 432;  // the item fanfare
constexpr std::int32_t kFlyPastFreezeSteps = 258;  // the dragon's fly-past

// The flush target's tile once the water has drained.
constexpr std::int32_t kDrainedFlushTile = 40;
// Water tiles of the cave sheet, and what a drained room shows instead: the
// dry cave wall behind, and no surface line.
constexpr std::int32_t kWaterBackTile = 43;
constexpr std::int32_t kWaterSurfaceTile = 44;
constexpr std::int32_t kDryBackTile = 41;

// Room feature kinds.
constexpr std::int32_t kFeatureBallItem = 0;
constexpr std::int32_t kFeatureFormStation = 100;

// The map and the room being played: tile sheets and layers, doors and
// blocks, the room feature, the enemy list and particles, the camera, and the
// flags of the scripted rooms. World units, y up; a tile is 16 x 16 units and
// a map-grid cell 320 x 240 (20 x 15 tiles).
class World {
  public:
    // The World supplies its particle pool to `actors`.
    World(Graphics* graphics, ActorContext* actors);
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    void setPlayer(Player* player) { this->player = player; }
    Player* getPlayer() const { return player; }
    EnemyList* getEnemies() const { return enemies.get(); }
    ParticleSystem* getParticles() const { return particles.get(); }

    // Loads the map and its first room and places the player and camera.
    // Rooms are read from the map file's folder. On a missing or damaged file
    // the problem is reported (message box and stderr) and false returned;
    // the World then holds no room.
    bool loadMap(const std::string& path);
    // Loads one room file as the current section's; false (reported) when the
    // file is missing or damaged, in which case the room is unchanged.
    bool loadSection(const std::string& path);

    // Whether the player has crossed an edge into a neighbouring room. An
    // edge with no room beyond it is a wall: the player is put back inside.
    bool isPlayerOutsideRoom();
    void leaveRoom();
    // Switches to the room covering a grid cell; false when no section covers
    // it or its file cannot be loaded (the current room then stays).
    bool changeRoom(std::int32_t gridX, std::int32_t gridY);
    void openDoorsNearPlayer();

    void update();

    void interpolateCamera(float alpha);
    void drawBackLayers();
    void drawFrontLayers();

    // Starts a music track from the table; -1 restarts the current one.
    void playMusicTrack(std::int32_t track);

    // Moves a box out of every solid tile it overlaps; true when any did.
    bool pushBoxOutOfTiles(BoundingBox& box);
    // Whether a box touches a solid tile; a weapon hit also opens doors,
    // breaks blocks and sets off the flush target.
    bool boxHitsTiles(const BoundingBox& box, std::int32_t hitKind);

    // Tile code of a layer at a cell; 0 outside the room.
    std::int32_t tileAt(int layer, int column, int row) const;
    void setTile(int layer, int column, int row, std::int32_t code);
    const SectionRecord& section() const { return sections[currentSection]; }
    bool hasRoom() const { return roomLoaded; }

    // --- State, read and written by the game core, the player and enemies.
    Vector3 camera = makeVector3(0, 0, 0);
    Vector3 prevCamera = makeVector3(0, 0, 0);
    Vector3 drawCamera = makeVector3(0, 0, 0);
    Vector3 cameraVelocity = makeVector3(0, 0, 0);

    std::int32_t width = 0;   // tiles
    std::int32_t height = 0;  // tiles
    std::vector<std::int32_t> layers[kLayerCount];
    std::int32_t tilesetIndex = 0;

    bool darkRoom = false;
    bool resetFlashlight = false;
    std::int32_t freezeTimer = 0;  // update steps
    bool updateDuringFreeze = false;
    bool resumeMusic = false;
    std::int32_t musicTrack = -1;
    bool musicLocked = false;
    bool waterDrained = false;
    bool bridgeCollapsed = false;
    bool inBridgeRoom = false;
    bool wooshPlayed = false;
    bool bossMusicStarted = false;
    std::int32_t crushStage = 0;
    bool inDragonRoom = false;
    // A room file failed to load during a room change (already reported);
    // the game cannot go on.
    bool roomLoadFailed = false;

    std::vector<SectionRecord> sections;
    std::int32_t currentSection = 0;
    std::vector<bool> featureTaken;
    bool featurePresent = false;
    Vector3 featurePos = makeVector3(0, 0, 0);
    std::int32_t featureKind = kFeatureBallItem;
    std::int32_t featureAnim = 0;
    std::int32_t featureState = 0;  // 0 waiting, 1 collected, 2 done
    Vector3 startPos = makeVector3(0, 0, 0);
    std::vector<BlockRecord> blocks;

  private:
    void applyRoom(const RoomFile& room);
    void applyRoomRules();
    void placeCameraOnPlayer();
    void updateCamera();
    void updateFeature();
    void updateBlocks();
    void runRoomEvents();
    void crushBlock(const BlockRecord& block);
    // Whether the player's body overlaps a tile cell.
    bool playerInCell(int column, int row) const;
    void drawTileLayers(int firstLayer, int lastLayer);
    void drawFeature();
    template <typename TileVisitor>
    bool scanTiles(const BoundingBox& box, TileVisitor visit);
    void hitBlockAt(int column, int row);
    // What the current room does differently (its row of the room table).
    const RoomRules& rules() const;

    static constexpr int kTilesetCount = 3;
    std::unique_ptr<Texture> tilesets[kTilesetCount];
    std::unique_ptr<Texture> itemsTexture;
    Graphics* graphics;
    ActorContext* actors;
    std::unique_ptr<EnemyList> enemies;
    std::unique_ptr<ParticleSystem> particles;
    Player* player = nullptr;
    std::string mapFolder;
    bool roomLoaded = false;
};
