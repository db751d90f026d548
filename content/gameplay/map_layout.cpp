#include "content/gameplay/map_layout.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace content::gameplay {

Shape box(double x, double y, double w, double h, Material m, double corner) {
    Shape s;
    s.kind = Shape::Kind::Box;
    s.x = x;
    s.y = y;
    s.w = w;
    s.h = h;
    s.radius = corner;
    s.material = m;
    return s;
}

Shape disc(double cx, double cy, double r, Material m) {
    Shape s;
    s.kind = Shape::Kind::Disc;
    s.x = cx;
    s.y = cy;
    s.radius = r;
    s.material = m;
    return s;
}

Shape polygon(std::vector<Point> points, Material m) {
    Shape s;
    s.kind = Shape::Kind::Polygon;
    s.points = std::move(points);
    s.material = m;
    return s;
}

namespace {

using M = Material;

// Map 1: a garden at night; the moon rises over the hills. Few walls: the tutorial plays here.
MapLayout nightGarden() {
    MapLayout l{1, {412, 504}, {}, {}};
    l.walls.push_back(box(-20, 598, 250, 190, M::Stone, 10)); // garden wall, lower left
    l.walls.push_back(box(650, 560, 230, 228, M::Wood, 4));   // shed, lower right
    l.walls.push_back(
        polygon({{632, 572}, {760, 500}, {880, 560}, {880, 590}, {632, 590}}, M::Roof));
    l.walls.push_back(box(-20, 236, 132, 220, M::Stone, 8)); // gate pillar on the left
    return l;
}

// Map 2: a garden by day, the big tree in front at the lower left.
MapLayout garden() {
    MapLayout l{2, {686, 354}, {}, {}};
    // The tree's trunk and roots; the tree picture is painted from the same outline.
    l.walls.push_back(polygon({{150, 790},
                               {178, 735},
                               {196, 660},
                               {204, 585},
                               {268, 585},
                               {270, 660},
                               {290, 730},
                               {340, 790}},
                              M::Trunk));
    // The crown hides the fly, so no bubble may lie behind it.
    // The crown stays inside the tree picture, which starts at y 432.
    l.quiet.push_back(disc(250, 542, 100, M::Hedge));
    l.quiet.push_back(disc(135, 565, 85, M::Hedge));
    l.quiet.push_back(disc(375, 565, 90, M::Hedge));
    l.quiet.push_back(disc(262, 512, 68, M::Hedge));
    l.walls.push_back(box(-20, 300, 250, 66, M::Brick, 4));   // low brick wall on the lawn
    l.walls.push_back(box(620, 586, 260, 200, M::Hedge, 40)); // hedge, lower right
    l.walls.push_back(polygon({{448, 418},
                               {560, 418},
                               {560, 436},
                               {548, 436},
                               {536, 512},
                               {472, 512},
                               {460, 436},
                               {448, 436}},
                              M::Pot)); // flower pot
    return l;
}

// Map 3: a stony creek.
MapLayout creek() {
    MapLayout l{3, {711, 513}, {}, {}};
    l.walls.push_back(
        polygon({{-20, -20}, {300, -20}, {285, 40}, {230, 95}, {150, 130}, {60, 170}, {-20, 180}},
                M::Rock));
    l.walls.push_back(polygon(
        {{280, 790}, {300, 690}, {360, 640}, {450, 630}, {520, 670}, {545, 740}, {560, 790}},
        M::Rock));
    l.walls.push_back(
        polygon({{620, -20}, {880, -20}, {880, 190}, {800, 200}, {720, 170}, {650, 110}}, M::Rock));
    l.walls.push_back(disc(290, 390, 72, M::Rock));
    return l;
}

// Map 4: castle ruins at dusk.
MapLayout ruins() {
    MapLayout l{4, {488, 440}, {}, {}};
    // A crumbled curtain wall, a broken tower, rubble and a column stump.
    l.walls.push_back(polygon({{-20, 430},
                               {-20, 150},
                               {50, 150},
                               {50, 176},
                               {100, 176},
                               {112, 230},
                               {160, 242},
                               {190, 290},
                               {240, 302},
                               {270, 430}},
                              M::Stone));
    l.walls.push_back(polygon(
        {{640, 430}, {640, 170}, {662, 150}, {690, 178}, {712, 140}, {730, 160}, {730, 430}},
        M::Stone));
    l.walls.push_back(box(560, 640, 320, 148, M::Stone, 4));
    l.walls.push_back(box(160, 560, 72, 120, M::Stone, 4));
    return l;
}

// Map 5: a cellar lit by a torch.
MapLayout cellar() {
    MapLayout l{5, {84, 487}, {}, {}};
    l.walls.push_back(box(-20, -20, 230, 190, M::Stone, 8));   // vault pillar
    l.walls.push_back(box(560, -20, 320, 150, M::Wood, 2));    // storage loft
    l.walls.push_back(box(600, 560, 280, 228, M::Crate, 2));   // crates
    l.walls.push_back(box(300, 596, 110, 192, M::Barrel, 30)); // barrels
    l.walls.push_back(box(398, 630, 100, 158, M::Barrel, 26));
    l.walls.push_back(box(330, 280, 210, 36, M::Wood, 3)); // wall shelf
    return l;
}

// Map 6: a room lit by a flickering lamp hanging at (700, 168).
MapLayout room() {
    MapLayout l{6, {370, 514}, {}, {}};
    l.walls.push_back(box(-20, 70, 170, 470, M::Furniture, 4));  // bookcase
    l.walls.push_back(box(600, 560, 280, 228, M::Furniture, 6)); // chest of drawers
    l.walls.push_back(polygon({{650, 170}, {668, 128}, {732, 128}, {750, 170}}, M::Metal)); // lamp
    l.walls.push_back(box(-20, 690, 250, 100, M::Furniture, 10)); // footstool
    return l;
}

// Map 7: a bottling factory; the belt and the bottles run across at y 199..351.
MapLayout factory() {
    MapLayout l{7, {442, 385}, {}, {}};
    l.quiet.push_back(box(-20, 190, 900, 170, M::Metal, 0));
    l.walls.push_back(box(110, -20, 170, 150, M::Metal, 6));  // filling machine
    l.walls.push_back(box(-20, 560, 230, 228, M::Metal, 12)); // tank
    l.walls.push_back(box(640, 590, 240, 198, M::Metal, 6));  // press
    l.walls.push_back(box(640, -20, 240, 110, M::Metal, 6));  // ducting
    return l;
}

// Map 8: a meadow on a sunny day.
MapLayout meadow() {
    MapLayout l{8, {412, 504}, {}, {}};
    l.walls.push_back(box(-20, 590, 240, 198, M::Hay, 30));  // hay bales
    l.walls.push_back(box(676, 560, 204, 228, M::Brick, 6)); // barn
    l.walls.push_back(
        polygon({{656, 574}, {778, 500}, {880, 552}, {880, 592}, {656, 592}}, M::Roof));
    // An oak on the left and a hot-air balloon, both low enough that the sun passes above them.
    l.walls.push_back(
        polygon({{44, 470}, {66, 440}, {74, 380}, {122, 380}, {128, 440}, {154, 470}}, M::Trunk));
    l.walls.push_back(disc(100, 300, 100, M::Hedge));
    l.walls.push_back(disc(610, 256, 66, M::Balloon));
    l.walls.push_back(box(592, 344, 36, 28, M::Wicker, 4));
    return l;
}

} // namespace

