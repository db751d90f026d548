#include "game/state/play_clock.hpp"

#include <algorithm>
#include <cmath>

std::vector<PlayPiece> playPieces(float elapsedMs, std::uint32_t tick) {
    const double elapsed = elapsedMs;
    if (!(elapsed > kPlayPieceMs))
        return {{elapsed, tick}};
    const double played = std::min(elapsed, kPlayFrameCeilingMs);
    const int count = static_cast<int>(std::ceil(played / kPlayPieceMs));
    std::vector<PlayPiece> pieces;
    pieces.reserve(static_cast<std::size_t>(count));
    for (int k = 1; k <= count; ++k) {
        // The earlier pieces end before the frame's tick; near start-up the tick stays at 0
        // rather than wrapping round.
        const double before = std::round(played * (count - k) / count);
        const std::uint32_t back = static_cast<std::uint32_t>(std::min(before, double(tick)));
        pieces.push_back({played / count, tick - back});
    }
    return pieces;
}

double playElapsedMs(const GameState& state) {
    if (state.playPiece)
        return state.playPiece->elapsedMs;
    return state.engine ? state.engine->elapsedMs() : 0.0;
}

std::uint32_t playTick(const GameState& state) {
    if (state.playPiece)
        return state.playPiece->tick;
    return state.engine ? state.engine->tick() : 0u;
}
