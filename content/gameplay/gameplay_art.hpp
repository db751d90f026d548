// The writers of the play-field pictures, called by writeGameplayArt.
#pragma once

#include "content/content.hpp"

#include <filesystem>
#include <string>

namespace content::gameplay {

// Path of a picture below the installation tree's gfx/game folder.
std::filesystem::path gamePicture(const Context& ctx, const std::string& relative);

void writeMaps(const Context& ctx);         // map1..8 pictures and masks
void writeInsects(const Context& ctx);      // fly and enemy animation frames
void writeBubbles(const Context& ctx);      // bubble, halves, mini and health bubble
void writePanel(const Context& ctx);        // side panel, icons, alert, pause panel and choices
void writeTutorial(const Context& ctx);     // tutorial panels of both languages
void writeLevelObjects(const Context& ctx); // moon, sun, tree, light, factory parts

} // namespace content::gameplay
