#include "game/replay/replay_runner.hpp"

#include "game/recording/menu_state.hpp"
#include "game/recording/session_recording.hpp"
#include "game/replay/recorded_files.hpp"
#include "game/replay/tree_file.hpp"
#include "game/shell/frame_loop.hpp"
#include "game/shell/menu_resume.hpp"
#include "game/shell/startup.hpp"
#include "game/state/game_state.hpp"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <system_error>
#include <utility>

namespace {

constexpr float kDefaultFrameMs = 16.0f;

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

// Warns when a file of the tree is not the one the recording was made with: the replay goes on,
// and where the run took another way the comparison at the end says so. The file is the one
// the run reads: the user folder's when it has one, else the tree's.
void checkRecordedFile(const ReplayCommand& command, const std::filesystem::path& root,
                       const std::filesystem::path& userFolder, const std::string& where,
                       std::ostream& err) {
    std::error_code ec;
    const std::filesystem::path tree =
        !userFolder.empty() && std::filesystem::exists(userFolder / command.path, ec) ? userFolder
                                                                                      : root;
    if (!std::filesystem::exists(tree / command.path, ec)) {
        err << where << command.path << " is missing; the recording was made with it\n";
        return;
    }
    auto read = [&]() -> common::Result<std::string> {
        const auto inside = pathInsideTree(tree, command.path);
        if (!inside)
            return inside.error();
        return common::readRegularFile(inside.value(), kLargestTreeFile);
    };
    const auto bytes = read();
    if (!bytes) {
        err << where << command.path << " cannot be compared: " << bytes.message() << '\n';
        return;
    }
    const std::string& content = bytes.value();
    if (static_cast<double>(content.size()) != command.value ||
        replayFileHash(content) != command.number)
        err << where << command.path << " has changed since the recording was made\n";
}

// The kept state of a `menu` line into the state, then the game at the main menu.
void resumeAtMenu(GameState& state, const std::string& words) {
    MenuState menu = menuStateOf(state);
    std::istringstream in(words);
    for (std::string word; in >> word;)
        readMenuStateWord(word, menu);
    applyMenuState(state, menu);
    resumeAtMainMenu(state);
}

// Empty when the field has the expected value, else what differs.
std::string compareField(const std::vector<std::pair<std::string, std::string>>& fields,
                         const ReplayCommand& expect) {
    for (const auto& [name, value] : fields)
        if (name == expect.path)
            return value == expect.text
                       ? std::string()
                       : name + " is " + value + ", the recording has " + expect.text;
    return expect.path + " is not in the replay's state";
}

} // namespace

