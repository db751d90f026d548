// The look shared by the screen pictures (menu, intro, level intro, end and score screens):
// one palette, one set of faces and a few recurring motifs, so the screens read as one game.
#pragma once

#include "content/content.hpp"
#include "content/kit/art_kit.hpp"

#include <string>

namespace content::screens {

namespace palette {
inline const art::Rgba night = art::hex(0x061a33);
inline const art::Rgba navy = art::hex(0x0b2d5b);
inline const art::Rgba blue = art::hex(0x02458c); // the loading screen's box
inline const art::Rgba sky = art::hex(0x3e8ede);
inline const art::Rgba honey = art::hex(0xf5b82e);
inline const art::Rgba amber = art::hex(0xe88a1a);
inline const art::Rgba leaf = art::hex(0x5ba845);
inline const art::Rgba cream = art::hex(0xfff6e0);
inline const art::Rgba ink = art::hex(0x1b2433);
inline const art::Rgba berry = art::hex(0xc8324a);
} // namespace palette

// Display face for titles and menu items; body face for running text. Both carry Czech letters.
inline constexpr const char* titleFace = "URW Gothic";
inline constexpr const char* bodyFace = "DejaVu Sans";

// White text with a soft dark shadow, as the menu draws its items over any background.
art::TextStyle menuTextStyle(double size);

// A rounded glass panel: dark blue body, light rim, a sheen along the top and a soft shadow.
void glassPanel(cairo_t* cr, double x, double y, double w, double h, double radius,
                const art::Rgba& body, double shadowAlpha = 0.45);

// A pill-shaped button with a centred label; the selected one glows in honey.
void choiceButton(cairo_t* cr, double x, double y, double w, double h, const std::string& label,
                  bool selected);

// The hero of the game, seen from above, facing up. `size` is the body length in pixels.
void drawFly(cairo_t* cr, double cx, double cy, double size, double angleDeg, double wingOpen = 1);
// A glossy soap bubble of radius r.
void drawBubble(cairo_t* cr, double cx, double cy, double r, double alpha = 1);
// A wasp, seen from above, facing up; `size` is its body length.
void drawWasp(cairo_t* cr, double cx, double cy, double size, double angleDeg);

// Darkens the picture's edges towards `color`.
void vignette(cairo_t* cr, int w, int h, double strength, const art::Rgba& color = {0, 0, 0, 1});

// Output paths below the installation tree.
std::filesystem::path gfx(const Context& ctx, const std::string& relative);

// The writers of each screen group, called in this order by writeScreenArt.
void writeIntroArt(const Context& ctx);
void writeMenuArt(const Context& ctx);
void writeMenuBackgrounds(const Context& ctx);
void writeLevelIntroArt(const Context& ctx);
void writeEndScreens(const Context& ctx);
void writeScoreScreenArt(const Context& ctx);
void writeEditorArt(const Context& ctx);

} // namespace content::screens
