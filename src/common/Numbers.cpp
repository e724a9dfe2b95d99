#include "common/Numbers.h"

#include <cerrno>
#include <cstdlib>

bool parseWholeNumber(const char* text, std::uint64_t minimum, std::uint64_t maximum,
                      std::uint64_t& out) {
    if (!text || *text < '0' || *text > '9') return false;  // strtoull would take "-1"
    errno = 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (errno != 0 || *end != '\0' || value < minimum || value > maximum) return false;
    out = value;
    return true;
}
