#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "input/InputDevice.h"

class Controls;

// Controls from a script instead of the keyboard: each line is
//   COUNT KEYS
// with KEYS a set of the letters R L U D J F (right, left, up, down, jump,
// fire) or '-' for none, held for COUNT controls polls (the start-up poll,
// then one per update step). '#' starts a comment; a first comment
// "# seed S" names the random seed the session was played with. After the
// script nothing is held.
class ScriptInput : public InputDevice {
  public:
    // Parses a script; false with a message naming the line when it is
    // malformed.
    bool parse(const std::string& text, std::string* error);
    bool load(const std::string& path, std::string* error);

    void beginPoll() override;
    bool keyHeld(GameKey key) const override;
    bool readJoystick(JoystickReading&) override { return false; }

    bool hasSeed() const { return hasSeed_; }
    std::uint32_t seed() const { return seed_; }
    // Polls the script covers.
    std::int64_t length() const;

  private:
    // The first comment: "seed S" names the seed (false when S is not a
    // seed); any other comment is just a comment.
    bool parseSeedComment(const std::string& comment);

    struct Run {
        std::int64_t count;
        std::uint8_t keys;  // bit per GameKey
    };
    std::vector<Run> runs_;
    std::size_t run_ = 0;
    std::int64_t usedInRun_ = 0;
    std::uint8_t current_ = 0;
    bool started_ = false;
    bool hasSeed_ = false;
    std::uint32_t seed_ = 0;
};

// Writes every poll's six flags in the script format, run-length, with the
// seed on the first line.
class ScriptRecorder {
  public:
    ScriptRecorder(const std::string& path, std::uint32_t seed);
    ~ScriptRecorder();
    bool isOpen() const { return file_ != nullptr; }
    // Writes what is left and closes the file; false with the reason when
    // any of the recording could not be written (a full disk).
    bool finish(std::string* error);
    void record(const Controls& controls);

  private:
    void flush();

    std::FILE* file_ = nullptr;
    std::uint8_t keys_ = 0;
    std::int64_t count_ = 0;
};
