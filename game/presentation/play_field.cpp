#include "game/presentation/play_field.hpp"

#include "game/gameplay/bubble_placement.hpp"
#include "game/presentation/end_fades.hpp"
#include "game/presentation/hud.hpp"
#include "game/presentation/level_objects.hpp"
#include "game/presentation/panels.hpp"
#include "game/state/game_state.hpp"

#include <cmath>

namespace {

engine::Corners withAlpha(double alpha) {
    return engine::Corners::all(engine::makeColor(1, 1, 1, static_cast<float>(alpha)));
}

void drawFlyAndBubble(GameState& state) {
    engine::Engine& e = *state.engine;
    e.drawRotated(e.texture(state.flyFrameKey), static_cast<float>(state.flyX),
                  static_cast<float>(state.flyY), 100, 80, state.flyAngle);
    if (state.bubbleVisible)
        e.drawRotated(e.texture("bubble"), state.bubbleX, state.bubbleY, 36, 36,
                      static_cast<float>(state.bubbleAngle));
}

void drawHealthBubble(GameState& state) {
    if (!state.healthBubbleActive && !state.healthBubbleFading)
        return;
    engine::Engine& e = *state.engine;
    e.drawRotated(e.texture("healthbubble"), state.healthBubbleX, state.healthBubbleY, 36, 36,
                  static_cast<float>(state.healthBubbleAngle), withAlpha(state.healthBubbleAlpha));
}

// The halves of taken bubbles drift apart and fade, also while paused.
void drawPoppedHalves(GameState& state, float dt) {
    engine::Engine& e = *state.engine;
    const engine::TextureId left = e.texture("bubble_l");
    const engine::TextureId right = e.texture("bubble_r");
    for (int i = 1; i <= kPoppedHalfSlots; ++i) {
        PoppedHalf& half = state.poppedHalves[i];
        if (!half.active)
            continue;
        const double a = half.angle * 3.141592654 / 180.0;
        const double step = 0.05 * dt;
        half.leftX -= std::cos(a) * step;
        half.leftY -= std::sin(a) * step;
        half.rightX += std::cos(a) * step;
        half.rightY += std::sin(a) * step;
        half.alpha -= 0.002 * dt;
        if (half.alpha <= 0.0) {
            half.alpha = 0.0;
            half.active = false;
        }
        const auto angle = static_cast<float>(half.angle);
        e.drawRotated(left, static_cast<float>(half.leftX), static_cast<float>(half.leftY), 36, 36,
                      angle, withAlpha(half.alpha));
        e.drawRotated(right, static_cast<float>(half.rightX), static_cast<float>(half.rightY), 36,
                      36, angle, withAlpha(half.alpha));
    }
}

void drawEnemies(GameState& state) {
    if (enemiesHiddenByTutorial(state))
        return;
    engine::Engine& e = *state.engine;
    for (int i = 1; i <= state.enemyCount && i <= kMaxEnemies; ++i) {
        const SpriteSize size = enemySpriteSize(state.enemyKind[i]);
        const double angle = state.enemyLocked[i] ? state.enemyTargetAngle[i] : state.enemyAngle[i];
        e.drawRotated(e.texture(state.enemyFrameKey[i]), static_cast<float>(state.enemyX[i]),
                      static_cast<float>(state.enemyY[i]), size.width, size.height,
                      static_cast<float>(angle));
    }
}

} // namespace

SpriteSize enemySpriteSize(int kind) {
    switch (kind) {
    case 1:
        return {120, 80};
    case 2:
        return {100, 80};
    case 3:
        return {200, 150};
    case 4:
        return {200, 152};
    default:
        return {0, 0};
    }
}

bool enemiesHiddenByTutorial(const GameState& state) {
    return state.tutorialActive &&
           (state.tutorialStep <= 3 || state.tutorialPanelShown || state.tutorialPanelClosing);
}

void drawPlayField(GameState& state) {
    engine::Engine& e = *state.engine;
    const float dt = e.elapsedMs();
    e.drawTexture(e.texture("map" + std::to_string(state.mapNumber)), 0, 0, 1024, 768);
    triggerTutorialPanel(state);
    drawBackObjects(state, dt);
    drawFlyAndBubble(state);
    gameplay::healthBubbleSpawnStep(state);
    drawHealthBubble(state);
    drawPoppedHalves(state, dt);
    drawEnemies(state);
    drawFrontObjects(state, dt);
    drawSidePanel(state);
    drawDangerAlert(state, dt);
    drawPausePanel(state, dt);
    drawHudText(state);
    runEndOfLevelFade(state, dt);
    runQuitToMenuFade(state, dt);
}
