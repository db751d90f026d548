// Drawing of the frame: textured, turned and filled rectangles with four corner colours,
// either through an SDL renderer (window) or by the engine's own software rasteriser (memory).
#pragma once

#include "engine/engine.hpp"
#include "engine/picture.hpp"

#include <memory>

namespace engine {

class Painter {
  public:
    virtual ~Painter() = default;
    virtual void clear(Color color) = 0;
    virtual void drawPicture(const Picture& picture, float x1, float y1, float x2, float y2,
                             const Corners& colors) = 0;
    // Turned by degrees clockwise about the centre.
    virtual void drawRotated(const Picture& picture, float centerX, float centerY, float width,
                             float height, float angleDegrees, const Corners& colors) = 0;
    virtual void fill(float x1, float y1, float x2, float y2, const Corners& colors) = 0;
    // Work queued by the renderer is done: the canvas holds everything drawn so far.
    virtual void flush() {}
};

std::unique_ptr<Painter> createRendererPainter(SDL_Renderer* renderer);
// How the software painter fills its rows: whole rows at once where the pixels allow it, or
// pixel by pixel everywhere (the same pixels, slower; kept as the reference for the fast ones).
enum class SoftwareRows { Fast, General };
// Paints into `canvas` (0xAARRGGBB rows), which must outlive the painter.
std::unique_ptr<Painter> createSoftwarePainter(Image& canvas,
                                               SoftwareRows rows = SoftwareRows::Fast);

// The corner pattern -1, -2, -2, -2 (as signed colours) is the callers' way of saying plain
// white; it becomes four white corners.
inline Corners normalizedCorners(const Corners& c) {
    if (c.topLeft == 0xFFFFFFFFu && c.topRight == 0xFFFFFFFEu && c.bottomRight == 0xFFFFFFFEu &&
        c.bottomLeft == 0xFFFFFFFEu)
        return Corners::all(kWhite);
    return c;
}

inline bool cornersEqual(const Corners& c) {
    return c.topLeft == c.topRight && c.topLeft == c.bottomRight && c.topLeft == c.bottomLeft;
}

} // namespace engine
