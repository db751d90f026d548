#include "game/gameplay/enemies.hpp"
#include "game/gameplay/play_math.hpp"
#include "game/gameplay/random_draws.hpp"
#include "game/state/game_state.hpp"
#include "game/state/play_clock.hpp"
#include "game/state/sound_player.hpp"

#include <algorithm>
#include <cmath>
#include <string>

namespace gameplay {
namespace {

constexpr const char* kFramePrefix[kEnemyKinds + 1] = {"", "wasp_m", "gnat_m", "dragonfly_m",
                                                       "hornet_m"};

void animate(GameState& s, int count) {
    for (int i = 1; i <= count; ++i) {
        const int kind = std::clamp<int>(s.enemyKind[i], 1, kEnemyKinds);
        const std::int16_t frames = s.kindFrames[kind];
        if (s.enemyFrameStep[i] == 1) {
            ++s.enemyFrame[i];
            if (s.enemyFrame[i] >= frames) {
                s.enemyFrame[i] = static_cast<std::int16_t>(frames + 1);
                s.enemyFrameStep[i] = 2;
            }
        }
        if (s.enemyFrameStep[i] == 2) {
            --s.enemyFrame[i];
            if (s.enemyFrame[i] <= 0) {
                s.enemyFrame[i] = 2;
                s.enemyFrameStep[i] = 1;
            }
        }
        s.enemyFrameKey[i] = kFramePrefix[kind] + std::to_string(s.enemyFrame[i]);
    }
}

void wander(GameState& s, int count) {
    for (int i = 1; i <= count; ++i) {
        if (s.enemyTurning[i])
            continue;
        reseedFromClock(s);
        const int r = static_cast<int>(randomFraction(s) * 400.0);
        // One roll in ten keeps the course for another 8 s.
        if (r >= 360)
            continue;
        s.enemyTargetAngle[i] = r;
        s.enemyTurning[i] = true;
        chooseShorterTurn(s, i, true);
    }
}

void endChase(GameState& s, int i, std::uint32_t now) {
    if (s.soundOn) {
        ::pauseEnemyChannel(s, i);
        removeEchoUnit(s);
    }
    s.enemyFollowing[i] = false;
    s.enemyLocked[i] = false;
    s.enemyAngle[i] = s.enemyTargetAngle[i];
    s.enemySleeping[i] = true;
    s.enemyTimer[i] = now;
}

void steerChase(GameState& s, int i, std::uint32_t now) {
    s.enemyDX[i] = s.flyX - s.enemyX[i];
    s.enemyDY[i] = s.flyY - s.enemyY[i];
    s.enemyDistance[i] = std::hypot(s.enemyDX[i], s.enemyDY[i]);
    if (intervalPassed(now, static_cast<std::int64_t>(s.enemyFollowTime[i]), s.enemyTimer[i]))
        endChase(s, i, now);
    s.enemyTargetAngle[i] = chaseDirection(s.enemyDX[i], s.enemyDY[i]);
    chooseShorterTurn(s, i, !s.enemyLocked[i]);
}

void turn(GameState& s, int i, double elapsed) {
    double rate = 0.1;
    if (s.enemyFollowing[i])
        rate = s.enemyLocked[i] ? 0.0 : 0.5;
    double& angle = s.enemyAngle[i];
    const double target = s.enemyTargetAngle[i];
    bool arrived = false;
    if (s.enemyTurnDir[i] == 1) {
        angle += elapsed * rate;
        arrived = angle >= target;
    } else if (s.enemyTurnDir[i] == 2) {
        angle -= elapsed * rate;
        arrived = angle <= target;
    }
    if (!arrived)
        return;
    angle = target;
    s.enemyTurning[i] = false;
    if (s.enemyFollowing[i])
        s.enemyLocked[i] = true;
}

} // namespace

double chaseDirection(double dx, double dy) {
    if (dy == 0.0)
        return dx >= 0.0 ? 90.0 : 270.0;
    if (dx == 0.0)
        return dy > 0.0 ? 180.0 : 0.0;
    const double ax = std::fabs(dx);
    const double ay = std::fabs(dy);
    if (dx > 0.0)
        return dy > 0.0 ? 180.0 - toDegrees(std::atan(ax / ay))
                        : 90.0 - toDegrees(std::atan(ay / ax));
    return dy > 0.0 ? 180.0 + toDegrees(std::atan(ax / ay)) : 270.0 + toDegrees(std::atan(ay / ax));
}

void chooseShorterTurn(GameState& s, int i, bool adjustTarget) {
    const double a = s.enemyAngle[i];
    double& t = s.enemyTargetAngle[i];
    if (a > t) {
        if (a - t < t + (360.0 - a)) {
            s.enemyTurnDir[i] = 2;
        } else {
            s.enemyTurnDir[i] = 1;
            if (adjustTarget)
                t += 360.0;
        }
    } else {
        if (t - a < a + (360.0 - t)) {
            s.enemyTurnDir[i] = 1;
        } else {
            s.enemyTurnDir[i] = 2;
            if (adjustTarget)
                t -= 360.0;
        }
    }
}

void enemyMotionStep(GameState& s) {
    if (!s.engine)
        return;
    const int count = std::clamp<int>(s.enemyCount, 0, kMaxEnemies);
    const std::uint32_t now = playTick(s);
    const double elapsed = playElapsedMs(s);

    if (intervalPassed(now, 10, s.enemyAnimTick)) {
        s.enemyAnimTick = now;
        animate(s, count);
    }
    if (intervalPassed(now, 8000, s.enemyWanderTick)) {
        s.enemyWanderTick = now;
        wander(s, count);
    }
    for (int i = 1; i <= count; ++i) {
        if (s.enemySleeping[i] &&
            intervalPassed(now, static_cast<std::int64_t>(s.enemySleepTime[i]), s.enemyTimer[i]))
            s.enemySleeping[i] = false;
        if (s.enemyFollowing[i])
            steerChase(s, i, now);

        const double t = toRadians(s.enemyTargetAngle[i]);
        const double v = s.enemyFollowing[i] ? s.enemyFollowSpeed[i] : s.enemySpeed[i];
        s.enemyX[i] += elapsed * v * std::sin(t);
        s.enemyY[i] -= elapsed * v * std::cos(t);

        if (s.enemyTurning[i])
            turn(s, i, elapsed);
        if (!s.enemyTurning[i] && !s.enemyFollowing[i] && !s.enemyLocked[i]) {
            if (s.enemyAngle[i] > 360.0)
                s.enemyAngle[i] -= 360.0;
            if (s.enemyAngle[i] < 0.0)
                s.enemyAngle[i] += 360.0;
        }
    }
}

} // namespace gameplay
