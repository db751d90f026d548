#include "leveleditor/view_renderer.hpp"

#include "leveleditor/level_document.hpp"
#include "leveleditor/placement.hpp"

#include <array>
#include <string>

namespace leveleditor {
namespace {

constexpr float kScale = static_cast<float>(common::kViewToField);
constexpr float kViewWidth = 800;
constexpr float kViewHeight = 600;

constexpr std::array<const char*, 4> kSpriteKeys = {"wasp", "gnat", "dragonfly", "hornet"};

std::string mapKey(int map) {
    return "map" + std::to_string(map);
}

} // namespace

void ViewRenderer::load(const char* path, const std::string& key) {
    engine::LoadOptions options;
    options.width = -1;
    options.height = -1;
    options.magentaColorKey = false;
    options.filtered = true;
    engine_.loadTexture(path, key, options);
}

void ViewRenderer::showLoadingScreen() {
    load("gfx/intro/loading.dds", "loading");
    engine_.setBackgroundColor(engine::makeColor(1, 1, 1, 1));
    engine_.clear();
    engine_.drawTexture(engine_.texture("loading"), 0, 703 / kScale, kViewWidth, 723 / kScale);
    const engine::FontId font = engine_.createFont("editor", "Arial", 9);
    engine_.drawText("level editor", 700, 570, engine::makeColor(0, 0, 0, 1), font);
    engine_.present();
}

void ViewRenderer::loadTextures() {
    load("gfx/intro/miravlogo1.dds", "miravlogo1");
    load("gfx/intro/miravlogo2.dds", "miravlogo2");
    load("gfx/intro/miravlogo3.dds", "miravlogo3");
    for (int map = 1; map <= common::kMapCount; ++map) {
        const std::string name = "gfx/game/maps/map" + std::to_string(map);
        load((name + ".jpg").c_str(), mapKey(map));
    }
    for (int map = 1; map <= common::kMapCount; ++map) {
        const std::string name = "gfx/game/maps/map" + std::to_string(map) + "_mask.png";
        load(name.c_str(), mapKey(map) + "_mask");
    }
    load("gfx/game/fly/fly_m4.dds", "fly");
    load("gfx/game/wasp/wasp_m5.dds", "wasp");
    load("gfx/game/gnat/gnat_m5.dds", "gnat");
    load("gfx/game/dragonfly/dragonfly_m1.dds", "dragonfly");
    load("gfx/game/hornet/hornet_m7.dds", "hornet");
    load("gfx/game/levelobjects/rotateico.jpg", "rotateico");
    load("gfx/game/panel/panel.dds", "game_panel");
}

void ViewRenderer::drawWithoutMap(float elapsedMs) {
    logoAngle_ += elapsedMs * 0.02f;
    while (logoAngle_ >= 360) {
        logoAngle_ -= 360;
    }
    engine_.drawRotated(engine_.texture("miravlogo1"), 400, 300, 328, 328, logoAngle_);
    engine_.drawRotated(engine_.texture("miravlogo2"), 400, 300, 348, 104, 0,
                        engine::Corners::all(engine::makeColor(1, 1, 1, 0.8f)));
}

void ViewRenderer::drawLevel(const common::LevelRecord& level, bool maskDisplay) {
    if (maskDisplay) {
        engine_.drawTexture(engine_.texture(mapKey(level.map) + "_mask"), 0, 0, kViewWidth,
                            kViewHeight, engine::Corners::all(engine::makeColor(1, 1, 1, 0.3f)));
    } else {
        engine_.drawTexture(engine_.texture(mapKey(level.map)), 0, 0, kViewWidth, kViewHeight);
    }
    const SpriteSize fly = flySize();
    engine_.drawRotated(engine_.texture("fly"), level.flyX, level.flyY, fly.width / kScale,
                        fly.height / kScale, 0);
    const engine::TextureId handle = engine_.texture("rotateico");
    for (int i = 0; i < level.enemyCount && i < common::kMaxEnemies; ++i) {
        const auto& enemy = level.enemies[static_cast<std::size_t>(i)];
        const SpriteSize size = enemySize(enemy.kind);
        const int kind = enemy.kind >= 1 && enemy.kind <= 4 ? enemy.kind : 1;
        engine_.drawRotated(engine_.texture(kSpriteKeys[static_cast<std::size_t>(kind - 1)]),
                            enemy.x, enemy.y, size.width / kScale, size.height / kScale,
                            enemy.angle);
        const Box box = rotationHandleBox(enemy.kind, enemy.x, enemy.y);
        engine_.drawTexture(handle, box.left, box.top, box.right, box.bottom);
    }
    engine_.drawTexture(engine_.texture("game_panel"), kPlayableWidth, 0, kViewWidth, kViewHeight);
}

} // namespace leveleditor
