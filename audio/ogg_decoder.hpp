// Reads a whole Ogg Vorbis file into 16-bit samples (mono or stereo) at its own rate.
#pragma once

#include "audio/audio.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace audio {

// Longer files are refused so that a broken or foreign file cannot eat all memory.
inline constexpr long kMaxSoundSeconds = 600;

struct DecodedPcm {
    std::vector<std::int16_t> samples; // interleaved
    int channels = 0;                  // 1 or 2; more are mixed down to stereo
    long rate = 0;
};

// FileNotFound when nothing readable is at `path`, BadFile when it is not usable Ogg Vorbis.
Result decodeOggFile(const std::string& path, DecodedPcm& out);

} // namespace audio
