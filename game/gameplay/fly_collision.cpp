#include "game/gameplay/fly_collision.hpp"

#include "game/gameplay/bubble_pickups.hpp"
#include "game/gameplay/map_mask.hpp"
#include "game/gameplay/play_math.hpp"
#include "game/state/game_state.hpp"
#include "game/state/play_clock.hpp"

#include <algorithm>

namespace gameplay {
namespace {

// Offsets in the fly's own frame; v = -40 is its front edge.
constexpr double kProbeU[8] = {0, -50, -25, 0, 25, 50, -50, 50};
constexpr double kProbeV[8] = {0, -40, -40, -40, -40, -40, 40, 40};

bool goesRight(const std::string& d) {
    return d == "R" || d == "RU" || d == "RD";
}
bool goesLeft(const std::string& d) {
    return d == "L" || d == "LU" || d == "LD";
}

void applyEdgeRules(GameState& s, double elapsed) {
    const auto& held = s.heldKeys;
    const auto& tag = s.glideTag;
    const auto& glide = s.glideSpeed;
    const ProbePoint& p1 = s.headProbes[1];
    const ProbePoint& p5 = s.headProbes[5];
    const double keyStep = elapsed * s.flySpeed;
    const bool upOnly = held.up && !held.down;
    const bool downOnly = held.down && !held.up;
    const bool glideRU = tag.right == "R" && tag.up == "U";
    const bool glideRD = tag.right == "R" && tag.down == "D";
    const bool glideLU = tag.left == "L" && tag.up == "U";
    const bool glideLD = tag.left == "L" && tag.down == "D";
    // A glide push-back undoes only a glide that moves the fly this frame, one whose key is
    // not held: the tags stay set while keys are held, and the key step is undone above.
    const double glideR = held.right ? 0.0 : std::max(glide.right, 0.0);
    const double glideL = held.left ? 0.0 : std::max(glide.left, 0.0);
    const double glideU = held.up ? 0.0 : std::max(glide.up, 0.0);
    const double glideD = held.down ? 0.0 : std::max(glide.down, 0.0);

    if (held.right || goesRight(s.lastDirection)) {
        if (!held.up && !held.down && p1.x >= 840)
            s.flyBlocked = true;
        if (upOnly && p5.x >= 860)
            s.flyX -= keyStep;
        if (glideRU && p5.x >= 860)
            s.flyX -= elapsed * glideR;
        if (upOnly && p1.y <= 0)
            s.flyY += keyStep;
        if (glideRU && p1.y <= 0)
            s.flyY += elapsed * glideU;
        if (downOnly && p1.x >= 860)
            s.flyX -= keyStep;
        if (glideRD && p1.x >= 860)
            s.flyX -= elapsed * glideR;
        if (downOnly && p5.y >= 768)
            s.flyY -= keyStep;
        if (glideRD && p1.y >= 768)
            s.flyY -= elapsed * glideD;
    }
    if (held.left || goesLeft(s.lastDirection)) {
        if (!held.up && !held.down && p1.x <= 20)
            s.flyBlocked = true;
        if (upOnly && p1.x <= 0)
            s.flyX += keyStep;
        if (glideLU && p1.x <= 0)
            s.flyX += elapsed * glideL;
        if (upOnly && p5.y <= 0)
            s.flyY += keyStep;
        if (glideLU && p5.y <= 0)
            s.flyY += elapsed * glideU;
        if (downOnly && p5.x <= 0)
            s.flyX += keyStep;
        if (glideLD && p5.x <= 0)
            s.flyX += elapsed * glideL;
        if (downOnly && p1.y >= 768)
            s.flyY -= keyStep;
        if (glideLD && p1.y >= 768)
            s.flyY -= elapsed * glideD;
    }
    if ((held.up || s.lastDirection == "U") && !held.left && !held.right && p1.y <= 20)
        s.flyBlocked = true;
    if ((held.down || s.lastDirection == "D") && !held.left && !held.right && p1.y >= 748)
        s.flyBlocked = true;
}

} // namespace

void updateFlyHeading(GameState& s) {
    const auto& held = s.heldKeys;
    if (held.right) {
        s.flyHeading = 90;
        if (held.up)
            s.flyHeading = 45;
        if (held.down)
            s.flyHeading = 135;
    }
    if (held.left) {
        s.flyHeading = 270;
        if (held.up)
            s.flyHeading = 315;
        if (held.down)
            s.flyHeading = 225;
    }
    if (held.up && !held.right && !held.left)
        s.flyHeading = 0;
    if (held.down && !held.right && !held.left)
        s.flyHeading = 180;
}

void computeFlyProbes(GameState& s) {
    for (int i = 1; i <= 7; ++i) {
        const Turned p = turnOffset(s.flyX, s.flyY, kProbeU[i], kProbeV[i], s.flyHeading);
        s.headProbes[i] = {static_cast<float>(p.x), static_cast<float>(p.y)};
    }
    for (int i = 1; i <= 5; ++i) {
        const Turned p = turnOffset(s.flyX, s.flyY, kProbeU[i], kProbeV[i], s.gravityAngle);
        s.pullProbes[i] = {static_cast<float>(p.x), static_cast<float>(p.y)};
    }
}

} // namespace gameplay

void CheckCollision(GameState& s) {
    using namespace gameplay;
    const double elapsed = playElapsedMs(s);
    updateFlyHeading(s);
    computeFlyProbes(s);

    // Only the front edge (probes 1 to 5) stops the fly; probes on or above the top or left
    // edge are never sampled.
    s.flyBlocked = false;
    const engine::TextureId mask = maskTexture(s);
    for (int i = 1; i <= 5; ++i) {
        const ProbePoint& p = s.headProbes[i];
        if (p.x <= 0 || p.y <= 0)
            continue;
        if (isWall(s, mask, p.x, p.y))
            s.flyBlocked = true;
    }
    applyEdgeRules(s, elapsed);
    testPickups(s);
}
