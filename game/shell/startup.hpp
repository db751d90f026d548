// The game's start-up, in its fixed order: options, display, glyphs, loading screen, audio,
// sounds and pictures with the loading screen redrawn after each, input, fonts, intro music,
// then the run defaults of the frame loop.
#pragma once

#include "audio/audio.hpp"
#include "common/result.hpp"

#include <cstdint>
#include <filesystem>
#include <optional>

struct GameState;

struct ClockReading {
    float elapsedMs = 0;
    std::uint32_t tick = 0;
};

struct StartupSettings {
    std::filesystem::path root;       // installation root; the caller made it the working directory
    std::filesystem::path userFolder; // the user's own files in the system layout, else empty
    bool headless = false;            // draw off screen whatever the options file says
    bool windowed = false;            // a window even where the options file asks for full screen
    audio::Output audioOutput = audio::Output::Device;
    std::optional<float> scriptedFrameMs; // fixed milliseconds per frame instead of the clock
    std::uint32_t seed = 0;               // the random generator's start value
    // The clock as loading ends (a recorded run played back), instead of the loading's own.
    std::optional<ClockReading> clockAfterLoading;
};

// Fills the character table of the glyph textures "key_1" .. "key_87".
void fillGlyphTable(GameState& state);

// Everything before the first frame. A failure (options file, display) is fatal: the error
// names the file and line where there is one.
common::Status startGame(GameState& state, const StartupSettings& settings);

// The run defaults, set once on entry to the frame loop.
void setRunDefaults(GameState& state);
