#include "game/gameplay/gravity.hpp"

#include "game/gameplay/map_mask.hpp"
#include "game/gameplay/play_math.hpp"
#include "game/state/game_state.hpp"
#include "game/state/play_clock.hpp"
#include "game/state/sound_player.hpp"

#include <cmath>

namespace gameplay {
namespace {

constexpr double kDangerRadius = 70.0;

double signTowards(double difference) {
    if (difference < 0)
        return 1.0;
    if (difference > 0)
        return -1.0;
    return 0.0;
}

} // namespace

double gravityDirection(double dx, double dy) {
    if (dy == 0.0)
        return dx > 0.0 ? 270.0 : 90.0;
    const double a = std::fabs(toDegrees(std::atan(dx / dy)));
    if (dx > 0.0)
        return dy < 0.0 ? 180.0 + a : 360.0 - a;
    return dy < 0.0 ? 180.0 - a : a;
}

void gravityStep(GameState& s) {
    if (!s.engine)
        return;
    const double elapsed = playElapsedMs(s);
    s.gravityDX = s.flyX - s.gravityX;
    s.gravityDY = s.flyY - s.gravityY;
    s.gravityDistance = std::hypot(s.gravityDX, s.gravityDY);

    if (s.gravityDistance <= kDangerRadius) {
        s.alertActive = true;
        if (!s.gravityDrain && !s.enemyDrain && !s.quitToMenu)
            PlaySoundCase(s, 5);
        s.gravityDrain = true;
    } else {
        if (s.gravityDrain)
            pauseChannel(s, s.buzzChannel);
        s.alertActive = false;
        s.gravityDrain = false;
    }

    // 0.3 px/ms at the point, 0 at 1000 px, negative beyond.
    s.gravityPull = 0.3 - s.gravityDistance / (700.0 / 0.21);
    s.gravityAngle = gravityDirection(s.gravityDX, s.gravityDY);

    // The pull probes were turned by the previous frame's direction.
    s.pullBlocked = false;
    const engine::TextureId mask = maskTexture(s);
    for (int i = 1; i <= 5; ++i) {
        const ProbePoint& p = s.pullProbes[i];
        if (p.x > 0 && p.y > 0 && isWall(s, mask, p.x, p.y))
            s.pullBlocked = true;
    }
    if (s.pullBlocked)
        return;

    const double dx = s.gravityDX;
    const double dy = s.gravityDY;
    const double step = elapsed * s.gravityPull;
    if (std::fabs(dx) >= std::fabs(dy)) {
        // dx is 0 here only on the point itself, where no direction applies.
        if (dx == 0.0)
            return;
        s.flyX += signTowards(dx) * step;
        s.flyY += signTowards(dy) * std::fabs(step * dy / dx);
    } else {
        s.flyY += signTowards(dy) * step;
        s.flyX += signTowards(dx) * std::fabs(step * dx / dy);
    }
}

} // namespace gameplay
