// config.txt: whatever the file holds, the game gets a usable display rate.
#include "FuzzCheck.h"
#include "app/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    require(parseSettings(asText(data, size)).refreshRate > 0);
    return 0;
}
