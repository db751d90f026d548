// A replay beside every crash: when the game dies of a fatal error, the session recorded so far
// (its current segment, see session_recording.hpp) is written next to the screenshots as
// "screenshots/crash-<date>-<process>-<n>.replay", so a bug report can carry it, and the message
// names it. Two crashes never share a file.
#pragma once

#include <string>

struct SessionRecording;

// Writes the session so far with the reason as its last line. Returns the file's path (the
// folder as set, then the name), or an empty string when it could not be written.
std::string writeCrashReplay(const SessionRecording& recording, const std::string& reason);

// Where crash replays go (default "screenshots", relative to the working directory). Set it
// before a signal can come; at most 511 bytes.
void setCrashReplayFolder(const std::string& folder);

// From now on a fatal signal (a crash, an abort, a stack overflow; on any thread) says so on
// standard error and writes the crash replay of the watched recording, if any, before the
// program dies as it would have. The calling thread gets an alternate signal stack.
void installCrashReplayHandler();

// Installs the handler and watches `recording` until stopCrashReplayWatch().
void writeCrashReplayOnFatalSignals(const SessionRecording& recording);
// A fatal signal writes no replay any more: call it before the watched recording goes away.
void stopCrashReplayWatch();
