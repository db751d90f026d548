// The clock of the play steps. Everything in play moves by elapsed time times a speed, and
// walls, borders and bounces are tested once per step, so one long frame (a stalled disk, a
// resume from suspend) would carry the fly or an insect through a wall or off the map. Such a
// frame is played in pieces no longer than a normal frame, each with its own elapsed time and
// tick, as if frames had come at the normal pace. Past a ceiling the game slows down instead.
#pragma once

#include "game/state/game_state.hpp"

#include <cstdint>
#include <vector>

// Longest piece. Frames of 60 Hz and 50 Hz displays, jitter included, are one piece; at the
// fly's fastest (key and pull together, 0.75 px/ms) a piece moves it at most 15 px, less than
// the thinnest wall.
inline constexpr double kPlayPieceMs = 20.0;
// Most game time one frame stands for; a longer frame plays as this long.
inline constexpr double kPlayFrameCeilingMs = 250.0;

// The pieces of a frame `elapsedMs` long whose clock reads `tick` at its end, in order. A frame
// no longer than one piece (or whose length is no positive number) is one piece of exactly its
// own length and tick, so it plays as it always did.
std::vector<PlayPiece> playPieces(float elapsedMs, std::uint32_t tick);

// The elapsed milliseconds and the tick a play step uses: those of the piece being played, else
// the engine's (0 without an engine).
double playElapsedMs(const GameState& state);
std::uint32_t playTick(const GameState& state);
