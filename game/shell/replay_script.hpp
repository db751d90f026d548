// The replay script: one command a line, '#' starts a comment.
//   frame-ms X    milliseconds per frame from now on (16 at the start)
//   step N        run N frames
//   down KEY      KEY held from the next frame on; up KEY: released
//   tap KEY       one frame with KEY held, then released (the release acts in the next frame)
//   shot FILE     the last presented frame as PNG
//   print         the state as `name value` lines, then `frame N`
//   focus off|on  the window loses or regains the input focus (from the next frame on)
// KEY is one of esc enter space up down left right s f12.
#pragma once

#include "common/result.hpp"

#include <string>
#include <string_view>
#include <vector>

struct ReplayCommand {
    enum class Kind { FrameMs, Step, Down, Up, Tap, Shot, Print, Focus };
    Kind kind = Kind::Step;
    double value = 0; // frame-ms: milliseconds; step: frame count; focus: 1 on, 0 off
    int keyCode = 0;  // down, up, tap
    std::string path; // shot
    int line = 0;     // for messages
};

// Engine key code of a script key name (esc enter space up down left right s f12), or 0.
int replayKeyCode(std::string_view name);

// Parses a whole script; the error names the line and what was wrong.
common::Result<std::vector<ReplayCommand>> parseReplayScript(std::string_view text,
                                                             const std::string& scriptName);
