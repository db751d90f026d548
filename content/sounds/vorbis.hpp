// Ogg Vorbis files of the installation tree.
#pragma once

#include "content/sounds/synth.hpp"

#include <cstdint>
#include <filesystem>

namespace content::sound {

// Encodes every frame of the buffer (so a loop decodes to exactly its length) at the given VBR
// quality. The stream serial number is fixed so the file is the same on every build. Creates
// missing folders; throws std::runtime_error naming the file on failure.
void writeOggVorbis(const Audio& audio, const std::filesystem::path& path, float quality,
                    std::uint32_t serial);

} // namespace content::sound
