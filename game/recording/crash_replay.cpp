#include "game/recording/crash_replay.hpp"

#include "game/recording/session_recording.hpp"

#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Set once before the handlers are installed; the user's screenshot folder in the system layout.
char crashFolder[512] = "screenshots";
constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

// A signal handler has no other way to reach the session.
const SessionRecording* crashRecording = nullptr;

// "screenshots/crash-20261208-124512.replay", in UTC; only async-signal-safe calls.
void crashPath(char (&path)[600]) {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    gmtime_r(&now, &t);
    const std::size_t folder = std::strlen(crashFolder);
    std::memcpy(path, crashFolder, folder);
    std::strftime(path + folder, sizeof path - folder, "/crash-%Y%m%d-%H%M%S.replay", &t);
}

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool writeFile(const char* path, const SessionRecording& recording, const char* reason) {
    ::mkdir(crashFolder, 0777);
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, recording.text.data(), recording.text.size());
    ok = writeAll(fd, "# the game stopped here: ", 25) && ok;
    ok = writeAll(fd, reason, std::strlen(reason)) && writeAll(fd, "\n", 1) && ok;
    return ::close(fd) == 0 && ok;
}

void onFatalSignal(int signal) {
    char path[600];
    crashPath(path);
    const char* name = signal == SIGSEGV  ? "segmentation fault"
                       : signal == SIGBUS ? "bus error"
                       : signal == SIGFPE ? "arithmetic fault"
                       : signal == SIGILL ? "illegal instruction"
                                          : "abort";
    const char* prefix = "Brimzel: fatal error: ";
    writeAll(STDERR_FILENO, prefix, std::strlen(prefix));
    writeAll(STDERR_FILENO, name, std::strlen(name));
    if (crashRecording && writeFile(path, *crashRecording, name)) {
        const char* told = "; the session so far is recorded in ";
        writeAll(STDERR_FILENO, told, std::strlen(told));
        writeAll(STDERR_FILENO, path, std::strlen(path));
    }
    writeAll(STDERR_FILENO, "\n", 1);
    // The handler was reset: the signal now ends the program as it would have.
    std::raise(signal);
}

} // namespace

std::string writeCrashReplay(const SessionRecording& recording, const std::string& reason) {
    char path[600];
    crashPath(path);
    return writeFile(path, recording, reason.c_str()) ? std::string(path) : std::string();
}

void setCrashReplayFolder(const std::string& folder) {
    if (folder.size() < sizeof crashFolder)
        std::memcpy(crashFolder, folder.c_str(), folder.size() + 1);
}

void writeCrashReplayOnFatalSignals(const SessionRecording& recording) {
    crashRecording = &recording;
    struct sigaction action {};
    action.sa_handler = onFatalSignal;
    action.sa_flags = static_cast<int>(SA_RESETHAND);
    sigemptyset(&action.sa_mask);
    for (int signal : kFatalSignals)
        sigaction(signal, &action, nullptr);
}
