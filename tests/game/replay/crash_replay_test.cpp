// Crash replays: every crash keeps its own file, from any thread, even when the stack is gone.
#include "common/file_layout.hpp"
#include "common/signal_stack.hpp"
#include "game/recording/crash_replay.hpp"
#include "game/recording/session_recording.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class CrashReplay : public testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("brimzel-crash-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        setCrashReplayFolder((folder / "screenshots").string());
        ASSERT_TRUE(beginRecording(recording, common::portableLayout(folder), 77, {}));
    }
    void TearDown() override {
        setCrashReplayFolder("screenshots");
        fs::remove_all(folder);
    }

    std::vector<std::string> crashes() const {
        std::vector<std::string> texts;
        for (const auto& entry : fs::directory_iterator(folder / "screenshots")) {
            std::ifstream in(entry.path());
            std::ostringstream text;
            text << in.rdbuf();
            texts.push_back(text.str());
        }
        return texts;
    }

    fs::path folder;
    SessionRecording recording;
};

int deeper(int n) {
    volatile char pad[512];
    pad[0] = static_cast<char>(n);
    if (n == -1)
        return 0;
    return deeper(n + 1) + pad[0];
}

TEST_F(CrashReplay, TwoCrashesInTheSameSecondKeepTwoFiles) {
    const std::string first = writeCrashReplay(recording, "one");
    const std::string second = writeCrashReplay(recording, "two");
    ASSERT_NE(first, "");
    EXPECT_NE(first, second);
    EXPECT_EQ(crashes().size(), 2u);
}

TEST_F(CrashReplay, ACrashOnAWorkerThreadLeavesTheSession) {
    EXPECT_EXIT(
        {
            writeCrashReplayOnFatalSignals(recording);
            std::thread([] { std::raise(SIGSEGV); }).join();
        },
        testing::KilledBySignal(SIGSEGV), "the session so far is recorded in .*crash-");
    const auto texts = crashes();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].find("\nseed 77\n"), std::string::npos);
    EXPECT_NE(texts[0].find("# the game stopped here: segmentation fault\n"), std::string::npos);
}

#if !defined(__SANITIZE_ADDRESS__)
TEST_F(CrashReplay, AStackOverflowLeavesTheSession) {
    EXPECT_EXIT(
        {
            writeCrashReplayOnFatalSignals(recording);
            std::exit(deeper(0));
        },
        testing::KilledBySignal(SIGSEGV), "the session so far is recorded in .*crash-");
    ASSERT_EQ(crashes().size(), 1u);
    // The same on a worker thread of ours, which has a signal stack of its own.
    EXPECT_EXIT(
        {
            writeCrashReplayOnFatalSignals(recording);
            std::thread([] {
                const common::ThreadSignalStack signalStack;
                std::exit(deeper(0));
            }).join();
        },
        testing::KilledBySignal(SIGSEGV), "the session so far is recorded in .*crash-");
    EXPECT_EQ(crashes().size(), 2u);
}
#endif

TEST_F(CrashReplay, NoReplayOnceTheRecordingIsGone) {
    EXPECT_EXIT(
        {
            writeCrashReplayOnFatalSignals(recording);
            stopCrashReplayWatch();
            std::abort();
        },
        testing::KilledBySignal(SIGABRT), "Brimzel: fatal error: abort\n");
    EXPECT_FALSE(fs::exists(folder / "screenshots") && !crashes().empty());
}

} // namespace
