#pragma once

#include <cstdint>

// A whole decimal number from `minimum` to `maximum` and nothing else: no
// sign, no spaces, no trailing characters, no value that overflows. Command
// lines and scripts share it so that one value is accepted the same way
// wherever it is typed.
// The random seed is 32 bits; a command line or a script takes 0 to this.
constexpr std::uint64_t kMaxSeed = 4294967295u;

bool parseWholeNumber(const char* text, std::uint64_t minimum, std::uint64_t maximum,
                      std::uint64_t& out);
