// The run as a replay script, written as it goes: what the run started from (the random seed,
// the files it read, carried whole, the clock as loading ended), then per frame the clock and
// the key, focus and close changes the game saw, and at the end the state brimzel-replay prints,
// for comparison. The game keeps the session in memory (a fatal error writes it beside the
// screenshots); a file is written only when the player asked for one.
//
// Memory holds the current segment only: each return to the main menu starts a new one, which
// begins again from the files at that moment, the random generator's state and the clock (see
// `rng` and `menu` in replay_script.hpp), so a day-long session stays flat. A file written on
// request holds the whole session as one script.
#pragma once

#include "common/file_layout.hpp"
#include "common/result.hpp"
#include "game/recording/session_buffer.hpp"

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

struct GameState;

inline constexpr int kRecordedKeyCount = 9; // esc enter space up down left right s f12

struct SessionRecording {
    bool active = false;
    SessionBuffer segment;     // the current segment, read by the crash handler
    std::string pending;       // what the file has still to get
    std::FILE* file = nullptr; // null: memory only
    std::filesystem::path filePath;
    bool fileFailed = false;
    std::uint32_t lastFlushTick = 0;
    long long frames = 0;        // of the session
    long long segmentFrames = 0; // of the current segment
    int segments = 0;
    int lastScreenState = -1;
    std::array<bool, kRecordedKeyCount> keys{};
    bool focused = true;
};

// Begins the recording before start-up, so a crash while the game starts leaves a replay too:
// the seed (the one the settings give startGame()) and the files the run will read, through
// `files`. `file` empty records in memory only. Fails when the file cannot be created.
common::Status beginRecording(SessionRecording& recording, const common::FileLayout& files,
                              std::uint32_t seed, const std::filesystem::path& file);
// After startGame(): the clock as loading ended.
void recordStartupEnd(SessionRecording& recording, const GameState& state);
// Both at once, after startGame().
common::Status startRecording(SessionRecording& recording, const GameState& state,
                              std::uint32_t seed, const std::filesystem::path& file);

// One frame, after its events were pumped: the input as the game will poll it and its clock.
// A frame that finds the game back in the main menu from a game or a table starts a segment.
void recordFrame(SessionRecording& recording, const GameState& state, bool closeRequested);

// The current segment as a script that replays on its own: from the start of the session or
// from the last return to the main menu up to now, without the final state.
std::string currentSegmentText(const SessionRecording& recording);

// Ends the recording with the state's fingerprint and closes the file. Returns false when the
// file could not be written completely.
bool finishRecording(SessionRecording& recording, const GameState& state);

// The state as `expect` lines: the fields brimzel-replay prints, save the on-screen notice (a
// window shows it in a message box instead).
std::string stateFingerprint(const GameState& state, long long frame);
