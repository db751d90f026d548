#include "content/data/highscores.hpp"

#include "content/data/levels.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace content::data {

namespace {

// Only letters the name-entry glyphs can draw.
const std::vector<std::string>& namePool() {
    static const std::vector<std::string> names = {
        "Bzučák", "Máša",    "Kuba",  "Eliška", "Honza", "Klára", "Ondra", "Tereza",
        "Vojta",  "Anička",  "Filip", "Zuzka",  "Radek", "Bára",  "Tomáš", "Lucie",
        "Jirka",  "Markéta", "Petr",  "Míša",   "David", "Jana",  "Sam",   "Maggie"};
    return names;
}

// Rounds down to a multiple of 5, as pick-up points come in fives.
int inFives(double points) {
    return static_cast<int>(std::floor(points / 5.0)) * 5;
}

struct LevelFacts {
    int bubbles;
    int seconds;
    int enemies;
};

LevelFacts factsOf(int levelNumber) {
    if (levelNumber < 1 || levelNumber > 16)
        return {25, 120, 4}; // a typical user level
    const LevelDesign d = builtInLevelDesigns()[static_cast<std::size_t>(levelNumber - 1)];
    return {d.bubbles, d.minutes * 60 + d.seconds, static_cast<int>(d.enemies.size())};
}

std::array<int, 4> bubbleMatchPoints(const LevelFacts& f) {
    // A strong player takes a bubble every ~2.6 s (longer with more enemies) for the whole
    // clock, plus a health bubble now and then; the places below reach less of that.
    const double perBubble = 2.6 + 0.06 * f.enemies;
    const double best = 20.0 * std::floor(f.seconds / perBubble) + 5.0 * (f.seconds / 20);
    return {inFives(best), inFives(best * 0.84), inFives(best * 0.69), inFives(best * 0.55)};
}

std::array<int, 4> timeAttackPoints(const LevelFacts& f) {
    // Every finisher has all bubbles; places differ by the seconds left and health bubbles.
    const double used = f.bubbles * (2.8 + 0.06 * f.enemies);
    const double spare = std::max(0.0, f.seconds - used);
    std::array<int, 4> points{};
    for (int place = 0; place < 4; ++place) {
        const double bonus = spare * (1.0 - 0.3 * place) + 5.0 * std::max(0, 4 - place);
        points[static_cast<std::size_t>(place)] = 20 * f.bubbles + static_cast<int>(bonus);
    }
    return points;
}

} // namespace

common::HighscoreFile shippedTable(int gameMode, int levelNumber) {
    std::array<int, 4> points{};
    if (gameMode == 1) {
        // A whole scenario gives about 9600 for the bubbles plus time and health bonuses.
        points = {10420, 10080, 9870, 9690};
    } else if (gameMode == 2) {
        points = bubbleMatchPoints(factsOf(levelNumber));
    } else {
        points = timeAttackPoints(factsOf(levelNumber));
    }
    common::HighscoreFile table;
    const auto& names = namePool();
    const std::size_t first = static_cast<std::size_t>(gameMode * 7 + levelNumber * 3);
    for (std::size_t place = 0; place < 4; ++place) {
        table.highscoreNames[place] = names[(first + place * 5) % names.size()];
        table.highscorePoints[place] = static_cast<std::int16_t>(points[place]);
    }
    return table;
}

void writeHighscoreTables(const std::filesystem::path& root) {
    std::filesystem::create_directories(root / "highscore" / "default");
    auto write = [&](int mode, int level, bool user) {
        const common::HighscoreFile table = shippedTable(mode, user ? 17 : level);
        for (const auto& path : {common::highscoreFilePath(root, mode, level, user),
                                 common::defaultHighscoreFilePath(root, mode, level, user)}) {
            const common::Status written = common::writeHighscoreFile(path, table);
            if (!written)
                throw std::runtime_error(written.message());
        }
    };
    write(1, 1, false);
    for (int mode = 2; mode <= 3; ++mode) {
        for (int level = 1; level <= 16; ++level)
            write(mode, level, false);
        write(mode, 17, true);
    }
}

} // namespace content::data