MapLayout mapLayout(int map) {
    switch (map) {
    case 1:
        return nightGarden();
    case 2:
        return garden();
    case 3:
        return creek();
    case 4:
        return ruins();
    case 5:
        return cellar();
    case 6:
        return room();
    case 7:
        return factory();
    case 8:
        return meadow();
    }
    throw std::out_of_range("no map " + std::to_string(map));
}

void traceShape(cairo_t* cr, const Shape& s) {
    switch (s.kind) {
    case Shape::Kind::Box:
        if (s.radius > 0)
            art::roundedRect(cr, s.x, s.y, s.w, s.h, s.radius);
        else
            cairo_rectangle(cr, s.x, s.y, s.w, s.h);
        break;
    case Shape::Kind::Disc:
        cairo_new_sub_path(cr);
        cairo_arc(cr, s.x, s.y, s.radius, 0, 2 * M_PI);
        cairo_close_path(cr);
        break;
    case Shape::Kind::Polygon:
        cairo_new_sub_path(cr);
        for (const Point& p : s.points)
            cairo_line_to(cr, p.x, p.y);
        cairo_close_path(cr);
        break;
    }
}

namespace {

// Squared Euclidean distance transform along one line (Felzenszwalb and Huttenlocher).
void distanceLine(const std::vector<double>& f, std::vector<double>& d, std::vector<int>& v,
                  std::vector<double>& z) {
    const int n = static_cast<int>(f.size());
    v.assign(n, 0);
    z.assign(n + 1, 0);
    d.assign(n, 0);
    int k = 0;
    z[0] = -1e30;
    z[1] = 1e30;
    for (int q = 1; q < n; ++q) {
        double s;
        while (true) {
            s = ((f[q] + q * q) - (f[v[k]] + v[k] * v[k])) / (2.0 * q - 2.0 * v[k]);
            if (s > z[k] || k == 0)
                break;
            --k;
        }
        if (s <= z[k]) {
            v[k] = q;
            z[k] = -1e30;
            z[k + 1] = 1e30;
            continue;
        }
        ++k;
        v[k] = q;
        z[k] = s;
        z[k + 1] = 1e30;
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[k + 1] < q)
            ++k;
        d[q] = (q - v[k]) * (q - v[k]) + f[v[k]];
    }
}

