// Decoded sample data of one sound at the mixing rate, shared by every channel that plays it.
#pragma once

#include "audio/audio.hpp"

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

    int channels() const { return channels_; }
    std::size_t frames() const { return frames_; }
    bool looping() const { return looping_; }
    const std::int16_t* data() const { return samples_.data(); }
    std::size_t memoryBytes() const { return samples_.size() * sizeof(std::int16_t); }

    // A released sound stops on every channel; its data goes with the last reference.
    void markReleased() { released_.store(true, std::memory_order_relaxed); }
    bool released() const { return released_.load(std::memory_order_relaxed); }

  private:
    std::vector<std::int16_t> samples_;
    int channels_;
    std::size_t frames_;
    bool looping_;
    std::atomic<bool> released_{false};
};

} // namespace audio
