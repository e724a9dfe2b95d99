// Input scripts (--input FILE): the parser, then the polls a game would make.
// Once the script's polls are used up nothing may be held.
#include "FuzzCheck.h"
#include "input/ScriptInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScriptInput script;
    std::string error;
    if (!script.parse(asText(data, size), &error)) {
        require(error.rfind("line ", 0) == 0);  // a refusal names its line
        return 0;
    }
    const std::int64_t length = script.length();
    require(length >= 0);
    // Enough polls for every short script; longer ones are polled in part.
    for (std::int64_t polls = 0; polls < 4096 && polls <= length; ++polls) {
        script.beginPoll();
        bool any = false;
        for (GameKey key : {GameKey::Right, GameKey::Left, GameKey::Up, GameKey::Down,
                            GameKey::Jump, GameKey::Fire})
            any |= script.keyHeld(key);
        require(!(polls == length && any));
    }
    return 0;
}
