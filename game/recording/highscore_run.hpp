// The run behind a new high-score row: the recording of the run that made it is stored beside
// the table (common/highscore_runs), so the row can be watched and shared.
#pragma once

#include <string>

struct GameState;
struct SessionRecording;

// The run that ends now as a whole recording: what it started from, every frame up to this one
// and the state it ends in, which brimzel-replay compares. Empty without an active recording.
// The run is the recording's current segment, which begins at the last return to the main menu
// (or at the start), so it holds the game from the menu choice that began it.
std::string runRecordingText(const SessionRecording& recording, const GameState& state);

// After a frame: stores the run a new table row asked for (state.highscoreRunToStore) and
// clears the request. The files are written on a thread of their own (state.highscoreRunWrite).
// Without a recording the new row gets no run and the rows below still keep theirs. A failure
// is said on standard error; the game goes on.
void storeRequestedHighscoreRun(GameState& state, const SessionRecording* recording);
