// config.txt: whatever the file holds, the game gets a usable display rate.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Settings settings = parseSettings(std::string(reinterpret_cast<const char*>(data), size));
    if (settings.refreshRate <= 0) std::abort();
    return 0;
}
