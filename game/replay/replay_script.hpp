// The replay script: one command a line, '#' starts a comment.
//   frame-ms X    milliseconds per frame from now on (16 at the start)
//   step N        run N frames
//   down KEY      KEY held from the next frame on; up KEY: released. A down and an up with no
//                 step between are a tap shorter than a frame: down in the next frame, up after
//   tap KEY       one frame with KEY held, then released (the release acts in the next frame)
//   shot NAME     the last presented frame as PNG (with --window: the window as shown), into
//                 the output folder under NAME: a plain file name ending in .png
//   print         the state as `name value` lines, then `frame N`
//   focus off|on  the window loses or regains the input focus (from the next frame on)
//   close         the window's close box is pressed (seen by the next frame)
// A recording of a played run uses the same language and adds:
//   seed N        the random generator's start value (before the first frame)
//   file PATH SIZE HASH   a file of the tree as the run read it (before the first frame);
//                 PATH is relative and stays inside the tree
//   data BASE64   after a `file` line: the file's bytes, carried in the recording (see
//                 carried_files.hpp); the replay lays them into the tree it runs
//   rng N...      the random generator's state (continued over several lines), instead of seed
//   menu NAME=VALUE...    start at the main menu as after a game, with the state a return to
//                 the menu keeps (see menu_state.hpp): a segment of a session that began at a
//                 return to the main menu
//   clock MS TICK the clock shows MS elapsed and TICK from now on (before the first frame: as
//                 the loading screen ends)
//   frame MS TICK one frame with this clock
//   expect NAME VALUE     the state's field NAME printed as VALUE (the run's last state)
// KEY is one of esc enter space up down left right s f12; keys record what the game polled, so a
// gamepad's buttons appear as the keys they stand for.
#pragma once

#include "common/result.hpp"
#include "game/recording/script_words.hpp"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct ReplayCommand {
    enum class Kind {
        FrameMs,
        Step,
        Down,
        Up,
        Tap,
        Shot,
        Print,
        Focus,
        Close,
        Seed,
        File,
        Clock,
        Frame,
        Expect,
        Rng,
        Menu
    };
    Kind kind = Kind::Step;
    // frame-ms, clock, frame: milliseconds; step: frame count; focus: 1 on, 0 off; seed; file:
    // size
    double value = 0;
    std::uint64_t number = 0; // clock, frame: tick; file: hash
    int keyCode = 0;          // down, up, tap
    std::string path;         // shot, file; expect: the field's name
    std::string text;         // expect: the field's value; file: the carried bytes; rng:
                              // the state's numbers; menu: the NAME=VALUE words
    bool carried = false;     // file: `data` lines hold its bytes
    int line = 0;             // for messages
};

// Ceilings on the work a script asks for, well above any real session (a million frames are
// four and a half hours at 60 frames a second), so a script from anyone cannot run for days.
struct ReplayLimits {
    std::uint64_t frames = 1'000'000; // frames the whole script runs (step, tap, frame)
    std::uint64_t lines = 3'000'000;  // a recording writes about one line a frame
    std::size_t lineLength = 4096;
    std::uint64_t bytes = 64u << 20;
    // Room for `frames` frames, the lines and bytes grown in proportion.
    static ReplayLimits forFrames(std::uint64_t frames);
};

// Parses a whole script; the error names the line and what was wrong.
common::Result<std::vector<ReplayCommand>> parseReplayScript(std::string_view text,
                                                             const std::string& scriptName,
                                                             const ReplayLimits& limits = {});
