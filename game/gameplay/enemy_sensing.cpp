#include "game/gameplay/enemies.hpp"
#include "game/gameplay/map_mask.hpp"
#include "game/gameplay/play_math.hpp"
#include "game/state/game_state.hpp"
#include "game/state/play_clock.hpp"
#include "game/state/sound_player.hpp"

#include <algorithm>
#include <cmath>

namespace gameplay {
namespace {

constexpr const char* kFirstFrame[kEnemyKinds + 1] = {"", "wasp_m1", "gnat_m1", "dragonfly_m1",
                                                      "hornet_m1"};

bool between(float low, float value, float high) {
    return low < value && value < high;
}

// The fly's front corners (P1, P5) and rear corners (P6, P7) against the enemy's probes. The
// ranges are used as they stand, without ordering their bounds.
bool touchesFly(const GameState& s, int slot) {
    const auto& fly = s.headProbes;
    const auto& e = s.enemyProbes[slot];
    const bool xOverlap =
        between(fly[1].x, e[1].x, fly[5].x) || between(fly[1].x, e[3].x, fly[5].x) ||
        between(fly[6].x, e[4].x, fly[7].x) || between(fly[6].x, e[5].x, fly[7].x);
    const bool yOverlap =
        between(fly[1].y, e[1].y, fly[6].y) || between(fly[5].y, e[3].y, fly[7].y) ||
        between(fly[1].y, e[4].y, fly[6].y) || between(fly[5].y, e[5].y, fly[7].y);
    return xOverlap && yOverlap;
}

void bounce(GameState& s, int slot, double target, std::int16_t direction) {
    s.enemyTurning[slot] = true;
    s.enemyTurnDir[slot] = direction;
    s.enemyTargetAngle[slot] = target;
}

// Mirror turns off the borders of the play field (the side panel starts at x 860).
void bounceOffBorders(GameState& s, int slot) {
    const double a = s.enemyAngle[slot];
    const ProbePoint& e1 = s.enemyProbes[slot][1];
    const ProbePoint& e3 = s.enemyProbes[slot][3];
    if (a >= 180 && a < 270) {
        if (e1.y >= 768)
            bounce(s, slot, 3 * a - 360, 1);
        if (e3.x <= 0)
            bounce(s, slot, 3 * a - 540, 2);
    } else if (a >= 270 && a < 360) {
        if (e1.x <= 0)
            bounce(s, slot, 3 * a - 540, 1);
        if (e3.y <= 0)
            bounce(s, slot, 3 * a - 720, 2);
    } else if (a >= 0 && a < 90) {
        if (e1.y <= 0)
            bounce(s, slot, 3 * a, 1);
        if (e3.x >= 860)
            bounce(s, slot, 3 * a - 180, 2);
    } else if (a >= 90 && a < 180) {
        if (e1.x >= 860)
            bounce(s, slot, 3 * a - 180, 1);
        if (e3.y >= 768)
            bounce(s, slot, 3 * a - 540, 2);
    }
}

void bounceOffWalls(GameState& s, int slot, engine::TextureId mask) {
    for (int k = 1; k <= 5; ++k) {
        const ProbePoint& p = s.enemyProbes[slot][k];
        if (!(p.x > 0 && p.x < 1025 && p.y > 0 && p.y < 769))
            continue;
        if (!isWall(s, mask, p.x, p.y))
            continue;
        const double a = s.enemyAngle[slot];
        if (a >= 180)
            bounce(s, slot, a - 180, 2);
        else
            bounce(s, slot, a + 180, 1);
    }
}

// The border turns look at the drawn heading, but an enemy travels along its target heading;
// in the middle of a turn the two differ and the enemy can slip over a border unseen. Once
// its centre is outside the play field it heads back towards the middle.
void returnToField(GameState& s, int slot) {
    const double x = s.enemyX[slot];
    const double y = s.enemyY[slot];
    if (s.enemyFollowing[slot] || (x >= 0 && x <= 860 && y >= 0 && y <= 768))
        return;
    s.enemyTargetAngle[slot] = chaseDirection(430 - x, 384 - y);
    s.enemyTurning[slot] = true;
    chooseShorterTurn(s, slot, true);
}

std::int16_t chaseSoundCase(std::int16_t kind) {
    switch (kind) {
    case 2:
        return 7;
    case 3:
        return 12;
    default:
        return 6;
    }
}

} // namespace

void computeEnemyProbes(GameState& s, int slot, double quarterWidth, double frontOffset) {
    static constexpr double kU[6] = {0, -1, 0, 1, -1, 1};
    static constexpr double kV[6] = {0, -1, -1, -1, 1, 1};
    const double angle = s.enemyLocked[slot] ? s.enemyTargetAngle[slot] : s.enemyAngle[slot];
    const double a = toRadians(angle);
    const double c = std::cos(a);
    const double sn = std::sin(a);
    for (int k = 1; k <= 5; ++k) {
        const double u = kU[k] * quarterWidth;
        const double v = kV[k] * frontOffset;
        s.enemyProbes[slot][k] = {static_cast<float>(s.enemyX[slot] + u * c - v * sn),
                                  static_cast<float>(s.enemyY[slot] + u * sn + v * c)};
    }
}

void enemySensingStep(GameState& s) {
    if (!s.engine)
        return;
    const int count = std::clamp<int>(s.enemyCount, 0, kMaxEnemies);
    // Sprite sizes by kind, from the first animation frame.
    double quarterWidth[kEnemyKinds + 1] = {};
    double frontOffset[kEnemyKinds + 1] = {};
    for (int kind = 1; kind <= kEnemyKinds; ++kind) {
        const engine::Size size = s.engine->textureSize(s.engine->texture(kFirstFrame[kind]));
        quarterWidth[kind] = size.width / 4.0;
        frontOffset[kind] = size.height / 2.0 - 10.0;
    }

    // Contact: any enemy touching the fly drains, so one enemy's miss cannot cancel
    // another's touch.
    bool contact = false;
    for (int i = 1; i <= count; ++i) {
        const int kind = std::clamp<int>(s.enemyKind[i], 1, kEnemyKinds);
        computeEnemyProbes(s, i, quarterWidth[kind], frontOffset[kind]);
        if (touchesFly(s, i))
            contact = true;
    }
    if (contact) {
        if (!s.enemyDrain && !s.gravityDrain && !s.quitToMenu && !s.levelWon && !s.levelLost)
            PlaySoundCase(s, 5);
        s.enemyDrain = true;
    } else {
        if (s.enemyDrain && !s.gravityDrain)
            pauseChannel(s, s.buzzChannel);
        s.enemyDrain = false;
    }

    const engine::TextureId mask = maskTexture(s);
    const std::uint32_t now = playTick(s);
    for (int i = 1; i <= count; ++i) {
        s.enemyDX[i] = s.flyX - s.enemyX[i];
        s.enemyDY[i] = s.flyY - s.enemyY[i];
        s.enemyDistance[i] = std::hypot(s.enemyDX[i], s.enemyDY[i]);
        bounceOffBorders(s, i);
        bounceOffWalls(s, i, mask);
        returnToField(s, i);

        if (s.enemyDistance[i] < s.enemyReaction[i] && !s.enemySleeping[i] &&
            !s.enemyFollowing[i]) {
            if (!s.quitToMenu && !s.levelWon && !s.levelLost) {
                s.currentEnemySlot = static_cast<std::int16_t>(i);
                PlaySoundCase(s, chaseSoundCase(s.enemyKind[i]));
            }
            s.enemyFollowing[i] = true;
            s.enemyTurning[i] = true;
            s.enemyTimer[i] = now;
        }
        if (s.enemyFollowing[i]) {
            const double d = s.enemyDistance[i];
            ::setEnemyChannelVolume(s, i, d > 550.0 ? 0.0f : static_cast<float>(1.0 - d / 550.0));
        }
    }
}

} // namespace gameplay
