#include "soak_player.hpp"

#include "game/state/game_state.hpp"

#include <cmath>

namespace k = engine::key;

namespace {

constexpr int kArrows[] = {k::Up, k::Down, k::Left, k::Right};

} // namespace

void SoakPlayer::hold(std::vector<int> keys, int holdFrames, int gapFrames) {
    held_ = std::move(keys);
    holdLeft_ = holdFrames;
    gapLeft_ = gapFrames;
}

void SoakPlayer::towardsBubble(const GameState& state) {
    std::vector<int> keys;
    const double dx = state.bubbleX - state.flyX;
    const double dy = state.bubbleY - state.flyY;
    if (std::fabs(dx) > 8)
        keys.push_back(dx > 0 ? k::Right : k::Left);
    if (std::fabs(dy) > 8)
        keys.push_back(dy > 0 ? k::Down : k::Up);
    hold(keys, between(5, 30), between(0, 3));
}

bool SoakPlayer::steerMenu(const GameState& state) {
    if (state.menuItem != 1 || !state.submenuOpen || !chance(0.7))
        return false;
    int key = k::Enter;
    if (state.levelSelectOpen) {
        if (state.levelSelectRow != 3)
            key = state.levelSelectRow < 3 ? k::Down : k::Up;
    } else if (state.subItem != nextMode_) {
        key = state.subItem < nextMode_ ? k::Down : k::Up;
    }
    if (key == k::Enter && (state.levelSelectOpen || nextMode_ == 1))
        nextMode_ = nextMode_ % 3 + 1; // a game starts: the next visit aims at the next mode
    hold({key}, 2, between(3, 25));
    return true;
}

void SoakPlayer::choose(const GameState& state) {
    const int s = state.screenState;
    const auto anyArrow = [&] { return kArrows[between(0, 3)]; };
    if (s < 50) {
        if (chance(0.3))
            hold({chance(0.5) ? k::Enter : (chance(0.5) ? k::Space : k::Escape)}, 2, 3);
        else
            wait(between(20, 120));
    } else if (s < 100) {
        // Enter often enough to go down into the submenus and start games.
        if (!steerMenu(state))
            hold({chance(0.35) ? k::Enter : anyArrow()}, between(1, 3), between(2, 25));
    } else if (s < 200) {
        if (chance(0.5))
            hold({chance(0.5) ? k::Space : k::Enter}, 2, 3);
        else
            wait(between(10, 60));
    } else if (s < 300) {
        if (state.paused) {
            const int roll = between(0, 9);
            const int key = roll < 3 ? k::Enter : roll < 4 ? k::Escape : roll < 7 ? k::Up : k::Down;
            hold({key}, 2, between(3, 20));
        } else if (chance(0.01)) {
            hold({k::Escape}, 2, 3);
        } else if (state.bubbleVisible && chance(0.8)) {
            towardsBubble(state);
        } else {
            std::vector<int> keys{anyArrow()};
            if (chance(0.3))
                keys.push_back(anyArrow());
            hold(keys, between(5, 80), between(0, 10));
        }
    } else if (s < 500) {
        const int roll = between(0, 9);
        hold({roll < 4 ? k::Enter : roll < 7 ? k::Up : k::Down}, 2, between(3, 30));
    } else {
        // Name entry: type, and drift right and down towards the confirming key (81), which is
        // then mostly pressed, so runs get back to the menu and on to the other modes.
        const int roll = between(0, 9);
        const int key = state.selectedKey == 81 ? (roll < 7 ? k::Enter : k::Left)
                        : roll < 4              ? k::Enter
                        : roll < 7              ? k::Right
                        : roll < 9              ? k::Down
                                                : (chance(0.5) ? k::Left : k::Up);
        hold({key}, 2, between(3, 10));
    }
}

void SoakPlayer::press(GameState& state) {
    engine::Engine& e = *state.engine;
    if (awayLeft_ > 0 && --awayLeft_ == 0)
        e.setFocus(true);
    if (holdLeft_ == 0 && gapLeft_ == 0) {
        choose(state);
        if (awayLeft_ == 0 && chance(0.003)) {
            e.setFocus(false);
            awayLeft_ = between(2, 60);
        }
    }
    const bool down = holdLeft_ > 0;
    for (int key : {k::Up, k::Down, k::Left, k::Right, k::Enter, k::Space, k::Escape})
        e.setKey(key, false);
    if (down)
        for (int key : held_)
            e.setKey(key, true);
    if (holdLeft_ > 0)
        --holdLeft_;
    else if (gapLeft_ > 0)
        --gapLeft_;
}
