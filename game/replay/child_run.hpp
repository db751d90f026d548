// Running the replay in a child process, so that the caller can clean up after it (remove its
// scratch folder) however it ends: a normal exit, a fatal error, a crash, or a signal.
#pragma once

#include <csignal>
#include <functional>

struct ChildEnd {
    int exitCode = 0; // the child's exit code, or 128 + the signal that ended it
    int signal = 0;   // the signal that ended the child, else 0
};

// From its making to its end, INT, TERM, HUP and QUIT cannot end this process: held back
// while there is no child, passed on to the child while it runs, and acted on at the end
// (make it before what is to be cleaned up, so that the clean-up comes first).
class ChildRun {
  public:
    ChildRun();
    ~ChildRun();
    ChildRun(const ChildRun&) = delete;
    ChildRun& operator=(const ChildRun&) = delete;

    // Runs `run` in a child process and waits for it; its return value is the child's exit
    // code. The child dies with this process.
    ChildEnd run(const std::function<int()>& run);

  private:
    sigset_t previous_;
};

// Ends like the child: its exit code, or the same signal raised again (a terminal's Ctrl-C
// stays a Ctrl-C for the shell), after a message for a crash.
int endLikeChild(const ChildEnd& end);
