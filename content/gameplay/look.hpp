// Drawing pieces shared by the play-field pictures: the insects, the bubbles and the panel look.
#pragma once

#include "content/kit/art_kit.hpp"

#include <functional>
#include <string>

namespace content::gameplay {

// Insects in their sprite frames (fly 100 x 80, wasp 120 x 80, ...); t is the wing beat, 0..1.
void drawFlyFigure(cairo_t* cr, double t);
void drawWaspFigure(cairo_t* cr, double t);

void drawSoapBubble(cairo_t* cr, double cx, double cy, double r, const art::Rgba& tint);
void drawHealthBubble(cairo_t* cr, double cx, double cy, double r);

namespace look {
inline const art::Rgba panelTop = art::hex(0x173a6b);
inline const art::Rgba panelBottom = art::hex(0x081a36);
inline const art::Rgba rim = art::hex(0xf5b82e); // honey
inline const art::Rgba cream = art::hex(0xfff6e0);
inline const art::Rgba plate = art::hex(0x04101f);
inline constexpr const char* titleFace = "URW Gothic";
inline constexpr const char* bodyFace = "DejaVu Sans";
} // namespace look

// The game's panel: a rounded navy glass body with a honey rim and a soft top sheen.
void hudPanel(cairo_t* cr, double x, double y, double w, double h, double radius);
// A recessed dark plate behind HUD values.
void hudPlate(cairo_t* cr, double x, double y, double w, double h);

} // namespace content::gameplay
