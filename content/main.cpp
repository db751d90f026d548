// brimzel-content ROOT [OVERVIEW.png]: writes the installation tree's content into ROOT.
#include "content/content.hpp"
#include "content/screens/icons.hpp"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

// Runs one writer; with BRIMZEL_CONTENT_TIMES set, prints "name seconds s" for it.
template <typename Writer> void timed(const char* name, Writer&& writer) {
    const auto start = std::chrono::steady_clock::now();
    writer();
    if (std::getenv("BRIMZEL_CONTENT_TIMES")) {
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::printf("%s %.2f s\n", name, took.count());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: brimzel-content ROOT [OVERVIEW.png]\n");
        return 2;
    }
    try {
        const content::Context ctx{argv[1]};
        // The levels are placed on the masks, so the gameplay art comes first.
        timed("gameplay_art", [&] { content::writeGameplayArt(ctx); });
        timed("data", [&] { content::writeData(ctx); });
        timed("screen_art", [&] { content::writeScreenArt(ctx); });
        timed("sounds", [&] { content::writeSounds(ctx); });
        timed("program_icons", [&] { content::writeProgramIcons(ctx); });
        if (argc > 2)
            timed("overview_sheet", [&] { content::writeOverviewSheet(ctx, argv[2]); });
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brimzel-content: %s\n", e.what());
        return 1;
    }
    return 0;
}
