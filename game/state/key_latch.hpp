// Release detection: a key's action fires once, in the frame in which the key is found up
// after it was seen down, however long it was held.
#pragma once

// Sets the latch while the key is down (when setting is allowed) and returns true, clearing
// the latch, in the frame in which the key is found up with the latch set.
inline bool keyReleased(bool& latch, bool keyDown, bool mayLatch = true) {
    if (keyDown && !latch && mayLatch)
        latch = true;
    if (!keyDown && latch) {
        latch = false;
        return true;
    }
    return false;
}
