#include "game/Trace.h"

#include <string>

#include "audio/AudioEventLog.h"
#include "audio/NullAudioBackend.h"
#include "common/Files.h"
#include "enemies/Enemy.h"
#include "enemies/EnemyList.h"
#include "game/Game.h"
#include "particles/ParticleSystem.h"
#include "player/Player.h"
#include "weapons/ProjectileSystem.h"
#include "world/World.h"

namespace {

const char* flag(bool value) {
    return value ? "true" : "false";
}

// Names are ours (room files, sound keys); escape anything JSON would choke on.
void writeString(std::FILE* out, const char* text) {
    std::fputc('"', out);
    for (const char* p = text; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '"' || c == '\\') {
            std::fputc('\\', out);
            std::fputc(c, out);
        } else if (c < 0x20) {
            std::fprintf(out, "\\u%04x", c);
        } else {
            std::fputc(c, out);
        }
    }
    std::fputc('"', out);
}

void writeAudio(std::FILE* out, const GameState& g) {
    std::fputs(",\"audio\":[", out);
    NullAudioBackend* audio = g.recordedAudio;
    if (audio) {
        AudioEventLog& log = audio->log();
        for (std::size_t i = 0; i < log.size(); ++i) {
            const AudioEvent& e = log.at(i);
            char line[320];
            if (e.kind == AudioEventKind::Play) {
                std::snprintf(line, sizeof line, "play %s %d %d", e.name, e.volume, e.frequency);
                writeString(out, line);
            } else if (e.kind == AudioEventKind::MusicStart) {
                const std::string path = nativePath(e.name);
                std::snprintf(line, sizeof line, "music %s %d", path.c_str(), e.volume);
                writeString(out, line);
            } else if (e.kind == AudioEventKind::MusicStop) {
                writeString(out, "stop");
            } else {
                writeString(out, e.kind == AudioEventKind::Pause ? "pause" : "resume");
            }
            if (i + 1 < log.size()) std::fputc(',', out);
        }
        log.clear();
    }
    std::fputc(']', out);
}

}  // namespace

void writeTraceLine(std::FILE* out, long frame, const GameState& g) {
    const World& world = *g.world;
    const Player& player = *g.player;
    std::fprintf(out, "{\"frame\":%ld,\"step\":%ld,\"room\":", frame, g.steps);
    writeString(out, world.section().name.c_str());
    std::fprintf(out,
                 ",\"x\":%.9g,\"y\":%.9g,\"vx\":%.9g,\"vy\":%.9g,\"form\":\"%s\",\"health\":%d,"
                 "\"onGround\":%s,\"inWater\":%s,\"ball\":%s,\"hasBall\":%s,\"freeze\":%d,"
                 "\"fade\":%d,\"fading\":%s,\"music\":%d,\"waterDrained\":%s,"
                 "\"bridgeCollapsed\":%s,\"crushStage\":%d,\"wooshPlayed\":%s,\"bossMusicStarted\":"
                 "%s,\"gameOver\":%s,\"camera\":[%.9g,%.9g]",
                 player.position.x, player.position.y, player.velocity.x, player.velocity.y,
                 player.form == kVanta ? "vanta" : "gearboy", player.health, flag(player.onGround),
                 flag(player.inWater), flag(player.ball), flag(player.hasBall), world.freezeTimer,
                 g.fadeLevel, flag(g.fading), world.musicTrack, flag(world.waterDrained),
                 flag(world.bridgeCollapsed), world.crushStage, flag(world.wooshPlayed),
                 flag(world.bossMusicStarted), flag(g.gameOver), world.camera.x, world.camera.y);
    std::fputs(",\"blocks\":[", out);
    for (std::size_t i = 0; i < world.blocks.size(); ++i) {
        const BlockRecord& b = world.blocks[i];
        std::fprintf(out, "%s[%d,%d,%d,%d]", i ? "," : "", b.column, b.row, b.type, b.timer);
    }
    std::fputs("],\"enemies\":[", out);
    bool first = true;
    for (int slot = 0; slot < EnemyList::kCapacity; ++slot) {
        const Enemy* e = world.getEnemies()->enemyAt(slot);
        if (!e) continue;
        std::fprintf(out, "%s{\"kind\":%d,\"state\":%d,\"x\":%.9g,\"y\":%.9g,\"alive\":%s}",
                     first ? "" : ",", e->kind, e->traceState(), e->position.x, e->position.y,
                     flag(e->alive));
        first = false;
    }
    std::fprintf(out, "],\"shots\":%d,\"particles\":%d", player.getProjectiles()->activeCount(),
                 world.getParticles()->activeCount());
    writeAudio(out, g);
    std::fputs("}\n", out);
}
