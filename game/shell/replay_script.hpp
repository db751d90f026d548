// The replay script: one command a line, '#' starts a comment.
#pragma once

#include "common/result.hpp"

#include <string>
#include <string_view>
#include <vector>

struct ReplayCommand {
    enum class Kind { FrameMs, Step, Down, Up, Tap, Shot, Print };
    Kind kind = Kind::Step;
    double value = 0; // frame-ms: milliseconds; step: frame count
    int keyCode = 0;  // down, up, tap
    std::string path; // shot
    int line = 0;     // for messages
};

// Engine key code of a script key name (esc enter space up down left right s f12), or 0.
int replayKeyCode(std::string_view name);

// Parses a whole script; the error names the line and what was wrong.
common::Result<std::vector<ReplayCommand>> parseReplayScript(std::string_view text,
                                                             const std::string& scriptName);
