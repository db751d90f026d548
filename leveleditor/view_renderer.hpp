#pragma once

#include "common/level_record.hpp"
#include "engine/engine.hpp"

namespace leveleditor {

// The map view's pictures: loads the editor's textures and draws one frame of the view into
// the engine (800 x 600, the map at 1/1.28 of its size).
class ViewRenderer {
  public:
    explicit ViewRenderer(engine::Engine& engine) : engine_(engine) {}

    // The loading strip and "level editor" on white, presented at once.
    void showLoadingScreen();
    // Every other picture. A picture that is missing draws nothing.
    void loadTextures();

    // The logo turning at 20 degrees a second.
    void drawWithoutMap(float elapsedMs);
    // Map (or its mask at 30 %), fly, enemies with their rotation handles, the side panel.
    void drawLevel(const common::LevelRecord& level, bool maskDisplay);

    float logoAngle() const { return logoAngle_; }

  private:
    void load(const char* path, const std::string& key);

    engine::Engine& engine_;
    float logoAngle_ = 0;
};

} // namespace leveleditor
