// Running the replay in a child process, so that the caller can clean up after it (remove its
// scratch folder) however it ends: a normal exit, a fatal error, a crash, or a signal.
#pragma once

#include <functional>

struct ChildEnd {
    int exitCode = 0; // when the child exited
    int signal = 0;   // the signal that ended the child, else 0
};

// Runs `run` in a child process and waits for it; its return value is the child's exit code.
// INT, TERM, HUP and QUIT sent to this process meanwhile go on to the child; the child dies
// with this process.
ChildEnd runInChildProcess(const std::function<int()>& run);

// Ends like the child: its exit code, or the same signal raised again (a terminal's Ctrl-C
// stays a Ctrl-C for the shell), after a message for a crash.
int endLikeChild(const ChildEnd& end);
