// The story of each map as the level intro tells it, in both languages.
#pragma once

#include <string>
#include <vector>

namespace content::screens {

struct MapStory {
    std::string title;
    std::vector<std::string> paragraphs;
};

// Map 1..8, language "cz" or "en".
MapStory mapStory(int map, const std::string& language);

} // namespace content::screens
