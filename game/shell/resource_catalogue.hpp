// Every picture the game draws, with the key it is drawn under, in load order.
#pragma once

#include "engine/engine.hpp"

#include <string>
#include <vector>

struct CatalogueEntry {
    std::string path; // relative to the installation root
    std::string key;
    engine::LoadOptions options;
};

// The pictures of the loading screen itself, loaded before the counted ones.
std::vector<CatalogueEntry> loadingScreenTextures();

// The menu background shown behind the loading screen (1..15).
CatalogueEntry loadingBackground(int menuBackground);

// The same picture already at the size of the loading screen's frame, so the hundreds of
// loading redraws copy it instead of scaling it each time.
inline constexpr const char* kLoadingBackgroundKey = "loading_background";
inline constexpr int kLoadingBackgroundWidth = 700;
inline constexpr int kLoadingBackgroundHeight = 525;
CatalogueEntry loadingBackgroundFrame(int menuBackground);

// The counted textures, and the loading screen's steps: one after each of the 17 sounds and
// each of these.
inline constexpr int kCatalogueTextures = 342;
inline constexpr int kLoadingSteps = 17 + kCatalogueTextures;
std::vector<CatalogueEntry> textureCatalogue();

struct FontEntry {
    std::string key;
    std::string face;
    int size;
    engine::FontStyle style;
};

FontEntry loadingFont();
// The fonts created at the end of start-up.
std::vector<FontEntry> gameFonts();
