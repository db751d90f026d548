// The game's start-up, in its fixed order: options, display, glyphs, loading screen, audio,
// sounds and pictures with the loading screen redrawn after each, input, fonts, intro music,
// then the run defaults of the frame loop.
#pragma once

#include "audio/audio.hpp"
#include "common/result.hpp"

#include <filesystem>
#include <optional>

struct GameState;

struct StartupSettings {
    std::filesystem::path root;       // installation root; the caller made it the working directory
    std::filesystem::path userFolder; // the user's own files in the system layout, else empty
    bool headless = false;            // draw off screen whatever the options file says
    audio::Output audioOutput = audio::Output::Device;
    std::optional<float> scriptedFrameMs; // fixed milliseconds per frame instead of the clock
};

// Fills the character table of the glyph textures "key_1" .. "key_87".
void fillGlyphTable(GameState& state);

// Everything before the first frame. A failure (options file, display) is fatal: the error
// names the file and line where there is one.
common::Status startGame(GameState& state, const StartupSettings& settings);

// The run defaults, set once on entry to the frame loop.
void setRunDefaults(GameState& state);
