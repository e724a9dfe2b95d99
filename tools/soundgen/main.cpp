// soundgen: renders every sound of the game from the text sources in an
// assets folder (effects/*.sfx, music/*.song) and writes them into OUT_DIR,
// printing each file's length and peak level.
// Usage: soundgen ASSETS_DIR OUT_DIR [OUTPUT_NAME...]   (no names: all)
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "Mastering.h"
#include "SoundGenerator.h"

using namespace soundgen;

namespace {

struct Job {
    std::string name;
    RenderedSound file;
    std::string error;
    bool ok = false;
};

// Renders the jobs on two threads: the music loops take most of the time and
// are independent of each other, so the result does not depend on the order.
void renderAll(const SoundGenerator& generator, std::vector<Job>& jobs) {
    std::atomic<std::size_t> next{0};
    auto worker = [&]() {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            jobs[i].ok = generator.render(jobs[i].name, jobs[i].file, jobs[i].error);
        }
    };
    std::thread helper(worker);
    worker();
    helper.join();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "Usage: soundgen ASSETS_DIR OUT_DIR [OUTPUT_NAME...]\n");
        return 2;
    }
    SoundGenerator generator;
    std::string error;
    if (!generator.loadFolder(argv[1], error)) {
        std::fprintf(stderr, "soundgen: %s\n", error.c_str());
        return 1;
    }
    std::vector<std::string> names(argv + 3, argv + argc);
    if (names.empty()) names = generator.outputs();

    std::vector<Job> jobs(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) jobs[i].name = names[i];
    // Longest first, so the two threads finish together.
    std::stable_partition(jobs.begin(), jobs.end(),
                          [](const Job& job) { return job.name.rfind("music_", 0) == 0; });
    renderAll(generator, jobs);

    bool ok = true;
    for (const Job& job : jobs) {
        if (!job.ok || !writeRenderedSound(argv[2], job.file, error)) {
            std::fprintf(stderr, "soundgen: %s\n", job.ok ? error.c_str() : job.error.c_str());
            ok = false;
            continue;
        }
        std::printf("%-28s %7.3f s  peak %6.2f dBFS  loudest 50 ms %6.2f dBFS\n", job.name.c_str(),
                    job.file.pcm.seconds(), peakDb(job.file.pcm),
                    loudestWindowDb(job.file.pcm, 0.05));
    }
    return ok ? 0 : 1;
}
