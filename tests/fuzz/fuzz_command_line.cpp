// The program's command line: the input is the arguments after the program
// name, each ended by a NUL byte (the last one may lack it), as they lie in
// memory at start-up.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words;
    std::string word;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word.push_back(static_cast<char>(data[i]));
        }
    }
    if (!word.empty()) words.push_back(word);

    std::vector<const char*> argv{"quasarine"};
    for (const std::string& w : words) argv.push_back(w.c_str());
    argv.push_back(nullptr);

    CommandLine options;
    std::string error;
    const bool ok =
        parseCommandLine(static_cast<int>(argv.size() - 1), argv.data(), options, error);
    if (!ok) {
        if (error.empty()) std::abort();
        return 0;
    }
    // What main() relies on once the line is accepted.
    if (options.headless && !options.help && options.frames < 1) std::abort();
    if (options.frames == 0 || options.frames < -1) std::abort();
    if (options.seed > 4294967295UL) std::abort();
    return 0;
}
