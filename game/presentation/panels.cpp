#include "game/presentation/panels.hpp"

#include "game/gameplay/bubble_placement.hpp"
#include "game/state/game_state.hpp"
#include "game/state/sound_player.hpp"

#include <cmath>
#include <cstdint>

namespace {

void showTutorialPanel(GameState& state) {
    state.paused = true;
    state.panelAlpha = 1.0;
    state.tutorialPanelShown = true;
    state.tutorialPanelClosing = true;
    PlaySoundCase(state, 11);
}

void drawPanelTexture(GameState& state, const std::string& key, float alpha) {
    engine::Engine& e = *state.engine;
    const float half = state.pausePanelWidth / 2.0f;
    e.drawTexture(e.texture(key), 512 - half, 284, 512 + half, 484,
                  engine::Corners::all(engine::makeColor(1, 1, 1, alpha)));
}

void drawPauseChoice(GameState& state, float alpha) {
    engine::Engine& e = *state.engine;
    const std::string key =
        "game_pause_s" + std::to_string(state.pauseSelection) + "_" + state.language;
    e.drawTexture(e.texture(key), 364, 294, 660, 474,
                  engine::Corners::all(engine::makeColor(1, 1, 1, alpha)));
}

std::string tutorialPanelKey(const GameState& state, int number) {
    return "tutorialpanel_" + state.language + "_" + std::to_string(number);
}

} // namespace

void silenceDrainSounds(GameState& state, bool endChases) {
    if (!state.soundOn)
        return;
    if (state.gravityDrain || state.enemyDrain) {
        if (endChases) {
            state.gravityDrain = false;
            state.enemyDrain = false;
        }
        pauseChannel(state, state.buzzChannel);
    }
    for (int i = 1; i <= state.enemyCount && i <= kMaxEnemies; ++i) {
        if (!state.enemyFollowing[i])
            continue;
        if (endChases)
            state.enemyFollowing[i] = false;
        pauseEnemyChannel(state, i);
        removeEchoUnit(state);
    }
}

void triggerTutorialPanel(GameState& state) {
    if (!state.tutorialActive || state.tutorialPanelShown)
        return;
    const std::int64_t waited = static_cast<std::int64_t>(state.engine->tick()) -
                                state.tutorialStepStart - state.pausedTime;
    if (waited <= static_cast<std::int64_t>(state.tutorialDelay))
        return;
    switch (state.tutorialStep) {
    case 0:
    case 4:
        showTutorialPanel(state);
        break;
    case 1:
        if (state.arrowsPressed[1] && state.arrowsPressed[2] && state.arrowsPressed[3] &&
            state.arrowsPressed[4])
            showTutorialPanel(state);
        break;
    case 2:
        showTutorialPanel(state);
        placeBubble(state);
        break;
    case 3:
        if (state.tutorialBubbles > 2)
            showTutorialPanel(state);
        break;
    default:
        break;
    }
}

void drawPausePanel(GameState& state, float dt) {
    if (state.paused) {
        const std::uint32_t now = state.engine->tick();
        if (!state.tutorialPanelShown)
            state.pausedTime = now - state.pauseStart;
        // A pause ends every chase and buzz under way.
        silenceDrainSounds(state, true);
        if (state.pausePanelWidth <= 319) {
            const double grown = std::nearbyint(state.pausePanelWidth + 0.5 * dt);
            state.pausePanelWidth = grown > 319 ? 320 : static_cast<std::int16_t>(grown);
        } else if (state.selectionAlpha < 1.0) {
            state.selectionAlpha = std::fmin(state.selectionAlpha + 0.006 * dt, 1.0);
        }
        if (state.tutorialPanelShown) {
            drawPanelTexture(state, tutorialPanelKey(state, state.tutorialStep + 1), 1);
        } else {
            drawPanelTexture(state, "game_pausepanel", 1);
            drawPauseChoice(state, static_cast<float>(state.selectionAlpha));
        }
    } else if (state.panelAlpha > 0.0) {
        state.panelAlpha = std::fmax(state.panelAlpha - 0.004 * dt, 0.0);
        state.selectionAlpha = std::fmax(state.selectionAlpha - 0.004 * dt, 0.0);
        if (state.tutorialPanelClosing) {
            // The step has already moved on, unless the player left the tutorial.
            const int number = state.tutorialLeft ? state.tutorialStep + 1 : state.tutorialStep;
            drawPanelTexture(state, tutorialPanelKey(state, number),
                             static_cast<float>(state.panelAlpha));
        } else {
            drawPanelTexture(state, "game_pausepanel", static_cast<float>(state.panelAlpha));
            drawPauseChoice(state, static_cast<float>(state.selectionAlpha));
        }
    } else {
        state.tutorialPanelClosing = false;
        state.tutorialLeft = false;
    }
}

void drawDangerAlert(GameState& state, float dt) {
    if (!state.alertEnabled || !state.alertActive)
        return;
    if (!state.paused) {
        if (state.alertPhase == 1) {
            state.alertAlpha += 0.001 * dt;
            if (state.alertAlpha >= 0.5)
                state.alertPhase = 2;
        } else {
            state.alertAlpha -= 0.001 * dt;
            if (state.alertAlpha <= 0.0) {
                state.alertAlpha = 0.0;
                state.alertPhase = 1;
            }
        }
    }
    engine::Engine& e = *state.engine;
    e.drawTexture(
        e.texture("game_alert"), 416, 0, 608, 768,
        engine::Corners::all(engine::makeColor(1, 1, 1, static_cast<float>(state.alertAlpha))));
}
