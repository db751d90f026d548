// Paints the eight play-field scenes from their layouts.
#pragma once

#include "content/gameplay/map_layout.hpp"
#include "content/kit/art_kit.hpp"

namespace content::gameplay {

// The 1024 x 768 scene of a map: background, then every wall in its material.
art::Surface paintMap(const MapLayout& layout);

// Paints one solid shape in its material with a soft shadow under it (also used by the tree).
void paintSolid(cairo_t* cr, const Shape& shape, std::uint64_t seed, double shadowAlpha = 0.45);

} // namespace content::gameplay
