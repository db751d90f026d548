// The frame clock: real time, or a scripted fixed step that makes runs repeatable.
#pragma once

#include <cstdint>

namespace engine {

class FrameClock {
  public:
    FrameClock();

    // Called once per presented frame.
    void advance();
    // Switches to a fixed step. The first switch restarts the tick at 0; later ones continue.
    void useScripted(float msPerFrame);

    float elapsedMs() const { return elapsed_; }
    std::uint32_t tick() const;

  private:
    double realNowMs() const;

    bool scripted_ = false;
    float elapsed_ = 0.0f;
    // Real clock: the time of the previous frame. Scripted clock: tick = base + frames * step,
    // computed from the frame count so rounding never accumulates.
    double lastFrameMs_ = 0.0;
    double startMs_ = 0.0;
    double scriptedBaseMs_ = 0.0;
    double scriptedStep_ = 0.0;
    std::uint64_t scriptedFrames_ = 0;
};

} // namespace engine
