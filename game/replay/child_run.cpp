#include "game/replay/child_run.hpp"

#include <csignal>
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

volatile sig_atomic_t childPid = 0;

void forwardToChild(int signal) {
    if (childPid > 0)
        ::kill(childPid, signal);
}

constexpr int kForwardedCount = sizeof kForwarded / sizeof kForwarded[0];

void forwardSignals(struct sigaction (&previous)[kForwardedCount]) {
    struct sigaction action {};
    action.sa_handler = forwardToChild;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < kForwardedCount; ++i)
        sigaction(kForwarded[i], &action, &previous[i]);
}

void restoreSignals(const struct sigaction (&previous)[kForwardedCount]) {
    for (int i = 0; i < kForwardedCount; ++i)
        sigaction(kForwarded[i], &previous[i], nullptr);
}

bool isForwarded(int signal) {
    for (int forwarded : kForwarded)
        if (forwarded == signal)
            return true;
    return false;
}

} // namespace

ChildEnd runInChildProcess(const std::function<int()>& run) {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    // Held back until each side has its handlers, so none is lost or acted on twice.
    sigset_t forwarded, previous;
    sigemptyset(&forwarded);
    for (int signal : kForwarded)
        sigaddset(&forwarded, signal);
    sigprocmask(SIG_BLOCK, &forwarded, &previous);
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0) {
        sigprocmask(SIG_SETMASK, &previous, nullptr);
        std::cerr << "brimzel-replay: cannot start the replay: " << std::strerror(errno) << '\n';
        return ChildEnd{1, 0};
    }
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) // the parent is already gone
            std::_Exit(1);
        sigprocmask(SIG_SETMASK, &previous, nullptr);
        int code = 1;
        try {
            code = run();
        } catch (const std::exception& error) {
            std::cerr << "brimzel-replay: unexpected error: " << error.what() << '\n';
        }
        std::cout.flush();
        std::cerr.flush();
        // Not returning: the caller's clean-up is the parent's.
        std::exit(code);
    }
    childPid = pid;
    struct sigaction handlers[kForwardedCount];
    forwardSignals(handlers);
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    int status = 0;
    pid_t waited;
    do
        waited = ::waitpid(pid, &status, 0);
    while (waited < 0 && errno == EINTR);
    restoreSignals(handlers);
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
