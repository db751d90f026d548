#include "game/recording/crash_replay.hpp"

#include "game/recording/session_recording.hpp"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Everything the handler touches is set before a signal can come, lives as long as the program,
// and is read with async-signal-safe calls only: no allocation, no locale, no stdio.
namespace {

char crashFolder[512] = "screenshots";
constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
// Large enough for the handler's frame when the thread's own stack has overflowed.
alignas(16) char alternateStack[64 * 1024];

std::atomic<const SessionRecording*> watched{nullptr};
std::atomic<unsigned> crashCount{0};
static_assert(std::atomic<const SessionRecording*>::is_always_lock_free);
static_assert(std::atomic<unsigned>::is_always_lock_free);

// Appends digits of `value`, at least `width` of them.
char* putNumber(char* at, unsigned long value, int width) {
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (n < width)
        digits[n++] = '0';
    while (n > 0)
        *at++ = digits[--n];
    return at;
}

char* putText(char* at, const char* text) {
    const std::size_t size = std::strlen(text);
    std::memcpy(at, text, size);
    return at + size;
}

// "<folder>/crash-20261208-124512-<pid>-<n>.replay" in UTC, by arithmetic on the clock's
// seconds (civil date from the day count), as gmtime and strftime are not signal-safe.
void crashPath(char (&path)[600], unsigned number) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const long long seconds = now.tv_sec > 0 ? now.tv_sec : 0;
    const long long z = seconds / 86400 + 719468;
    const long long era = z / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long day = doy - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    const long long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    const long long time = seconds % 86400;
    char* at = putText(path, crashFolder);
    at = putText(at, "/crash-");
    at = putNumber(at, static_cast<unsigned long>(year), 4);
    at = putNumber(at, static_cast<unsigned long>(month), 2);
    at = putNumber(at, static_cast<unsigned long>(day), 2);
    *at++ = '-';
    at = putNumber(at, static_cast<unsigned long>(time / 3600), 2);
    at = putNumber(at, static_cast<unsigned long>(time / 60 % 60), 2);
    at = putNumber(at, static_cast<unsigned long>(time % 60), 2);
    *at++ = '-';
    at = putNumber(at, static_cast<unsigned long>(::getpid()), 1);
    *at++ = '-';
    at = putNumber(at, number, 1);
    at = putText(at, ".replay");
    *at = '\0';
}

// A new file, never one that is there: the next number when the name is taken.
bool writeFile(char (&path)[600], const SessionRecording& recording, const char* reason) {
    ::mkdir(crashFolder, 0777);
    int fd = -1;
    for (int attempt = 0; attempt < 1000 && fd < 0; ++attempt) {
        crashPath(path, crashCount.fetch_add(1) + 1);
        fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    bool ok = recording.segment.writeTo(fd);
    if (recording.segment.full()) {
        const char* cut = "# the session ran past what is kept in memory; it was cut here\n";
        ok = writeAllTo(fd, cut, std::strlen(cut)) && ok;
    }
    const char* stopped = "# the game stopped here: ";
    ok = writeAllTo(fd, stopped, std::strlen(stopped)) && ok;
    ok = writeAllTo(fd, reason, std::strlen(reason)) && writeAllTo(fd, "\n", 1) && ok;
    return ::close(fd) == 0 && ok;
}

void onFatalSignal(int signal) {
    const int savedErrno = errno;
    const char* name = signal == SIGSEGV  ? "segmentation fault"
                       : signal == SIGBUS ? "bus error"
                       : signal == SIGFPE ? "arithmetic fault"
                       : signal == SIGILL ? "illegal instruction"
                                          : "abort";
    const char* prefix = "Brimzel: fatal error: ";
    writeAllTo(STDERR_FILENO, prefix, std::strlen(prefix));
    writeAllTo(STDERR_FILENO, name, std::strlen(name));
    char path[600];
    const SessionRecording* recording = watched.exchange(nullptr);
    if (recording && writeFile(path, *recording, name)) {
        const char* told = "; the session so far is recorded in ";
        writeAllTo(STDERR_FILENO, told, std::strlen(told));
        writeAllTo(STDERR_FILENO, path, std::strlen(path));
    }
    writeAllTo(STDERR_FILENO, "\n", 1);
    errno = savedErrno;
    // The handler was reset: the signal now ends the program as it would have.
    std::raise(signal);
}

} // namespace

std::string writeCrashReplay(const SessionRecording& recording, const std::string& reason) {
    char path[600];
    return writeFile(path, recording, reason.c_str()) ? std::string(path) : std::string();
}

void setCrashReplayFolder(const std::string& folder) {
    if (folder.size() < sizeof crashFolder)
        std::memcpy(crashFolder, folder.c_str(), folder.size() + 1);
}

void installCrashReplayHandler() {
    stack_t stack{};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof alternateStack;
    sigaltstack(&stack, nullptr);
    struct sigaction action {};
    action.sa_handler = onFatalSignal;
    action.sa_flags = static_cast<int>(SA_RESETHAND | SA_ONSTACK);
    sigemptyset(&action.sa_mask);
    for (int signal : kFatalSignals)
        sigaction(signal, &action, nullptr);
}

void writeCrashReplayOnFatalSignals(const SessionRecording& recording) {
    installCrashReplayHandler();
    watched.store(&recording);
}

void stopCrashReplayWatch() {
    watched.store(nullptr);
}
