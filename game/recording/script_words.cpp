#include "game/recording/script_words.hpp"

#include "engine/engine.hpp"

std::uint64_t replayFileHash(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

int replayKeyCode(std::string_view name) {
    namespace k = engine::key;
    if (name == "esc")
        return k::Escape;
    if (name == "enter")
        return k::Enter;
    if (name == "space")
        return k::Space;
    if (name == "up")
        return k::Up;
    if (name == "down")
        return k::Down;
    if (name == "left")
        return k::Left;
    if (name == "right")
        return k::Right;
    if (name == "s")
        return k::S;
    if (name == "f12")
        return k::F12;
    return 0;
}
