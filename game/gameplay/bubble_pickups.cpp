#include "game/gameplay/bubble_pickups.hpp"

#include "game/gameplay/bubble_placement.hpp"
#include "game/gameplay/play_math.hpp"
#include "game/gameplay/scoring.hpp"
#include "game/state/game_state.hpp"
#include "game/state/sound_player.hpp"

namespace gameplay {
namespace {

constexpr double kReach = 18.0; // half the bubble's size

bool strictlyNear(double probe, double centre) {
    return probe > centre - kReach && probe < centre + kReach;
}

// x and y pass separately: either the head probe or the pull probe may give each.
bool touches(const GameState& s, int i, double centreX, double centreY) {
    const bool xHit =
        strictlyNear(s.headProbes[i].x, centreX) || strictlyNear(s.pullProbes[i].x, centreX);
    const bool yHit =
        strictlyNear(s.headProbes[i].y, centreY) || strictlyNear(s.pullProbes[i].y, centreY);
    return xHit && yHit;
}

void startPoppedHalves(GameState& s) {
    for (int slot = 1; slot <= kPoppedHalfSlots; ++slot) {
        PoppedHalf& half = s.poppedHalves[slot];
        if (half.active)
            continue;
        half.active = true;
        half.alpha = 1.0;
        half.leftX = half.rightX = s.bubbleX;
        half.leftY = half.rightY = s.bubbleY;
        half.angle = s.flyAngle;
        return;
    }
}

void finishLevel(GameState& s) {
    switch (s.gameMode) {
    case 1: // scenario: the seconds left are credited
        s.levelWon = true;
        s.timeBonus = s.minutes * 60 + s.seconds;
        addPoints(s, s.timeBonus);
        s.endFade = 0.0;
        s.bubbleVisible = false;
        break;
    case 3: { // time attack: the seconds under the limit are credited
        s.levelWon = true;
        const int limit = s.timeLimitMinutes * 60 + s.timeLimitSeconds;
        const int taken = s.minutes * 60 + s.seconds;
        if (limit - taken > 0)
            addPoints(s, limit - taken);
        break;
    }
    default:
        // Bubble match has no last bubble: it goes on until the clock or the energy runs
        // out. A fresh bubble keeps the one just taken from counting again next frame.
        placeBubble(s);
        break;
    }
}

void takeBubble(GameState& s) {
    PlaySoundCase(s, 13);
    const bool fullRules = !s.tutorialActive || s.tutorialStep > 2;
    if (!s.tutorialActive)
        addPoints(s, 20);
    if (s.tutorialActive)
        s.tutorialBubbles = saturatingAdd(s.tutorialBubbles, 1);
    else
        s.bubblesCollected = saturatingAdd(s.bubblesCollected, 1);
    if (fullRules)
        startPoppedHalves(s);
    if (s.tutorialActive || s.bubblesCollected != s.bubblesTotal) {
        if (fullRules)
            placeBubble(s);
        return;
    }
    finishLevel(s);
}

} // namespace

void testPickups(GameState& s) {
    for (int i = 2; i <= 4; ++i) {
        if (s.healthBubbleActive && !s.healthBubbleFading &&
            touches(s, i, s.healthBubbleX, s.healthBubbleY)) {
            PlaySoundCase(s, 14);
            s.healthBubbleFading = true;
            s.energyPending = saturatingAdd(s.energyPending, 10);
            addPoints(s, 5);
            s.healthBubbleAlpha = 1.0;
        }
        if (s.levelLost || s.levelWon)
            continue;
        if (touches(s, i, s.bubbleX, s.bubbleY)) {
            takeBubble(s);
            break;
        }
    }
}

} // namespace gameplay
