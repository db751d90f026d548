// brimzel-content ROOT [OVERVIEW.png]: writes the installation tree's content into ROOT.
#include "content/content.hpp"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: brimzel-content ROOT [OVERVIEW.png]\n");
        return 2;
    }
    try {
        content::Context ctx{argv[1]};
        content::writeData(ctx);
        content::writeGameplayArt(ctx);
        content::writeScreenArt(ctx);
        content::writeSounds(ctx);
        if (argc > 2)
            content::writeOverviewSheet(ctx, argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brimzel-content: %s\n", e.what());
        return 1;
    }
    return 0;
}
