#include "game/gameplay/bubble_placement.hpp"

#include "game/gameplay/map_mask.hpp"
#include "game/gameplay/play_math.hpp"
#include "game/gameplay/random_draws.hpp"
#include "game/state/game_state.hpp"

#include <cmath>
#include <string>

namespace gameplay {
namespace {

constexpr int kAreaWidth = 760;
constexpr int kAreaHeight = 668;
constexpr double kMinFlyDistance = 100.0;

bool goodSpot(const GameState& s, engine::TextureId mask, int x, int y) {
    return s.engine->pixel(mask, x, y) == kOpenColor &&
           std::hypot(s.flyX - x, s.flyY - y) >= kMinFlyDistance;
}

int randomStart(GameState& s) {
    return static_cast<int>(randomFraction(s) * kAreaWidth * kAreaHeight);
}

void reportNoOpenGround(GameState& s) {
    s.levelLoadFailed = true;
    const std::string map = std::to_string(s.mapNumber);
    s.levelError = s.language == "cz"
                       ? "Maska mapy " + map + " (textura map" + map +
                             "_mask) nemá žádnou volnou plochu (neprůhledně žlutou) pro bubliny."
                       : "The mask of map " + map + " (texture map" + map +
                             "_mask) has no open ground (opaque yellow) for the bubbles.";
}

} // namespace

void healthBubbleSpawnStep(GameState& s) {
    if (!s.engine)
        return;
    const std::uint32_t now = s.engine->tick();
    if (!s.healthBubbleActive && !s.healthBubbleSpawning && !s.tutorialActive &&
        intervalPassed(now, 8000, s.healthBubbleLastRoll)) {
        s.healthBubbleLastRoll = now;
        reseedFromClock(s);
        if (roundHalfEven(randomFraction(s) * 400.0) > 200.0) {
            s.healthBubbleSpawning = true;
            s.healthBubbleSpawnTries = 0;
        }
    }
    if (!s.healthBubbleSpawning)
        return;

    const engine::TextureId mask = maskTexture(s);
    reseedFromClock(s);
    int x = static_cast<int>(randomFraction(s) * kAreaWidth) + 50;
    int y = static_cast<int>(randomFraction(s) * kAreaHeight) + 50;
    bool found = mask != engine::kNoTexture && goodSpot(s, mask, x, y);
    if (!found && ++s.healthBubbleSpawnTries >= kHealthSpawnFrames) {
        // Random spots keep missing: look at every pixel once, and give the roll up when the
        // map has no open ground far enough from the fly.
        const auto spot = searchOpenGround(s, mask, 50, 50, kAreaWidth, kAreaHeight, randomStart(s),
                                           s.flyX, s.flyY, kMinFlyDistance);
        s.healthBubbleSpawnTries = 0;
        if (spot && std::hypot(s.flyX - spot->x, s.flyY - spot->y) >= kMinFlyDistance) {
            x = spot->x;
            y = spot->y;
            found = true;
        } else {
            s.healthBubbleSpawning = false;
            s.healthBubbleLastRoll = now;
            return;
        }
    }
    if (!found)
        return; // the next frame tries again
    s.healthBubbleSpawning = false;
    s.healthBubbleActive = true;
    s.healthBubbleAlpha = 1.0;
    s.healthBubbleX = static_cast<float>(x);
    s.healthBubbleY = static_cast<float>(y);
}

} // namespace gameplay

void placeBubble(GameState& s) {
    using namespace gameplay;
    s.bubbleVisible = false;
    if (!s.engine)
        return;
    reseedFromClock(s);
    const engine::TextureId mask = maskTexture(s);
    if (mask != engine::kNoTexture) {
        for (int attempt = 0; attempt < kBubbleDraws; ++attempt) {
            const int x = static_cast<int>(randomFraction(s) * kAreaWidth);
            const int y = static_cast<int>(randomFraction(s) * kAreaHeight);
            if (goodSpot(s, mask, x, y)) {
                s.bubbleX = static_cast<std::int16_t>(x);
                s.bubbleY = static_cast<std::int16_t>(y);
                s.bubbleVisible = true;
                return;
            }
        }
    }
    // Open ground is rare or all near the fly: take the first good pixel of a full sweep, or
    // the open pixel farthest from the fly.
    const auto spot = searchOpenGround(s, mask, 0, 0, kAreaWidth, kAreaHeight, randomStart(s),
                                       s.flyX, s.flyY, kMinFlyDistance);
    if (!spot) {
        reportNoOpenGround(s);
        return;
    }
    s.bubbleX = static_cast<std::int16_t>(spot->x);
    s.bubbleY = static_cast<std::int16_t>(spot->y);
    s.bubbleVisible = true;
}
