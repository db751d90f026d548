// A feedback echo on a stereo stream: each repeat comes `delay` later, `decay` times as loud.
#pragma once

#include <atomic>
#include <cstddef>
#include <vector>

namespace audio {

inline constexpr float kEchoDelaySeconds = 0.3f;
inline constexpr float kEchoDecay = 0.4f;
inline constexpr int kEchoFadeFrames = 256;

class Echo {
  public:
    Echo(int sampleRate, float delaySeconds = kEchoDelaySeconds, float decay = kEchoDecay);

    // In place on interleaved stereo frames.
    void process(float* stereo, int frames);
    // Taken out of an output: nothing new goes in and what still sounds is faded out over
    // kEchoFadeFrames rather than cut, which would click. Done once silent() holds.
    void fadeOut() { active_ = false; }
    void fadeIn() { active_ = true; }
    bool silent() const { return !active_ && wetGain_ == 0.0f; }
    // Forgets the echoes still ringing, so a re-added echo starts quiet.
    void clear();

    // The system whose output the echo is in (null when in none). Set only through
    // claim/release so that two systems never both run it.
    bool claim(const void* system);
    void release(const void* system);
    bool claimedBy(const void* system) const { return owner_.load() == system; }

  private:
    std::vector<float> delay_; // interleaved stereo ring
    std::size_t position_ = 0;
    float decay_;
    bool active_ = true;
    float wetGain_ = 1.0f;
    std::atomic<const void*> owner_{nullptr};
};

} // namespace audio
