#include "game/shell/loading_screen.hpp"

#include "game/shell/resource_catalogue.hpp"
#include "game/state/game_state.hpp"

#include <cmath>

std::string loadingText(int loadedCount, int loadTotal) {
    if (loadTotal <= 0 || loadedCount > loadTotal)
        return "initaliazing";
    const double percent = std::nearbyint(100.0 * loadedCount / loadTotal);
    return std::to_string(static_cast<int>(percent)) + "%";
}

void drawLoadingScreen(GameState& state) {
    engine::Engine& e = *state.engine;
    const auto black = engine::Corners::all(engine::makeColor(0, 0, 0, 1));
    e.drawTexture(e.texture("loading"), 0, 703, 1024, 723);
    e.fillRect(158, 46, 866, 579, black);
    engine::TextureId background = e.texture(kLoadingBackgroundKey);
    if (background == engine::kNoTexture)
        background = e.texture("mainmenu_back_" + std::to_string(state.menuBackground));
    e.drawTexture(background, 162, 50, 162 + kLoadingBackgroundWidth,
                  50 + kLoadingBackgroundHeight);
    e.fillRect(457, 610, 561, 674, black);
    e.fillRect(459, 612, 559, 672,
               engine::Corners::all(engine::makeColor(0.0078125f, 0.26953125f, 0.546875f, 1)));
    e.drawTexture(e.texture("loadingline_grey"), 98, 739, 932, 750);
    const double total = state.loadTotal > 0 ? state.loadTotal : 1;
    const double bar = std::fmin(static_cast<double>(state.loadedCount) * 834.0 / total, 834.0);
    e.drawTexture(e.texture("loadingline"), 98, 739, static_cast<float>(98 + bar), 750);

    const engine::FontId font = e.font("loading_font");
    const std::string text = loadingText(state.loadedCount, state.loadTotal);
    const engine::Size size = e.measureText(text, font);
    e.drawText(text, 512.0f - size.width / 2.0f, 625, engine::makeColor(0, 0, 0, 1), font);
}

void RedrawLoading(GameState& state) {
    ++state.loadedCount;
    engine::Engine& e = *state.engine;
    // Every count moves the bar by more than two pixels, so each one changes the picture; but
    // frames come no faster than the display shows them, so drawing never holds loading up. The
    // last count is always shown: the intro starts from that picture.
    if (state.loadedCount < state.loadTotal && !e.refreshDue()) {
        e.skipFrame();
        return;
    }
    e.clear();
    drawLoadingScreen(state);
    e.present();
}
