#include "content/data/ground.hpp"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>

namespace content::data {

namespace {

// The region a fly can roam is measured with this much room around it; a map of narrow
// passages is measured with less.
constexpr float kRoamClearances[] = {45.0f, 35.0f, 25.0f, 12.0f};

} // namespace

std::optional<Ground> Ground::fromMask(const std::filesystem::path& maskPng) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(maskPng.c_str());
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return std::nullopt;
    }
    cairo_surface_flush(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const cairo_format_t format = cairo_image_surface_get_format(surface);
    if (width != kWidth || height != kHeight ||
        (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24)) {
        cairo_surface_destroy(surface);
        return std::nullopt;
    }
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::vector<std::uint8_t> wall(static_cast<std::size_t>(kWidth) * kHeight, 0);
    for (int y = 0; y < kHeight; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        for (int x = 0; x < kWidth; ++x) {
            std::uint32_t pixel = row[x];
            if (format == CAIRO_FORMAT_RGB24)
                pixel |= 0xFF000000u;
            // Opaque red is the same premultiplied or not.
            wall[static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)] =
                pixel == 0xFFFF0000u ? 1 : 0;
        }
    }
    cairo_surface_destroy(surface);
    return Ground(std::move(wall));
}

Ground Ground::open() {
    return Ground(std::vector<std::uint8_t>(static_cast<std::size_t>(kWidth) * kHeight, 0));
}

Ground::Ground(std::vector<std::uint8_t> wall) : clearance_(wall.size()), region_(wall.size(), 0) {
    // Chamfer distance (3-4 weights) to the nearest wall pixel or the field's edge.
    constexpr float kFar = 1e9f;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const bool blocked = wall[index(x, y)] != 0 || x >= kFieldRight;
            clearance_[index(x, y)] = blocked ? 0.0f : kFar;
        }
    auto edge = [](int x, int y) {
        // Distance to the outside of the field, counted as a wall.
        return 3.0f * static_cast<float>(std::min({x + 1, y + 1, kHeight - y, kFieldRight - x}));
    };
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            float& d = clearance_[index(x, y)];
            if (d == 0)
                continue;
            d = std::min(d, edge(x, y));
            if (x > 0)
                d = std::min(d, clearance_[index(x - 1, y)] + 3);
            if (y > 0) {
                d = std::min(d, clearance_[index(x, y - 1)] + 3);
                if (x > 0)
                    d = std::min(d, clearance_[index(x - 1, y - 1)] + 4);
                if (x + 1 < kWidth)
                    d = std::min(d, clearance_[index(x + 1, y - 1)] + 4);
            }
        }
    for (int y = kHeight - 1; y >= 0; --y)
        for (int x = kWidth - 1; x >= 0; --x) {
            float& d = clearance_[index(x, y)];
            if (d == 0)
                continue;
            if (x + 1 < kWidth)
                d = std::min(d, clearance_[index(x + 1, y)] + 3);
            if (y + 1 < kHeight) {
                d = std::min(d, clearance_[index(x, y + 1)] + 3);
                if (x + 1 < kWidth)
                    d = std::min(d, clearance_[index(x + 1, y + 1)] + 4);
                if (x > 0)
                    d = std::min(d, clearance_[index(x - 1, y + 1)] + 4);
            }
        }
    for (float& d : clearance_)
        d /= 3.0f;

    for (float room : kRoamClearances)
        if (markMainRegion(room))
            break;
}

bool Ground::markMainRegion(float room) {
    // The main region: the largest 4-connected area with `room` around every point.
    std::vector<int> label(clearance_.size(), 0);
    int best = 0, bestSize = 0, next = 0;
    std::deque<std::size_t> queue;
    for (std::size_t start = 0; start < clearance_.size(); ++start) {
        if (label[start] != 0 || clearance_[start] < room)
            continue;
        ++next;
        int size = 0;
        label[start] = next;
        queue.push_back(start);
        while (!queue.empty()) {
            const std::size_t at = queue.front();
            queue.pop_front();
            ++size;
            const int x = static_cast<int>(at % kWidth), y = static_cast<int>(at / kWidth);
            const int nx[4] = {x - 1, x + 1, x, x}, ny[4] = {y, y, y - 1, y + 1};
            for (int k = 0; k < 4; ++k) {
                if (nx[k] < 0 || ny[k] < 0 || nx[k] >= kWidth || ny[k] >= kHeight)
                    continue;
                const std::size_t n = index(nx[k], ny[k]);
                if (label[n] == 0 && clearance_[n] >= room) {
                    label[n] = next;
                    queue.push_back(n);
                }
            }
        }
        if (size > bestSize) {
            bestSize = size;
            best = next;
        }
    }
    for (std::size_t i = 0; i < label.size(); ++i)
        region_[i] = best != 0 && label[i] == best ? 1 : 0;
    return best != 0;
}

double Ground::clearance(int x, int y) const {
    if (x < 0 || y < 0 || x >= kWidth || y >= kHeight)
        return 0;
    return clearance_[index(x, y)];
}

bool Ground::inMainRegion(int x, int y) const {
    if (x < 0 || y < 0 || x >= kWidth || y >= kHeight)
        return false;
    return region_[index(x, y)] != 0;
}

std::optional<Spot> Ground::snap(Spot wanted, const Placement& placement) const {
    for (double room = placement.clearance; room >= 24.0; room -= 8.0)
        for (double apart = placement.othersDistance; apart >= 0; apart -= 40) {
            if (auto found = nearestSpot(wanted, placement, room, apart))
                return found;
        }
    return std::nullopt;
}

std::optional<Spot> Ground::nearestSpot(Spot wanted, const Placement& placement, double room,
                                        double apart) const {
    std::optional<Spot> found;
    double nearest = std::numeric_limits<double>::max();
    for (int y = 0; y < kHeight; y += 2)
        for (int x = 0; x < kFieldRight; x += 2) {
            if (clearance_[index(x, y)] < room || region_[index(x, y)] == 0)
                continue;
            if (std::hypot(x - placement.avoid.x, y - placement.avoid.y) < placement.avoidDistance)
                continue;
            if (std::any_of(placement.others.begin(), placement.others.end(),
                            [&](const Spot& o) { return std::hypot(x - o.x, y - o.y) < apart; }))
                continue;
            const double d = std::hypot(x - wanted.x, y - wanted.y);
            if (d < nearest) {
                nearest = d;
                found = Spot{static_cast<double>(x), static_cast<double>(y)};
            }
        }
    return found;
}

} // namespace content::data
