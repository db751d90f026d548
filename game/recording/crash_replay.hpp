// A replay beside every crash: when the game dies of a fatal error, the session recorded so far
// is written next to the screenshots as "screenshots/crash-<date>.replay", so a bug report can
// carry it, and the message names it.
#pragma once

#include <string>

struct SessionRecording;

// Writes the session so far with the reason as its last line. Returns the file's path relative
// to the installation root, or an empty string when it could not be written.
std::string writeCrashReplay(const SessionRecording& recording, const std::string& reason);

// Where crash replays go (default "screenshots", relative to the working directory).
void setCrashReplayFolder(const std::string& folder);

// From now on a fatal signal (a crash, an abort) writes the crash replay of `recording` and says
// so on standard error before the program dies as it would have.
void writeCrashReplayOnFatalSignals(const SessionRecording& recording);