// Squared distance from each pixel to the nearest pixel where `solid` is set.
std::vector<double> distanceToSolid(const std::vector<bool>& solid, int w, int h) {
    const double inf = 1e20;
    std::vector<double> grid(static_cast<size_t>(w) * h);
    for (size_t i = 0; i < grid.size(); ++i)
        grid[i] = solid[i] ? 0 : inf;
    std::vector<double> f, d, z;
    std::vector<int> v;
    for (int x = 0; x < w; ++x) {
        f.resize(h);
        for (int y = 0; y < h; ++y)
            f[y] = grid[static_cast<size_t>(y) * w + x];
        distanceLine(f, d, v, z);
        for (int y = 0; y < h; ++y)
            grid[static_cast<size_t>(y) * w + x] = d[y];
    }
    for (int y = 0; y < h; ++y) {
        f.assign(grid.begin() + static_cast<long>(y) * w,
                 grid.begin() + static_cast<long>(y + 1) * w);
        distanceLine(f, d, v, z);
        std::copy(d.begin(), d.end(), grid.begin() + static_cast<long>(y) * w);
    }
    return grid;
}

} // namespace

art::Surface renderMask(const MapLayout& layout) {
    art::Surface surface = art::makeSurface(mapWidth, mapHeight);
    {
        art::Context cr = art::makeContext(surface);
        cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_NONE);
        cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
        cairo_set_source_rgba(cr.get(), 1, 1, 0, 1);
        cairo_paint(cr.get());
        cairo_set_source_rgba(cr.get(), 0, 0.5019607843137255, 0, 1);
        // Quiet areas reach a little past their outline so their soft edges count too.
        for (const Shape& s : layout.quiet)
            traceShape(cr.get(), s);
        cairo_fill_preserve(cr.get());
        cairo_set_line_width(cr.get(), 16);
        cairo_stroke(cr.get());
        cairo_set_source_rgba(cr.get(), 1, 0, 0, 1);
        for (const Shape& s : layout.walls)
            traceShape(cr.get(), s);
        cairo_rectangle(cr.get(), fieldRight, 0, mapWidth - fieldRight, mapHeight);
        cairo_fill(cr.get());
    }
    cairo_surface_flush(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    auto pixel = [&](int x, int y) -> std::uint32_t& {
        return reinterpret_cast<std::uint32_t*>(data + y * stride)[x];
    };
    std::vector<bool> solid(static_cast<size_t>(mapWidth) * mapHeight);
    for (int y = 0; y < mapHeight; ++y)
        for (int x = 0; x < mapWidth; ++x)
            solid[static_cast<size_t>(y) * mapWidth + x] = pixel(x, y) == maskWall;
    const std::vector<double> dist = distanceToSolid(solid, mapWidth, mapHeight);
    // Where the fly's centre fits: clear of walls by more than half its width, inside the borders.
    std::vector<bool> roomy(solid.size());
    for (int y = flyHalfLength; y < mapHeight - flyHalfLength; ++y)
        for (int x = flyHalfWidth; x < fieldRight - flyHalfWidth; ++x) {
            const size_t i = static_cast<size_t>(y) * mapWidth + x;
            roomy[i] = dist[i] >= static_cast<double>(flyClearance) * flyClearance;
        }
    // Bubbles lie only where the fly's front can reach them from such a place.
    const std::vector<double> reach = distanceToSolid(roomy, mapWidth, mapHeight);
    const double reach2 = static_cast<double>(frontReach) * frontReach;
    const double wall2 = static_cast<double>(wallMargin) * wallMargin;
    const double grav2 = static_cast<double>(gravityMargin) * gravityMargin;
    for (int y = 0; y < mapHeight; ++y)
        for (int x = 0; x < mapWidth; ++x) {
            std::uint32_t& p = pixel(x, y);
            if (p != maskOpen)
                continue;
            const double gx = x - layout.gravity.x, gy = y - layout.gravity.y;
            const bool nearBorder =
                x < borderMargin || y < borderMargin || y >= mapHeight - borderMargin;
            const size_t i = static_cast<size_t>(y) * mapWidth + x;
            if (nearBorder || dist[i] < wall2 || reach[i] > reach2 || gx * gx + gy * gy < grav2)
                p = maskPassable;
        }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

} // namespace content::gameplay
