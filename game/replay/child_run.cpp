#include "game/replay/child_run.hpp"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kForwarded[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
constexpr int kForwardedCount = sizeof kForwarded / sizeof kForwarded[0];

volatile sig_atomic_t childPid = 0;

void forwardToChild(int signal) {
    if (childPid > 0)
        ::kill(childPid, signal);
}

sigset_t forwardedSet() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : kForwarded)
        sigaddset(&set, signal);
    return set;
}

bool isForwarded(int signal) {
    for (int forwarded : kForwarded)
        if (forwarded == signal)
            return true;
    return false;
}

} // namespace

ChildRun::ChildRun() {
    const sigset_t set = forwardedSet();
    sigprocmask(SIG_BLOCK, &set, &previous_);
}

ChildRun::~ChildRun() {
    sigprocmask(SIG_SETMASK, &previous_, nullptr);
}

ChildEnd ChildRun::run(const std::function<int()>& run) {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    const sigset_t set = forwardedSet();
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0) {
        std::cerr << "brimzel-replay: cannot start the replay: " << std::strerror(errno) << '\n';
        return ChildEnd{1, 0};
    }
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) // the parent is already gone
            std::_Exit(1);
        sigprocmask(SIG_SETMASK, &previous_, nullptr);
        int code = 1;
        try {
            code = run();
        } catch (const std::exception& error) {
            std::cerr << "brimzel-replay: unexpected error: " << error.what() << '\n';
        }
        std::cout.flush();
        std::cerr.flush();
        // Never back into the caller: its clean-up is the parent's.
        std::exit(code);
    }
    childPid = pid;
    struct sigaction forward {};
    forward.sa_handler = forwardToChild;
    sigemptyset(&forward.sa_mask);
    forward.sa_flags = SA_RESTART;
    struct sigaction before[kForwardedCount];
    for (int i = 0; i < kForwardedCount; ++i)
        sigaction(kForwarded[i], &forward, &before[i]);
    sigprocmask(SIG_UNBLOCK, &set, nullptr); // one held back so far goes on now
    int status = 0;
    pid_t waited;
    do
        waited = ::waitpid(pid, &status, 0);
    while (waited < 0 && errno == EINTR);
    sigprocmask(SIG_BLOCK, &set, nullptr);
    for (int i = 0; i < kForwardedCount; ++i)
        sigaction(kForwarded[i], &before[i], nullptr);
    childPid = 0;
    if (waited < 0)
        return ChildEnd{1, 0};
    if (WIFSIGNALED(status))
        return ChildEnd{128 + WTERMSIG(status), WTERMSIG(status)};
    return ChildEnd{WEXITSTATUS(status), 0};
}

int endLikeChild(const ChildEnd& end) {
    if (end.signal == 0)
        return end.exitCode;
    if (!isForwarded(end.signal)) {
        std::cerr << "brimzel-replay: the replay ended by signal " << end.signal << " ("
                  << strsignal(end.signal) << ")\n";
        return end.exitCode;
    }
    std::signal(end.signal, SIG_DFL);
    std::raise(end.signal);
    return end.exitCode;
}
