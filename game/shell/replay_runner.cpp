#include "game/shell/replay_runner.hpp"

#include "game/shell/frame_loop.hpp"
#include "game/shell/game_state.hpp"
#include "game/shell/startup.hpp"

#include <cstdio>
#include <ostream>
#include <system_error>

namespace {

constexpr float kDefaultFrameMs = 16.0f;

std::string fixed(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

// Restores the caller's working directory however the run ends.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const std::filesystem::path& folder, std::error_code& ec)
        : previous_(std::filesystem::current_path(ec)) {
        if (!ec)
            std::filesystem::current_path(folder, ec);
    }
    ~WorkingDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }
    const std::filesystem::path& previous() const { return previous_; }

  private:
    std::filesystem::path previous_;
};

bool audioMuted(const GameState& s) {
    bool muted = false;
    if (s.audioSystemA)
        s.audioSystemA->isMuted(muted);
    return muted;
}

} // namespace

void printReplayState(const GameState& s, long long frame, std::ostream& out) {
    out << "screenState " << s.screenState << '\n'
        << "levelNumber " << s.levelNumber << '\n'
        << "mapNumber " << s.mapNumber << '\n'
        << "gameMode " << s.gameMode << '\n'
        << "lives " << s.lives << '\n'
        << "energy " << s.energy << '\n'
        << "score " << s.score << '\n'
        << "displayedScore " << s.displayedScore << '\n'
        << "bubblesCollected " << s.bubblesCollected << '\n'
        << "bubblesTotal " << s.bubblesTotal << '\n'
        << "minutes " << s.minutes << '\n'
        << "seconds " << s.seconds << '\n'
        << "flyX " << fixed(s.flyX) << '\n'
        << "flyY " << fixed(s.flyY) << '\n'
        << "flyAngle " << s.flyAngle << '\n'
        << "paused " << s.paused << '\n'
        << "levelWon " << s.levelWon << '\n'
        << "levelLost " << s.levelLost << '\n'
        << "enemyCount " << s.enemyCount << '\n'
        << "menuItem " << s.menuItem << '\n'
        << "pauseSelection " << s.pauseSelection << '\n'
        << "quitToMenu " << s.quitToMenu << '\n'
        << "tutorialActive " << s.tutorialActive << '\n'
        << "bubbleVisible " << s.bubbleVisible << '\n'
        << "bubbleX " << s.bubbleX << '\n'
        << "bubbleY " << s.bubbleY << '\n'
        << "gravityX " << fixed(s.gravityX) << '\n'
        << "gravityY " << fixed(s.gravityY) << '\n'
        << "gravityDrain " << s.gravityDrain << '\n'
        << "enemyDrain " << s.enemyDrain << '\n'
        << "screenshotCount " << s.screenshotCount << '\n'
        << "tick " << (s.engine ? s.engine->tick() : 0) << '\n'
        << "notice " << s.noticeText << '\n'
        << "tutorialStep " << s.tutorialStep << '\n'
        << "introSkip " << s.introSkip << '\n'
        << "language " << s.language << '\n'
        << "submenuOpen " << s.submenuOpen << '\n'
        << "subItem " << s.subItem << '\n'
        << "levelSelectOpen " << s.levelSelectOpen << '\n'
        << "levelSelectRow " << s.levelSelectRow << '\n'
        << "userLevel " << s.userLevel << '\n'
        << "endScreenKind " << s.endScreenKind << '\n'
        << "newPlace " << s.newPlace << '\n'
        << "selectedKey " << s.selectedKey << '\n'
        << "musicOn " << s.musicOn << '\n'
        << "soundOn " << s.soundOn << '\n'
        << "alertEnabled " << s.alertEnabled << '\n'
        << "menuMusicChannel " << s.menuMusicChannel << '\n'
        << "muted " << audioMuted(s) << '\n';
    for (int i = 1; i <= s.enemyCount && i <= kMaxEnemies; ++i)
        out << "enemy" << i << " " << s.enemyKind[i] << " " << fixed(s.enemyX[i]) << " "
            << fixed(s.enemyY[i]) << " " << s.enemyFollowing[i] << '\n';
    out << "frame " << frame << '\n';
}

int runReplay(const std::filesystem::path& root, const std::vector<ReplayCommand>& script,
              std::ostream& out, std::ostream& err, const std::filesystem::path& userFolder) {
    std::error_code ec;
    const std::filesystem::path absoluteRoot = std::filesystem::absolute(root, ec);
    WorkingDirectory workingDirectory(absoluteRoot, ec);
    if (ec) {
        err << "brimzel-replay: cannot enter " << root.string() << ": " << ec.message() << '\n';
        return 1;
    }

    GameState state;
    StartupSettings settings;
    settings.root = absoluteRoot;
    settings.userFolder = userFolder;
    settings.headless = true;
    settings.audioOutput = audio::Output::Buffer;
    settings.scriptedFrameMs = kDefaultFrameMs;
    if (const auto started = startGame(state, settings); !started) {
        err << "brimzel-replay: " << started.message() << '\n';
        return 1;
    }

    long long frame = 0;
    auto runFrames = [&](long long count) {
        for (long long i = 0; i < count; ++i) {
            if (!runFrame(state))
                return false;
            ++frame;
        }
        return true;
    };

    for (const ReplayCommand& command : script) {
        bool running = true;
        switch (command.kind) {
        case ReplayCommand::Kind::FrameMs:
            state.engine->useScriptedClock(static_cast<float>(command.value));
            break;
        case ReplayCommand::Kind::Step:
            running = runFrames(static_cast<long long>(command.value));
            break;
        case ReplayCommand::Kind::Down:
            state.engine->setKey(command.keyCode, true);
            break;
        case ReplayCommand::Kind::Up:
            state.engine->setKey(command.keyCode, false);
            break;
        case ReplayCommand::Kind::Tap:
            state.engine->setKey(command.keyCode, true);
            running = runFrames(1);
            if (running)
                state.engine->setKey(command.keyCode, false);
            break;
        case ReplayCommand::Kind::Shot: {
            const std::filesystem::path file =
                std::filesystem::absolute(workingDirectory.previous() / command.path);
            if (!state.engine->savePng(file.string())) {
                err << "brimzel-replay: line " << command.line << ": " << file.string()
                    << " could not be written: " << state.engine->lastError() << '\n';
                return 1;
            }
            break;
        }
        case ReplayCommand::Kind::Print:
            printReplayState(state, frame, out);
            break;
        case ReplayCommand::Kind::Focus:
            state.engine->setFocus(command.value != 0);
            break;
        }
        if (!running)
            break; // the game has ended
    }
    out.flush();
    return 0;
}
