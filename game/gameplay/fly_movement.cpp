#include "game/gameplay/fly_movement.hpp"

#include "game/gameplay/play_math.hpp"
#include "game/state/game_state.hpp"
#include "game/state/play_clock.hpp"

#include <algorithm>
#include <string>

namespace gameplay {
namespace {

constexpr double kGlideStart = 0.45;
constexpr double kGlideSlowdown = 0.002; // per ms

enum class Move { Add, Subtract };

// A window of angles that turns the fly one way until it reaches the window's limit. The
// limit test is "> over" when adding and "<= atOrBelow" / "< below" when subtracting, as each
// direction's table sets it.
struct Window {
    double low;
    bool lowClosed;
    double high;
    bool highClosed;
    Move move;
    double limit;     // angle compared after the step
    bool limitStrict; // adding: angle > limit; subtracting: angle < limit (else <=)
    double target;
};

struct DirectionWindows {
    std::string_view direction;
    Window windows[3];
    int count;
};

bool contains(const Window& w, double a) {
    const bool aboveLow = w.lowClosed ? a >= w.low : a > w.low;
    const bool belowHigh = w.highClosed ? a <= w.high : a < w.high;
    return aboveLow && belowHigh;
}

constexpr Window add(double lo, bool loC, double hi, bool hiC, double over, double target) {
    return {lo, loC, hi, hiC, Move::Add, over, true, target};
}
constexpr Window subBelow(double lo, bool loC, double hi, bool hiC, double below, double target) {
    return {lo, loC, hi, hiC, Move::Subtract, below, true, target};
}
constexpr Window subAtOrBelow(double lo, bool loC, double hi, bool hiC, double limit,
                              double target) {
    return {lo, loC, hi, hiC, Move::Subtract, limit, false, target};
}

constexpr bool kOpen = false;
constexpr bool kClosed = true;

// The windows of each direction, checked in order. R and L have a window made of two ranges;
// it appears twice with the same move and limit.
const DirectionWindows kTurnTable[] = {
    {"R",
     {add(269, kOpen, 450, kOpen, 449, 450), add(-90, kClosed, 90, kOpen, 449, 450),
      subAtOrBelow(90, kOpen, 270, kOpen, 90, 90)},
     3},
    {"RU",
     {add(-134, kClosed, 45, kClosed, 44, 45), add(225, kOpen, 405, kClosed, 404, 405),
      subAtOrBelow(45, kOpen, 225, kClosed, 45, 45)},
     3},
    {"RD",
     {add(-44, kClosed, 135, kClosed, 134, 135), add(314, kOpen, 495, kClosed, 494, 495),
      subAtOrBelow(135, kOpen, 315, kOpen, 135, 135)},
     3},
    {"L",
     {subBelow(270, kOpen, 451, kOpen, -89, -90), subBelow(-89, kClosed, 90, kClosed, -89, -90),
      add(90, kOpen, 270, kOpen, 269, 270)},
     3},
    {"LU",
     {subAtOrBelow(314, kOpen, 495, kClosed, 315, 315),
      subBelow(-45, kClosed, 135, kClosed, -44, -45), add(135, kOpen, 315, kOpen, 314, 315)},
     3},
    {"LD",
     {subAtOrBelow(224, kOpen, 405, kClosed, 225, 225),
      subBelow(-135, kClosed, 45, kClosed, -134, -135), add(45, kOpen, 225, kOpen, 224, 225)},
     3},
    {"U", {subBelow(0, kClosed, 180, kClosed, 1, 0), add(180, kOpen, 360, kOpen, 359, 0)}, 2},
    {"D",
     {add(0, kClosed, 180, kClosed, 179, 180), subAtOrBelow(180, kOpen, 360, kOpen, 180, 180)},
     2},
};

// Whole degrees to turn this frame. Frames too short to make a whole degree add up until they
// do, so the fly still turns at very high frame rates.
int turnStep(GameState& s, double elapsed) {
    const double raw = elapsed * s.turnRate;
    const int step = static_cast<int>(roundHalfEven(raw));
    if (step != 0 || raw <= 0.0) {
        s.turnCarry = 0.0;
        return step;
    }
    s.turnCarry += raw;
    if (s.turnCarry < 1.0)
        return 0;
    s.turnCarry -= 1.0;
    return 1;
}

void animateWings(GameState& s, double elapsed) {
    s.flyFrameClock = static_cast<std::int32_t>(roundHalfEven(s.flyFrameClock + elapsed));
    if (s.flyFrameStep == 1 && s.flyFrameClock > 30) {
        s.flyFrameClock = 0;
        if (++s.flyFrame == 5) {
            s.flyFrame = 4;
            s.flyFrameStep = 2;
        }
    }
    if (s.flyFrameStep == 2 && s.flyFrameClock > 30) {
        s.flyFrameClock = 0;
        if (--s.flyFrame == 0) {
            s.flyFrame = 2;
            s.flyFrameStep = 1;
        }
    }
    s.flyFrameKey = "fly_m" + std::to_string(s.flyFrame);
}

std::string_view sideTurn(const char* alone, const char* withUp, const char* withDown, bool up,
                          bool down) {
    if (!up && !down)
        return alone;
    if (up && !down)
        return withUp;
    if (down && !up)
        return withDown;
    return {};
}

void moveHeld(GameState& s, double elapsed, int step) {
    const auto& held = s.heldKeys;
    const double distance = elapsed * s.flySpeed;
    if (held.right) {
        if (!s.flyBlocked)
            s.flyX += distance;
        const auto dir = sideTurn("R", "RU", "RD", held.up, held.down);
        if (!dir.empty())
            turnFly(s, dir, step);
    }
    if (held.left) {
        if (!s.flyBlocked)
            s.flyX -= distance;
        const auto dir = sideTurn("L", "LU", "LD", held.up, held.down);
        if (!dir.empty())
            turnFly(s, dir, step);
    }
    if (held.up) {
        if (!s.flyBlocked)
            s.flyY -= distance;
        if (!held.left && !held.right)
            turnFly(s, "U", step);
    }
    if (held.down) {
        if (!s.flyBlocked)
            s.flyY += distance;
        if (!held.left && !held.right)
            turnFly(s, "D", step);
    }
}

// One glide entry: move, turn by the last direction, slow down; the tag clears once the
// speed is used up.
void glide(GameState& s, std::string& tag, double& speed, double dx, double dy, bool turns,
           double elapsed, int step) {
    if (!s.flyBlocked) {
        // A glide that overshoots zero in its last frame must not drift backwards.
        const double distance = elapsed * std::max(speed, 0.0);
        s.flyX += dx * distance;
        s.flyY += dy * distance;
    }
    if (turns)
        turnFly(s, s.lastDirection, step);
    if (speed > 0.0)
        speed -= elapsed * kGlideSlowdown;
    else
        tag.clear();
}

void moveGliding(GameState& s, double elapsed, int step) {
    auto& held = s.heldKeys;
    auto& tag = s.glideTag;
    auto& speed = s.glideSpeed;
    const std::string& last = s.lastDirection;
    if (!tag.right.empty() && !held.right) {
        const bool turns = (last == "R" || last == "RU" || last == "RD") && !held.up && !held.down;
        glide(s, tag.right, speed.right, 1, 0, turns, elapsed, step);
    }
    if (!tag.left.empty() && !held.left) {
        const bool turns = last == "L" || last == "LU" || last == "LD";
        glide(s, tag.left, speed.left, -1, 0, turns, elapsed, step);
    }
    if (!tag.up.empty() && !held.up)
        glide(s, tag.up, speed.up, 0, -1, last == "U", elapsed, step);
    if (!tag.down.empty() && !held.down)
        glide(s, tag.down, speed.down, 0, 1, last == "D", elapsed, step);
}

bool isAnyOf(int angle, std::initializer_list<int> values) {
    return std::find(values.begin(), values.end(), angle) != values.end();
}

void readArrows(GameState& s, double elapsed) {
    const engine::Engine& e = *s.engine;
    const bool right = e.keyDown(engine::key::Right);
    const bool left = e.keyDown(engine::key::Left);
    const bool up = e.keyDown(engine::key::Up);
    const bool down = e.keyDown(engine::key::Down);
    auto& held = s.heldKeys;

    if ((up && right) || (up && left))
        s.lastDirection.clear();

    // A single arrow takes over the direction at once, or 0.1 s after a diagonal was let go,
    // so releasing a diagonal pair not quite together keeps the diagonal.
    auto single = [&](bool alone, const char* tag) {
        if (!alone)
            return;
        s.directionTimer += elapsed * 0.001;
        if (!s.diagonalHeld || s.directionTimer > 0.1)
            s.lastDirection = tag;
    };
    single(right && !up && !down, "R");
    single(left && !up && !down, "L");
    single(up && !left && !right, "U");
    single(down && !left && !right, "D");

    if ((held.right || held.left) && (held.up || held.down)) {
        s.diagonalHeld = true;
        s.directionTimer = 0.0;
    }
    if (!held.right && !held.left && !held.up && !held.down)
        s.diagonalHeld = false;

    const int angle = s.flyAngle;
    if (right && !left) {
        held.right = true;
        s.glideTag.right = "R";
        s.glideSpeed.right = kGlideStart;
        if (!up && !down && !isAnyOf(angle, {90, 450}))
            s.angleSettled = false;
        if (up && !down) {
            if (!isAnyOf(angle, {45, 405}))
                s.angleSettled = false;
            s.lastDirection = "RU";
        }
        if (down && !up) {
            if (!isAnyOf(angle, {135, 495, -225}))
                s.angleSettled = false;
            s.lastDirection = "RD";
        }
    }
    if (left && !right) {
        held.left = true;
        s.glideTag.left = "L";
        s.glideSpeed.left = kGlideStart;
        if (!up && !down && !isAnyOf(angle, {270, -90}))
            s.angleSettled = false;
        if (up && !down) {
            if (!isAnyOf(angle, {-45, 315}))
                s.angleSettled = false;
            s.lastDirection = "LU";
        }
        if (down && !up) {
            if (!isAnyOf(angle, {225, 585, -135}))
                s.angleSettled = false;
            s.lastDirection = "LD";
        }
    }
    if (up && !down) {
        held.up = true;
        s.glideTag.up = "U";
        s.glideSpeed.up = kGlideStart;
        if (!left && !right && !isAnyOf(angle, {0, 360}))
            s.angleSettled = false;
    }
    if (down && !up) {
        held.down = true;
        s.glideTag.down = "D";
        s.glideSpeed.down = kGlideStart;
        if (!left && !right && angle != 180)
            s.angleSettled = false;
    }
    if (!right)
        held.right = false;
    if (!left)
        held.left = false;
    if (!up)
        held.up = false;
    if (!down)
        held.down = false;
}

} // namespace

void turnFly(GameState& s, std::string_view direction, int step) {
    if (s.angleSettled)
        return;
    const DirectionWindows* row = nullptr;
    for (const DirectionWindows& candidate : kTurnTable)
        if (candidate.direction == direction)
            row = &candidate;
    if (!row)
        return;
    for (int i = 0; i < row->count; ++i) {
        const Window& w = row->windows[i];
        int angle = s.flyAngle; // re-read: an earlier window may have moved it
        if (!contains(w, angle))
            continue;
        bool arrived = false;
        if (w.move == Move::Add) {
            angle += step;
            arrived = angle > w.limit;
        } else {
            angle -= step;
            arrived = w.limitStrict ? angle < w.limit : angle <= w.limit;
        }
        if (arrived) {
            angle = static_cast<int>(w.target);
            s.angleSettled = true;
        }
        s.flyAngle = static_cast<std::int16_t>(angle);
    }
}

} // namespace gameplay

void MoveFly(GameState& s) {
    using namespace gameplay;
    if (!s.engine)
        return;
    const double elapsed = playElapsedMs(s);
    animateWings(s, elapsed);
    const int step = turnStep(s, elapsed);
    moveHeld(s, elapsed, step);
    moveGliding(s, elapsed, step);
    if (s.angleSettled) {
        if (s.flyAngle > 360)
            s.flyAngle -= 360;
        if (s.flyAngle < 0)
            s.flyAngle += 360;
    }
    readArrows(s, elapsed);
}
