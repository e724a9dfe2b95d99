#include "support/WorldFixture.h"

#include <filesystem>
#include <fstream>

#include "game/Game.h"
#include "support/TestImages.h"

namespace fs = std::filesystem;

namespace {

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void fillRoom(TestRoom& t) {
    RoomFile& room = t.room;
    room.width = t.widthCells * 20;
    room.height = t.heightCells * 15;
    for (auto& layer : room.layers)
        layer.assign(static_cast<std::size_t>(room.width) * room.height, 0);
    room.layers[0].assign(room.layers[0].size(), t.backTile);
    room.layers[3].assign(room.layers[3].size(), t.nearTile);
    for (std::size_t line = 0; line < t.solid.size(); ++line) {
        const int row = room.height - 1 - static_cast<int>(line);
        for (std::size_t column = 0; column < t.solid[line].size(); ++column) {
            const int c = static_cast<int>(column);
            if (row < 0 || c >= room.width) continue;
            std::int32_t code = 0;
            switch (t.solid[line][column]) {
                case '#':
                    code = kGroundTile;
                    break;
                case '=':
                    code = kPlatformTile;
                    break;
                case 'B':
                    code = kBreakableTile;
                    room.blocks.push_back(BlockEntry{c, row, kBreakableBlock});
                    break;
                case 'D':
                    code = kDoorTile;
                    room.blocks.push_back(BlockEntry{c, row, kDoor});
                    break;
                case 'F':
                    code = kFlushTile;
                    room.blocks.push_back(BlockEntry{c, row, kFlushTarget});
                    break;
                default:
                    break;
            }
            room.tile(kSolidLayer, c, row) = code;
        }
    }
    room.startPos = t.start;
    room.featurePresent = t.feature ? 1 : 0;
    room.featurePos = t.featurePos;
}

}  // namespace

void WorldFixture::SetUp() {
    REQUIRE_GENERATED_DATA();
    scratch = std::make_unique<ScratchFolder>("world", ScratchFolder::kGameFolder);
    fs::create_directories("rooms");

    graphics = new Graphics(nullGl());
    auto backend = std::make_unique<NullAudioBackend>();
    audio = backend.get();
    sound = new SoundSystem(std::move(backend));
    actors.sound = sound;
    actors.random = &random;
    for (const SampleFile& sample : kSampleTable) sound->loadSample(sample.file, sample.name);
    player = new Player(graphics, &actors);
    world = new World(graphics, &actors);
    world->setPlayer(player);
}

void WorldFixture::TearDown() {
    delete player;
    delete world;
    delete sound;
    delete graphics;
    scratch.reset();
}

TestRoom floorRoom(const std::string& name, int gridX, int gridY) {
    TestRoom t;
    t.name = name;
    t.gridX = gridX;
    t.gridY = gridY;
    t.solid.assign(14, "");
    t.solid.push_back(std::string(20, '#'));
    t.start = makeVector3(100, 20, 0);
    return t;
}

void writeTestRooms(const std::string& folder, std::vector<TestRoom>& rooms) {
    MapFile map;
    for (TestRoom& t : rooms) {
        fillRoom(t);
        writeBytes(folder + "/" + t.name, serializeRoomFile(t.room));
        map.sections.push_back(
            SectionRecord{t.name, t.gridX, t.gridY, t.widthCells, t.heightCells});
    }
    writeBytes(folder + "/test.map", serializeMapFile(map));
}

void WorldFixture::build(std::vector<TestRoom> rooms) {
    writeTestRooms("rooms", rooms);
    ASSERT_TRUE(world->loadMap("rooms/test.map"));
    player->setWorld(world);
    audio->log().clear();
}

std::vector<std::string> takeAudioEvents(AudioEventLog& log, bool withPlays) {
    std::vector<std::string> events;
    for (std::size_t i = 0; i < log.size(); ++i) {
        const AudioEvent& e = log.at(i);
        switch (e.kind) {
            case AudioEventKind::Play:
                if (withPlays) {
                    events.push_back("play " + std::string(e.name) + " " +
                                     std::to_string(e.volume));
                }
                break;
            case AudioEventKind::MusicStart:
                events.push_back("music " + std::string(e.name) + " " + std::to_string(e.volume));
                break;
            case AudioEventKind::MusicStop:
                events.push_back("stop");
                break;
            case AudioEventKind::Pause:
                events.push_back("pause");
                break;
            case AudioEventKind::Resume:
                events.push_back("resume");
                break;
        }
    }
    log.clear();
    return events;
}

void WorldFixture::stepWorld(int steps) {
    for (int i = 0; i < steps; ++i) world->update();
}
