// The solid geometry of the eight maps. The painter and the mask both draw from these shapes, so
// a wall in the picture is exactly a wall in the mask.
#pragma once

#include "content/kit/art_kit.hpp"

#include <cstdint>
#include <vector>

namespace content::gameplay {

struct Point {
    double x = 0, y = 0;
};

// What a solid thing is made of; the painter picks its look from this.
enum class Material {
    Stone,
    Brick,
    Wood,
    Rock,
    Hedge,
    Metal,
    Crate,
    Barrel,
    Furniture,
    Trunk,
    Hay,
    Roof,
    Pot,
    Balloon,
    Wicker
};

struct Shape {
    enum class Kind { Box, Disc, Polygon };
    Kind kind = Kind::Box;
    double x = 0, y = 0, w = 0, h = 0; // box; disc centre in x, y
    double radius = 0;                 // disc radius, box corner radius
    std::vector<Point> points;         // polygon
    Material material = Material::Stone;
};

Shape box(double x, double y, double w, double h, Material m, double corner = 6);
Shape disc(double cx, double cy, double r, Material m);
Shape polygon(std::vector<Point> points, Material m);

struct MapLayout {
    int number = 0;
    Point gravity;            // the gravitation point every level of this map carries
    std::vector<Shape> walls; // solid: the fly stops at them
    std::vector<Shape> quiet; // passable, but no bubble lies there (belts, foliage in front)
};

// Play field width left of the side panel.
inline constexpr int fieldRight = 860;
inline constexpr int mapWidth = 1024;
inline constexpr int mapHeight = 768;

// Distance kept free of bubbles around walls and around the gravitation point.
inline constexpr int wallMargin = 42;
inline constexpr int gravityMargin = 110;
inline constexpr int borderMargin = 30;
// The fly's centre needs this much room from walls and borders; its front takes bubbles up to
// frontReach away from where the centre can be.
inline constexpr int flyClearance = 58;
inline constexpr int flyHalfWidth = 50;
inline constexpr int flyHalfLength = 40;
inline constexpr int frontReach = 39;

MapLayout mapLayout(int map); // map 1..8

// Appends the shape's outline to the current path.
void traceShape(cairo_t* cr, const Shape& shape);

// Mask colours, packed 0xAARRGGBB.
inline constexpr std::uint32_t maskWall = 0xFFFF0000;
inline constexpr std::uint32_t maskOpen = 0xFFFFFF00;
inline constexpr std::uint32_t maskPassable = 0xFF000000;
inline constexpr std::uint32_t maskQuiet = 0xFF008000; // passable, kept visibly apart for review

// The mask picture (1024 x 768, no antialiasing): walls red, the panel red, bubble ground yellow,
// margins around walls, borders and the gravitation point black, quiet areas green.
art::Surface renderMask(const MapLayout& layout);

} // namespace content::gameplay
