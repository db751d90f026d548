// What one frame reads of keys and buttons. Presses and releases arrive between frames, any
// number of them; each frame takes at most one change of each key or button, oldest first. So a
// tap whose press and release both come before the next frame reads as down in that frame and up
// in the next, and no press is lost or doubled however long a frame takes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace engine {

class FrameSwitches {
  public:
    explicit FrameSwitches(std::size_t count) : switches_(count) {}

    // The key or button is now down (or up): the change waits for a frame.
    void set(std::size_t index, bool down);
    // As the current frame reads it; false outside the table.
    bool down(std::size_t index) const;
    // A new frame begins: each switch takes its oldest waiting change.
    void nextFrame();
    // Everything up at once, nothing waiting (the window lost the focus).
    void releaseAll();

  private:
    struct Switch {
        bool shown = false;
        std::uint8_t waiting = 0; // changes not yet shown; they alternate, so a count says all
    };
    std::vector<Switch> switches_;
};

} // namespace engine
