// The sample data of one sound, shared by every channel (of any system) that plays it. Short
// sounds are decoded once to 16-bit samples at the mixing rate; long ones keep their Ogg
// Vorbis bytes and are decoded by each channel as it plays.
#pragma once

#include "audio/audio.hpp"
#include "audio/ogg_reader.hpp"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace audio {

inline constexpr int kMixRate = 44100;

class Sound {
  public:
    // `samples` are interleaved, `channels` is 1 or 2, at kMixRate.
    Sound(std::vector<std::int16_t> samples, int channels, bool looping);
    // Ogg Vorbis at kMixRate, decoded while playing.
    Sound(EncodedBytes encoded, int channels, bool looping);

    int channels() const { return channels_; }
    bool looping() const { return looping_; }
    bool streamed() const { return encoded_ != nullptr; }
    std::size_t frames() const { return frames_; } // of decoded samples only
    const std::int16_t* data() const { return samples_.data(); }
    const EncodedBytes& encoded() const { return encoded_; }
    std::size_t memoryBytes() const;

    // A released sound stops on every channel; its data goes with the last reference.
    void markReleased() { released_.store(true, std::memory_order_relaxed); }
    bool released() const { return released_.load(std::memory_order_relaxed); }

  private:
    std::vector<std::int16_t> samples_;
    EncodedBytes encoded_;
    int channels_;
    std::size_t frames_;
    bool looping_;
    std::atomic<bool> released_{false};
};

} // namespace audio
