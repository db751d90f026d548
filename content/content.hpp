// The content generator: writes every picture, sound, level and table of the installation tree.
// Each writer owns one group of files; all output is deterministic.
#pragma once

#include <filesystem>

namespace content {

struct Context {
    std::filesystem::path root; // the installation tree being written
};

void writeGameplayArt(const Context& ctx); // maps, masks, sprites, bubbles, panel, level objects
void writeScreenArt(const Context& ctx);   // menu, intro, level intro, end screens, glyphs
void writeSounds(const Context& ctx);      // the seventeen Ogg Vorbis files
void writeData(const Context& ctx);        // levels, high-score tables, options file

// One sheet of every picture under root/gfx, for review.
void writeOverviewSheet(const Context& ctx, const std::filesystem::path& sheet);

} // namespace content
