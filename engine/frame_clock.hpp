// The frame clock: real time, a scripted fixed step that makes runs repeatable, or values set
// frame by frame (a recording played back). Every mode moves only when a frame is presented, so
// the game sees one elapsed time and one tick per frame, which is what a recording keeps.
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
    // Holds these values until the next call or mode change.
    void set(float elapsedMs, std::uint32_t tick);

    float elapsedMs() const { return elapsed_; }
    std::uint32_t tick() const;

  private:
    double realNowMs() const;

    enum class Mode { Real, Scripted, Set };
    Mode mode_ = Mode::Real;
    float elapsed_ = 0.0f;
    std::uint32_t tick_ = 0; // real and set modes
    // Real clock: the time of the previous frame. Scripted clock: tick = base + frames * step,
    // computed from the frame count so rounding never accumulates.
    double lastFrameMs_ = 0.0;
    double startMs_ = 0.0;
    double scriptedBaseMs_ = 0.0;
    double scriptedStep_ = 0.0;
    std::uint64_t scriptedFrames_ = 0;
};

} // namespace engine
