// The program's command line: the input is the arguments after the program
// name, each ended by a NUL byte (the last one may lack it), as they lie in
// memory at start-up.
#include <vector>

#include "FuzzCheck.h"
#include "app/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words{""};
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            words.emplace_back();
        else
            words.back().push_back(static_cast<char>(data[i]));
    }
    if (words.back().empty()) words.pop_back();
    std::vector<const char*> argv{"quasarine"};
    for (const std::string& w : words) argv.push_back(w.c_str());
    argv.push_back(nullptr);

    CommandLine options;
    std::string error;
    if (!parseCommandLine(static_cast<int>(argv.size() - 1), argv.data(), options, error)) {
        require(!error.empty());
        return 0;
    }
    // What main() relies on once the line is accepted.
    require(!(options.headless && !options.help && options.frames < 1));
    require(options.frames != 0 && options.frames >= -1 && options.seed <= 4294967295UL);
    return 0;
}
