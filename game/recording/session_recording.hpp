// The run as a replay script, written as it goes: what the run started from (the random seed,
// the files it read, the clock as loading ended), then per frame the clock and the key, focus and
// close changes the game saw, and at the end the state brimzel-replay prints, for comparison.
// The game keeps every session in memory (a fatal error writes it beside the screenshots); a file
// is written only when the player asked for one.
#pragma once

#include "common/result.hpp"

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

struct GameState;

inline constexpr int kRecordedKeyCount = 9; // esc enter space up down left right s f12

struct SessionRecording {
    bool active = false;
    std::string text;          // everything recorded so far
    std::size_t written = 0;   // how much of `text` the file holds
    std::FILE* file = nullptr; // null: memory only
    std::filesystem::path filePath;
    std::uint32_t lastFlushTick = 0;
    long long frames = 0;
    std::array<bool, kRecordedKeyCount> keys{};
    bool focused = true;
};

// Begins with the start of the run, after startGame(): `seed` is the one the settings gave it.
// `file` empty records in memory only. Fails when the file cannot be created.
common::Status startRecording(SessionRecording& recording, const GameState& state,
                              std::uint32_t seed, const std::filesystem::path& file);

// One frame, after its events were pumped: the input as the game will poll it and its clock.
void recordFrame(SessionRecording& recording, const GameState& state, bool closeRequested);

// Ends the recording with the state's fingerprint and closes the file. Returns false when the
// file could not be written completely.
bool finishRecording(SessionRecording& recording, const GameState& state);

// The state as `expect` lines: the fields brimzel-replay prints, save the on-screen notice (a
// window shows it in a message box instead).
std::string stateFingerprint(const GameState& state, long long frame);
