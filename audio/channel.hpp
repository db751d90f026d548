// One voice of a system: the sound it plays, where it is, its pause state and volume.
#pragma once

#include "audio/audio.hpp"
#include "audio/ogg_reader.hpp"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace audio {

// Volume and pause changes glide over this many frames so they never click.
inline constexpr int kGainRampFrames = 256;

class Channel {
  public:
    // Opens what the sound needs to play (a decoder for long sounds) without touching the
    // channel, so it can run outside the mixing lock. Null when it cannot be played.
    struct Prepared {
        SoundHandle sound;
        std::unique_ptr<OggReader> reader;
    };
    static std::optional<Prepared> prepare(const SoundHandle& sound);

    void start(Prepared prepared, bool paused);
    void setPaused(bool paused);
    void setVolume(float volume);

    // Playing means a sound is on the channel and has not ended; paused counts too.
    bool busy() const;

    // Adds the next `frames` interleaved stereo frames; a one-shot that ends frees the channel.
    void mixAdd(float* stereo, int frames);

    std::uint32_t generation = 0; // of the play that took this channel afresh

  private:
    static constexpr int kChunkFrames = 1024;

    float targetGain() const { return paused_ ? 0.0f : volume_; }
    // Up to `wanted` frames of the sound into chunk_; fewer only at the end of a one-shot.
    int fill(int wanted);
    void end();

    SoundHandle sound_;
    std::unique_ptr<OggReader> reader_;
    std::vector<float> chunk_; // source frames before gain, in the sound's channels
    std::size_t position_ = 0; // in decoded samples
    bool paused_ = false;
    float volume_ = 1.0f;
    float gain_ = 0.0f;
    bool fresh_ = false; // not mixed since play: changes apply at once
};

} // namespace audio
