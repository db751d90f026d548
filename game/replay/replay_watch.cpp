#include "game/replay/replay_watch.hpp"

#include "game/state/game_state.hpp"

#include <SDL.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr double kFastForward = 4.0;
constexpr double kLongestWaitMs = 10.0; // keys are read at least this often
constexpr double kMostBehindMs = 250.0; // a slower stretch is not caught up afterwards

struct Watcher {
    bool paused = false;
    bool fast = false;
    bool stopped = false;
    double lastFrameMs = -1.0;
};

double nowMs() {
    return double(SDL_GetPerformanceCounter()) * 1000.0 / double(SDL_GetPerformanceFrequency());
}

// Takes the keyboard, the pads and the focus changes out of SDL's queue before the engine reads
// it; other window events go back for the engine.
void takeWatcherEvents(Watcher& w) {
    SDL_PumpEvents();
    SDL_Event e;
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_KEYDOWN, SDL_KEYUP) == 1) {
        const bool down = e.type == SDL_KEYDOWN;
        switch (e.key.keysym.scancode) {
        case SDL_SCANCODE_SPACE:
            if (down && !e.key.repeat)
                w.paused = !w.paused;
            break;
        case SDL_SCANCODE_RIGHT:
            w.fast = down;
            break;
        case SDL_SCANCODE_ESCAPE:
            w.stopped = w.stopped || down;
            break;
        default:
            break;
        }
    }
    SDL_FlushEvents(SDL_TEXTEDITING, SDL_TEXTINPUT);
    SDL_FlushEvents(SDL_JOYAXISMOTION, SDL_CONTROLLERSENSORUPDATE);
    std::vector<SDL_Event> keep;
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT) == 1)
        if (e.window.event != SDL_WINDOWEVENT_FOCUS_LOST &&
            e.window.event != SDL_WINDOWEVENT_FOCUS_GAINED &&
            e.window.event != SDL_WINDOWEVENT_TAKE_FOCUS)
            keep.push_back(e);
    for (SDL_Event& kept : keep)
        SDL_PushEvent(&kept);
}

bool waitForFrame(Watcher& w, const GameState& state) {
    for (;;) {
        takeWatcherEvents(w);
        if (w.stopped || SDL_HasEvent(SDL_QUIT)) // Escape or the window's close box
            return false;
        const double now = nowMs();
        if (w.lastFrameMs < 0.0) {
            w.lastFrameMs = now;
            return true;
        }
        if (w.paused) {
            SDL_Delay(static_cast<Uint32>(kLongestWaitMs));
            w.lastFrameMs = now; // going on starts from here
            continue;
        }
        const double length = state.engine ? state.engine->elapsedMs() : 0.0;
        const double due = w.lastFrameMs + length / (w.fast ? kFastForward : 1.0);
        if (now >= due) {
            w.lastFrameMs = std::max(due, now - kMostBehindMs);
            return true;
        }
        SDL_Delay(static_cast<Uint32>(std::min(due - now, kLongestWaitMs)) + 1u);
    }
}

} // namespace

std::function<bool(GameState&)> makeReplayWatcher() {
    auto watcher = std::make_shared<Watcher>();
    return [watcher](GameState& state) { return waitForFrame(*watcher, state); };
}
