// Turns an Ogg Vorbis file into a Sound: decoded at the mixing rate when short, kept encoded
// and decoded while playing when long (music), to keep memory low.
#pragma once

#include "audio/audio.hpp"

#include <string>

namespace audio {

// Sounds at the mixing rate longer than this are decoded while they play.
inline constexpr long kStreamAboveSeconds = 10;
// Longer decoded sounds and larger files are refused, so a broken or foreign file cannot eat
// all memory.
inline constexpr long kMaxDecodedSeconds = 600;
inline constexpr long kMaxFileBytes = 64L * 1024 * 1024;

// FileNotFound when nothing readable is at `path`, BadFile when it is not usable Ogg Vorbis.
Result loadSound(const std::string& path, bool looping, SoundHandle& out);

} // namespace audio
