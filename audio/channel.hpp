// One voice of a system: the sound it plays, where it is, its pause state and volume.
#pragma once

#include "audio/audio.hpp"

#include <cstddef>
#include <cstdint>

namespace audio {

// Volume and pause changes glide over this many frames so they never click.
inline constexpr int kGainRampFrames = 256;

class Channel {
  public:
    void start(SoundHandle sound, bool paused);
    void setPaused(bool paused);
    void setVolume(float volume);

    // Playing means a sound is on the channel and has not ended; paused counts too.
    bool busy() const;

    // Adds the next `frames` interleaved stereo frames; a one-shot that ends frees the channel.
    void mixAdd(float* stereo, int frames);

    std::uint32_t generation = 0; // of the play that took this channel afresh

  private:
    float targetGain() const { return paused_ ? 0.0f : volume_; }

    SoundHandle sound_;
    std::size_t position_ = 0;
    bool paused_ = false;
    float volume_ = 1.0f;
    float gain_ = 0.0f;
    bool fresh_ = false; // not mixed since play: changes apply at once
};

} // namespace audio
