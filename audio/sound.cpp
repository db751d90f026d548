#include "audio/sound.hpp"

#include <utility>

namespace audio {

Sound::Sound(std::vector<std::int16_t> samples, int channels, bool looping)
    : samples_(std::move(samples)), channels_(channels < 1 ? 1 : channels),
      frames_(samples_.size() / static_cast<std::size_t>(channels_)), looping_(looping) {}

Sound::Sound(EncodedBytes encoded, int channels, bool looping)
    : encoded_(std::move(encoded)), channels_(channels < 1 ? 1 : channels), frames_(0),
      looping_(looping) {}

std::size_t Sound::memoryBytes() const {
    return samples_.size() * sizeof(std::int16_t) + (encoded_ ? encoded_->size() : 0);
}

Result releaseSound(SoundHandle& sound) {
    if (!sound) {
        return Result::InvalidHandle;
    }
    sound->markReleased();
    sound.reset();
    return Result::Ok;
}

} // namespace audio
