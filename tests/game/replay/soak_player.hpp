// A seeded random player for long runs: presses keys at random, with the choice weighted by the
// screen so every screen keeps being reached (menus are entered, levels flown towards their
// bubbles, the pause panel opened, names typed and confirmed). Now and then the window loses
// the focus for a moment.
#pragma once

#include <random>
#include <vector>

struct GameState;

class SoakPlayer {
  public:
    explicit SoakPlayer(unsigned seed) : rng_(seed) {}

    // Sets the keys for the coming frame.
    void press(GameState& state);

  private:
    void choose(const GameState& state);
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    void hold(std::vector<int> keys, int holdFrames, int gapFrames);
    void towardsBubble(const GameState& state);
    // In the "new game" submenu and its level panel: towards starting the mode in turn.
    bool steerMenu(const GameState& state);
    void wait(int frames) { hold({}, 0, frames); }

    std::mt19937 rng_;
    std::vector<int> held_;
    int holdLeft_ = 0; // frames the held keys stay down
    int gapLeft_ = 0;  // frames with every key up afterwards, so the release is seen
    int awayLeft_ = 0; // frames the window stays without the focus
    int nextMode_ = 1; // the game mode the menu is steered to next, in turn
};
