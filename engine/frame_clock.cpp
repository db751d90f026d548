#include "engine/frame_clock.hpp"

#include <SDL.h>

#include <cmath>

namespace engine {

FrameClock::FrameClock() : lastFrameMs_(realNowMs()), startMs_(lastFrameMs_) {}

double FrameClock::realNowMs() const {
    return double(SDL_GetPerformanceCounter()) * 1000.0 / double(SDL_GetPerformanceFrequency());
}

void FrameClock::advance() {
    if (mode_ == Mode::Scripted) {
        ++scriptedFrames_;
        elapsed_ = float(scriptedStep_);
    } else if (mode_ == Mode::Real) {
        const double now = realNowMs();
        elapsed_ = float(now - lastFrameMs_);
        lastFrameMs_ = now;
        // The tick is a 32-bit millisecond counter that wraps like any such counter.
        tick_ = std::uint32_t(std::uint64_t(std::floor(now - startMs_ + 1e-6)));
    }
}

void FrameClock::set(float elapsedMs, std::uint32_t tick) {
    mode_ = Mode::Set;
    elapsed_ = elapsedMs;
    tick_ = tick;
}

void FrameClock::useScripted(float msPerFrame) {
    // A scripted run starts at tick 0 whenever it is switched on, so the same script gives the
    // same ticks (and the same random seeds) on every run; a later change of step continues.
    const double base = mode_ == Mode::Scripted
                            ? scriptedBaseMs_ + double(scriptedFrames_) * scriptedStep_
                        : mode_ == Mode::Set ? double(tick_)
                                             : 0.0;
    mode_ = Mode::Scripted;
    scriptedBaseMs_ = base;
    // A float step such as 16.6667f or 1000.0f / 60 carries binary noise; taken to 0.0001 ms it
    // accumulates to the decimal tick a script author expects.
    scriptedStep_ = msPerFrame > 0.0f ? std::round(double(msPerFrame) * 1e4) / 1e4 : 0.0;
    scriptedFrames_ = 0;
    elapsed_ = float(scriptedStep_);
}

std::uint32_t FrameClock::tick() const {
    if (mode_ != Mode::Scripted)
        return tick_;
    const double ms = scriptedBaseMs_ + double(scriptedFrames_) * scriptedStep_;
    return std::uint32_t(std::uint64_t(std::floor(ms + 1e-6)));
}

} // namespace engine
