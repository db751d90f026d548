// The frame loop: one iteration clears the frame, runs the steps of the current screen state,
// tests the exit key, presents the frame and handles the screenshot key.
#pragma once

struct GameState;
struct SessionRecording;

// One iteration. Returns false once the loop has ended (the shutdown has then run, unless it
// ended on state.fatalError). A recording gets the frame's input and clock as the frame's steps
// will see them, and gives a new high-score row its run.
bool runFrame(GameState& state, SessionRecording* recording = nullptr);

// The steps of the current screen state (dispatch by screenState, ranges in order).
void runScreenSteps(GameState& state);

// The playing frame's gameplay steps (state 200-299, not paused); a long frame is played in
// pieces (game/state/play_clock.hpp).
void runPlaySteps(GameState& state);

// Writes the options file back, releases the engine and the audio systems. Returns false when
// the options file could not be written (the reason went to standard error).
bool shutdownGame(GameState& state);
