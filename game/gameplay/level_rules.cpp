#include "game/gameplay/level_rules.hpp"

#include "game/gameplay/play_math.hpp"
#include "game/state/game_state.hpp"
#include "game/state/play_clock.hpp"

namespace gameplay {

void clockStep(GameState& s) {
    if (!s.engine)
        return;
    const std::uint32_t now = playTick(s);
    if (s.gameMode == 3) {
        if (!intervalPassed(now, 1000, s.clockTick))
            return;
        s.clockTick = now;
        if (++s.seconds >= 60) {
            s.seconds = 0;
            s.minutes = saturatingAdd(s.minutes, 1);
        }
        return;
    }
    if (s.tutorialActive || s.levelWon || s.levelLost || !intervalPassed(now, 1000, s.clockTick))
        return;
    s.clockTick = now;
    if (--s.seconds == -1) {
        s.seconds = 59;
        if (--s.minutes == -1) {
            s.minutes = 0;
            s.seconds = 0;
            s.levelLost = true; // time is up
        }
    }
}

void scoreStep(GameState& s) {
    if (!s.engine)
        return;
    const std::uint32_t now = playTick(s);
    if (s.scoreCounting && !s.levelWon && intervalPassed(now, 20, s.lastScoreTick)) {
        s.lastScoreTick = now;
        s.displayedScore += 2;
        if (s.displayedScore >= s.score) {
            s.displayedScore = s.score;
            s.scoreCounting = false;
        }
    }
    if (s.energyPending > 0 && intervalPassed(now, 20, s.energyGainTick)) {
        s.energyGainTick = now;
        // A point beyond the full bar is used up all the same.
        if (s.energy < 100)
            ++s.energy;
        --s.energyPending;
    }
    if ((s.enemyDrain || s.gravityDrain) && intervalPassed(now, 40, s.energyDrainTick)) {
        s.energyDrainTick = now;
        if (!s.levelWon && !s.levelLost && !s.quitToMenu)
            --s.energy;
        if (s.energy < 0)
            s.energy = 0;
        // A won level stays won even if the drain catches up with an empty bar.
        if (s.energy <= 0 && !s.levelWon)
            s.levelLost = true;
    }
}

void healthBubbleStep(GameState& s) {
    if (!s.engine)
        return;
    const double elapsed = playElapsedMs(s);
    const std::uint32_t now = playTick(s);
    if (s.bubbleVisible) {
        s.bubbleAngle += elapsed * 0.5;
        if (s.bubbleAngle > 360.0)
            s.bubbleAngle -= 360.0;
    }
    if (s.healthBubbleActive || s.healthBubbleFading) {
        s.healthBubbleAngle -= elapsed * 0.3;
        if (s.healthBubbleAngle < 0.0)
            s.healthBubbleAngle += 360.0;
        // An untaken health bubble lasts about 4 s.
        if (!s.healthBubbleFading && intervalPassed(now, 4000, s.healthBubbleLastRoll)) {
            s.healthBubbleActive = false;
            s.healthBubbleLastRoll = now;
        }
    }
    if (s.healthBubbleFading) {
        s.healthBubbleAlpha -= elapsed * 0.005;
        if (s.healthBubbleAlpha <= 0.0) {
            s.healthBubbleAlpha = 0.0;
            s.healthBubbleFading = false;
            s.healthBubbleActive = false;
            s.healthBubbleLastRoll = now;
        }
    }
}

} // namespace gameplay
