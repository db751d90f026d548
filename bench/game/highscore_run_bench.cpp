// highscore-run-bench [FOLDER]: the size and cost of the run kept behind a new high-score row,
// for one level and for a whole 16-level scenario, on recordings made like the game's (a frame
// line per frame on a 60 Hz clock, a key change every few frames). Prints `name value unit`:
//   run_bytes_per_frame         a frame line as the real clock writes it, with the key lines
//   run_one_level               a level played to a 2:00 time limit with its menu, intro and
//                               name entry (2:15 in all)
//   run_scenario                the sixteen levels each played to its time limit (34:45) with
//                               their intros and end screens (38:00 in all): an upper bound
//   *_frame_cost                what the frame that enters the row does itself: copy the text
//                               (_cpu: in CPU time of the thread, steadier on a busy machine)
//   *_write                     the writer thread's atomic write of the run (FOLDER's disk;
//                               default the system's temporary folder), median of five
#include "bench_clock.hpp"
#include "common/highscore_runs.hpp"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A session of `seconds` on a 60 Hz clock that jitters as a real one does.
std::string recordedSession(int seconds) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> jitter(-0.4f, 0.4f);
    std::string text = "# Brimzel recording: brimzel-replay ROOT FILE plays it back\nseed 1\n";
    for (int file = 0; file < 33; ++file)
        text += "file levels/level" + std::to_string(file) + ".lev 500 0123456789abcdef\n";
    std::uint32_t tick = 3600000; // an hour into the session: seven-digit ticks
    const char* const keys[] = {"up", "down", "left", "right"};
    for (long frame = 0; frame < 60L * seconds; ++frame) {
        if (frame % 20 == 0)
            text += std::string(frame % 40 ? "up " : "down ") + keys[(frame / 40) % 4] + "\n";
        const float elapsed = 16.6667f + jitter(random);
        tick += static_cast<std::uint32_t>(elapsed);
        char line[64];
        std::snprintf(line, sizeof line, "frame %.9g %" PRIu32 "\n", static_cast<double>(elapsed),
                      tick);
        text += line;
    }
    for (int field = 0; field < 50; ++field)
        text += "expect field" + std::to_string(field) + " 123.456\n";
    return text;
}

void measure(const char* name, int seconds, const fs::path& folder) {
    const std::string session = recordedSession(seconds);
    std::printf("run_%s %.0f KB\n", name, session.size() / 1024.0);
    std::printf("run_bytes_per_frame_%s %.1f B\n", name,
                static_cast<double>(session.size()) / (60.0 * seconds));
    const auto copyStart = Clock::now();
    const double copyCpu = cpuMs();
    std::string copy = session + "# the state as the run ended\n";
    const double copyCpuMs = cpuMs() - copyCpu;
    std::printf("%s_frame_cost %.2f ms\n", name, msSince(copyStart));
    std::printf("%s_frame_cost_cpu %.2f ms\n", name, copyCpuMs);
    std::vector<double> writes;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        if (const auto stored =
                common::enterHighscoreRun(folder / "highscore_1.fly", 1, {"Bench", 100}, copy);
            !stored) {
            std::fprintf(stderr, "highscore-run-bench: %s\n", stored.message().c_str());
            return;
        }
        writes.push_back(msSince(start));
    }
    std::sort(writes.begin(), writes.end());
    std::printf("%s_write %.1f ms\n", name, writes[2]);
}

} // namespace

int main(int argc, char** argv) {
    std::string pattern =
        ((argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path()) / "highscore-run-bench-XXXXXX")
            .string();
    if (!mkdtemp(pattern.data())) {
        std::perror("highscore-run-bench");
        return 1;
    }
    const fs::path folder = pattern;
    measure("one_level", 135, folder);
    measure("scenario", 2280, folder);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return 0;
}
