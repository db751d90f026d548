#include "engine/letterbox.hpp"

#include <algorithm>
#include <cmath>

namespace engine {

Box letterbox(Size output, Size canvas) {
    if (output.width <= 0 || output.height <= 0 || canvas.width <= 0 || canvas.height <= 0)
        return {0, 0, canvas.width, canvas.height};
    const double scale =
        std::min(double(output.width) / canvas.width, double(output.height) / canvas.height);
    const int w = int(std::lround(canvas.width * scale));
    const int h = int(std::lround(canvas.height * scale));
    return {(output.width - w) / 2, (output.height - h) / 2, w, h};
}

Point windowToCanvas(int x, int y, float pixelsPerUnit, Size output, Size canvas) {
    const Box box = letterbox(output, canvas);
    if (box.width <= 0 || box.height <= 0)
        return {0, 0};
    const double cx = (x * double(pixelsPerUnit) - box.x) * canvas.width / box.width;
    const double cy = (y * double(pixelsPerUnit) - box.y) * canvas.height / box.height;
    return {std::clamp(int(std::floor(cx)), 0, canvas.width - 1),
            std::clamp(int(std::floor(cy)), 0, canvas.height - 1)};
}

} // namespace engine
