#include "game/state/notices.hpp"

#include "game/state/game_state.hpp"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::uint32_t kNoticeMs = 6000;

} // namespace

bool displayAvailable() {
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    if (driver && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0))
        return false;
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
}

void reportFatalError(const std::string& text, bool mayShowMessageBox) {
    std::fprintf(stderr, "Brimzel: %s\n", text.c_str());
    if (mayShowMessageBox && displayAvailable())
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Brimzel", text.c_str(), nullptr);
}

void showNotice(GameState& state, const std::string& text) {
    std::fprintf(stderr, "Brimzel: %s\n", text.c_str());
    if (state.windowed && displayAvailable() &&
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, "Brimzel", text.c_str(), nullptr) == 0)
        return;
    state.noticeText = text;
    state.noticeUntilTick = (state.engine ? state.engine->tick() : 0) + kNoticeMs;
}

void drawNotice(GameState& state) {
    if (state.noticeText.empty() || !state.engine)
        return;
    engine::Engine& e = *state.engine;
    if (e.tick() >= state.noticeUntilTick) {
        state.noticeText.clear();
        return;
    }
    const engine::FontId font = e.font("menu_font2");
    const engine::Size size = e.measureText(state.noticeText, font);
    const float left = 512.0f - size.width / 2.0f;
    e.fillRect(left - 12, 360 - 8, left + size.width + 12, 360 + size.height + 8,
               engine::Corners::all(engine::makeColor(0, 0, 0, 0.8f)));
    e.drawText(state.noticeText, left, 360, engine::makeColor(1, 1, 1, 1), font);
}