int runReplay(const std::filesystem::path& root, const std::vector<ReplayCommand>& script,
              std::ostream& out, std::ostream& err, const ReplayOptions& options) {
    std::error_code ec;
    const std::filesystem::path absoluteRoot = std::filesystem::absolute(root, ec);
    WorkingDirectory workingDirectory(absoluteRoot, ec);
    if (ec) {
        err << "brimzel-replay: cannot enter " << root.string() << ": " << ec.message() << '\n';
        return 1;
    }
    auto where = [&](const ReplayCommand& command) {
        return "brimzel-replay: " + options.scriptName + ", line " + std::to_string(command.line) +
               ": ";
    };
    const std::filesystem::path shots =
        std::filesystem::absolute(workingDirectory.previous() / options.outputFolder, ec);
    const auto shot = std::find_if(script.begin(), script.end(), [](const ReplayCommand& c) {
        return c.kind == ReplayCommand::Kind::Shot;
    });
    if (shot != script.end() && !std::filesystem::is_directory(shots, ec)) {
        err << where(*shot) << "the output folder " << shots.string() << " is not a folder\n";
        return 1;
    }

    GameState state;
    StartupSettings settings;
    settings.root = absoluteRoot;
    settings.userFolder = options.userFolder;
    settings.headless = !options.window;
    const bool watched = options.window && !options.windowAsOptionsSay;
    settings.windowed = watched;
    settings.audioOutput = watched ? audio::Output::Device : audio::Output::Buffer;
    settings.scriptedFrameMs = kDefaultFrameMs;
    // The files a recording carries go where the game reads the player's own.
    const std::filesystem::path fileFolder =
        options.userFolder.empty() ? absoluteRoot : options.userFolder;
    if (const auto laid = layRecordedFiles(fileFolder, script); !laid) {
        err << "brimzel-replay: " << laid.message() << '\n';
        return 1;
    }
    const common::FileLayout files{absoluteRoot, fileFolder, {}};
    const ReplayCommand* rng = nullptr;
    const ReplayCommand* menu = nullptr;
    // The start of a recording: everything before its first frame.
    size_t next = 0;
    for (; next < script.size(); ++next) {
        const ReplayCommand& command = script[next];
        if (command.kind == ReplayCommand::Kind::Seed)
            settings.seed = static_cast<std::uint32_t>(command.value);
        else if (command.kind == ReplayCommand::Kind::Clock)
            settings.clockAfterLoading = ClockReading{static_cast<float>(command.value),
                                                      static_cast<std::uint32_t>(command.number)};
        else if (command.kind == ReplayCommand::Kind::File) {
            if (!command.carried)
                checkRecordedFile(command, absoluteRoot, options.userFolder, where(command), err);
        } else if (command.kind == ReplayCommand::Kind::Rng)
            rng = &command;
        else if (command.kind == ReplayCommand::Kind::Menu)
            menu = &command;
        else
            break;
    }
    if (const auto started = startGame(state, settings); !started) {
        err << "brimzel-replay: " << started.message() << '\n';
        return 1;
    }
    if (menu)
        resumeAtMenu(state, menu->text);
    if (rng) {
        std::istringstream numbers(rng->text);
        numbers >> state.rng;
    }

    // Kept as the game keeps it, so a new high-score row gets its run here too; a watch
    // keeps none.
    SessionRecording recording;
    if (!options.beforeFrame)
        if (const auto recorded = startRecording(recording, state, settings.seed, {}); !recorded) {
            err << "brimzel-replay: " << recorded.message() << '\n';
            return 1;
        }

    long long frame = 0;
    bool stopped = false; // by the watcher
    auto runFrames = [&](long long count) {
        for (long long i = 0; i < count; ++i) {
            if (options.beforeFrame && !options.beforeFrame(state)) {
                stopped = true;
                return false;
            }
            if (!runFrame(state, recording.active ? &recording : nullptr))
                return false;
            ++frame;
            if (!state.fatalError.empty())
                return false;
        }
        return true;
    };

    std::vector<std::pair<std::string, std::string>> printed; // the state for `expect`
    bool expected = false;
    for (; next < script.size(); ++next) {
        const ReplayCommand& command = script[next];
        if (command.kind != ReplayCommand::Kind::Expect)
            printed.clear();
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
            // The parser let only a plain name through; what lies there must be a plain file
            // too, not a link that would carry the picture elsewhere.
            const std::filesystem::path file = shots / command.path;
            const auto status = std::filesystem::symlink_status(file, ec);
            if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
                err << where(command) << file.string()
                    << " is there and is not a plain file; it is left as it is\n";
                return 1;
            }
            if (!state.engine->saveShownPng(file.string())) {
                err << where(command) << file.string()
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
        case ReplayCommand::Kind::Close:
            state.engine->requestClose();
            break;
        case ReplayCommand::Kind::Clock:
            state.engine->setClock(static_cast<float>(command.value),
                                   static_cast<std::uint32_t>(command.number));
            break;
        case ReplayCommand::Kind::Frame:
            state.engine->setClock(static_cast<float>(command.value),
                                   static_cast<std::uint32_t>(command.number));
            running = runFrames(1);
            break;
        case ReplayCommand::Kind::Expect: {
            if (printed.empty())
                printed = printedFields(state, frame);
            expected = true;
            // A segment begins the menu's music afresh: the sound library's handle of it is
            // numbered anew, the game the same.
            if (menu && command.path == "menuMusicChannel")
                break;
            if (const std::string differs = compareField(printed, command); !differs.empty()) {
                err << where(command) << "the replay differs from the recording: " << differs
                    << '\n';
                return 1;
            }
            break;
        }
        case ReplayCommand::Kind::Seed:
        case ReplayCommand::Kind::File:
        case ReplayCommand::Kind::Rng:
        case ReplayCommand::Kind::Menu:
            break; // the parser keeps them before the first frame
        }
        if (!running) {
            if (stopped)
                break;
            if (!state.fatalError.empty()) { // as the game ends on it
                err << "brimzel-replay: " << state.fatalError << '\n';
                return 1;
            }
            // The game has ended: a recording that goes on did not end here.
            for (size_t rest = next + 1; rest < script.size(); ++rest)
                if (script[rest].kind == ReplayCommand::Kind::Frame ||
                    script[rest].kind == ReplayCommand::Kind::Expect) {
                    err << where(script[rest])
                        << "the replay differs from the recording: the game ended at frame "
                        << frame << '\n';
                    return 1;
                }
            break;
        }
    }
    const bool recorded =
        std::any_of(script.begin(), script.end(), [](const ReplayCommand& command) {
            return command.kind == ReplayCommand::Kind::Frame;
        });
    if (expected)
        out << "replay matches the recording\n";
    else if (recorded && !stopped && !script.empty())
        err << where(script.back())
            << "the recording ends here without the state its run ended in (it was cut short), "
               "so there is nothing to compare\n";
    out.flush();
    return 0;
}
