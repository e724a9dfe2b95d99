// Input scripts (--input FILE): the parser, then the polls a game would make.
// Once the script's polls are used up nothing may be held.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "input/ScriptInput.h"

namespace {

constexpr GameKey kKeys[] = {GameKey::Right, GameKey::Left, GameKey::Up,
                             GameKey::Down,  GameKey::Jump, GameKey::Fire};
// Enough polls to run through every short script; longer ones are polled in part.
constexpr std::int64_t kMaxPolls = 4096;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScriptInput script;
    std::string error;
    if (!script.parse(std::string(reinterpret_cast<const char*>(data), size), &error)) {
        if (error.rfind("line ", 0) != 0) std::abort();  // a refusal names its line
        return 0;
    }
    const std::int64_t length = script.length();
    if (length < 0) std::abort();
    std::int64_t polls = 0;
    for (; polls < kMaxPolls && polls <= length; ++polls) {
        script.beginPoll();
        bool any = false;
        for (GameKey key : kKeys) any |= script.keyHeld(key);
        if (polls == length && any) std::abort();
    }
    return 0;
}
