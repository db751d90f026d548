// Where the fixed-size canvas sits in a window of any size: as large as fits, centred, with
// black bars on the two sides that are left over.
#pragma once

#include "engine/engine.hpp"

namespace engine {

struct Box {
    int x = 0, y = 0, width = 0, height = 0;
};

Box letterbox(Size output, Size canvas);

// A position in window units to canvas pixels, clamped to the canvas. `pixelsPerUnit` is the
// output's pixels per window unit (above 1 on high-DPI screens).
Point windowToCanvas(int x, int y, float pixelsPerUnit, Size output, Size canvas);

} // namespace engine
