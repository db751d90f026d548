#include "game/presentation/level_objects.hpp"

#include "game/state/game_state.hpp"

#include <cmath>

namespace {

constexpr double kPi = 3.141592654;

void drawSky(GameState& state, float dt) {
    if (!state.paused) {
        state.celestialAngle += 0.0002 * dt;
        if (state.celestialAngle >= 105.0)
            state.celestialAngle = 78.0;
    }
    const double a = state.celestialAngle * kPi / 180.0;
    const float x = static_cast<float>(512.0 - 3000.0 * std::cos(a));
    const float y = static_cast<float>(3100.0 - 3000.0 * std::sin(a));
    engine::Engine& e = *state.engine;
    if (state.mapNumber == 1)
        e.drawRotated(e.texture("levelobject_moon"), x, y, 144, 144, 0);
    else
        e.drawRotated(e.texture("levelobject_sun"), x, y, 156, 156, 0);
}

void drawFactory(GameState& state, float dt) {
    if (!state.paused) {
        state.conveyorUpperOffset += 0.05 * dt;
        state.conveyorLowerOffset -= 0.05 * dt;
        if (state.conveyorUpperOffset >= 0.0) {
            state.conveyorUpperOffset = -1024.0;
            state.conveyorLowerOffset = 0.0;
        }
        state.wheelAngle += 0.2 * dt;
        if (state.wheelAngle >= 360.0)
            state.wheelAngle -= 360.0;
        for (int i = 1; i <= 17; ++i) {
            state.bottleX[i] += 0.05 * dt;
            if (state.bottleX[i] >= 1024.0)
                state.bottleX[i] = -60.0;
        }
    }
    engine::Engine& e = *state.engine;
    const auto upper = static_cast<float>(state.conveyorUpperOffset);
    const auto lower = static_cast<float>(state.conveyorLowerOffset);
    e.drawTexture(e.texture("levelobject_conveyer_u"), upper, 303, upper + 2048, 327);
    e.drawTexture(e.texture("levelobject_conveyer_d"), lower, 327, lower + 2048, 351);
    const engine::TextureId wheel = e.texture("levelobject_wheel");
    for (int i = 1; i <= 16; ++i)
        e.drawRotated(wheel, static_cast<float>(state.wheelX[i]), 327, 36, 32,
                      static_cast<float>(state.wheelAngle));
    const engine::TextureId bottle = e.texture("levelobject_bottle");
    for (int i = 1; i <= 17; ++i) {
        const auto x = static_cast<float>(state.bottleX[i]);
        e.drawTexture(bottle, x, 199, x + 44, 303);
    }
}

} // namespace

bool lightIsOn(double timer) {
    return timer < 5000 || (timer >= 5100 && timer < 5600) || (timer >= 5700 && timer < 7200) ||
           (timer >= 7300 && timer < 7800);
}

void drawBackObjects(GameState& state, float dt) {
    if (state.mapNumber == 1 || state.mapNumber == 8)
        drawSky(state, dt);
    if (state.mapNumber == 7)
        drawFactory(state, dt);
}

void drawFrontObjects(GameState& state, float dt) {
    engine::Engine& e = *state.engine;
    if (state.mapNumber == 2)
        e.drawTexture(e.texture("levelobject_tree"), 0, 432, 508, 768);
    if (state.mapNumber == 6) {
        state.lightTimer += dt;
        if (lightIsOn(state.lightTimer))
            e.drawTexture(e.texture("levelobject_light"), 428, 168, 972, 768);
        if (state.lightTimer >= 7900.0)
            state.lightTimer = 0.0;
    }
}
