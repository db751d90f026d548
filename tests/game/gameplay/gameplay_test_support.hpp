// A scripted engine stand-in for the gameplay tests: exact clock, keys set by the test, and
// in-memory masks and sprite sizes under texture keys. Drawing does nothing.
#pragma once

#include "engine/engine.hpp"
#include "game/state/game_state.hpp"

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace gameplay_test {

class ScriptedEngine final : public engine::Engine {
  public:
    struct Picture {
        int width = 0, height = 0;
        std::vector<engine::Color> pixels;
    };

    // Clock: advance() ends a frame of `ms` milliseconds.
    void advance(float ms) {
        elapsed_ = ms;
        tick_ += static_cast<std::uint32_t>(ms);
    }
    void setTick(std::uint32_t tick) { tick_ = tick; }
    void setElapsed(float ms) { elapsed_ = ms; }

    // A picture of one colour under a key; paint() changes rectangles of it.
    engine::TextureId addPicture(const std::string& key, int width, int height,
                                 engine::Color fill) {
        const engine::TextureId id = static_cast<engine::TextureId>(pictures_.size());
        pictures_.push_back({width, height, std::vector<engine::Color>(width * height, fill)});
        keys_[key] = id;
        return id;
    }
    void paint(const std::string& key, int x1, int y1, int x2, int y2, engine::Color color) {
        Picture& p = pictures_.at(keys_.at(key));
        for (int y = std::max(0, y1); y < std::min(p.height, y2); ++y)
            for (int x = std::max(0, x1); x < std::min(p.width, x2); ++x)
                p.pixels[y * p.width + x] = color;
    }
    mutable long long pixelReads = 0;

    void clear() override {}
    bool present() override { return true; }
    float elapsedMs() const override { return elapsed_; }
    std::uint32_t tick() const override { return tick_; }
    void useScriptedClock(float) override {}
    void setVsync(bool) override {}
    engine::Size canvasSize() const override { return {1024, 768}; }
    void setSearchDirectory(const std::string&) override {}
    engine::TextureId loadTexture(const std::string&, const std::string&,
                                  const engine::LoadOptions&) override {
        return engine::kNoTexture;
    }
    engine::TextureId texture(const std::string& key) const override {
        auto it = keys_.find(key);
        return it == keys_.end() ? engine::kNoTexture : it->second;
    }
    engine::Size textureSize(engine::TextureId id) const override {
        if (id < 0 || id >= static_cast<int>(pictures_.size()))
            return {};
        return {pictures_[id].width, pictures_[id].height};
    }
    engine::Color pixel(engine::TextureId id, int x, int y) const override {
        ++pixelReads;
        if (id < 0 || id >= static_cast<int>(pictures_.size()))
            return 0;
        const Picture& p = pictures_[id];
        if (x < 0 || y < 0 || x >= p.width || y >= p.height)
            return 0;
        return p.pixels[y * p.width + x];
    }
    void drawTexture(engine::TextureId, float, float, float, float,
                     const engine::Corners&) override {}
    void drawRotated(engine::TextureId, float, float, float, float, float,
                     const engine::Corners&) override {}
    void fillRect(float, float, float, float, const engine::Corners&) override {}
    engine::FontId createFont(const std::string&, const std::string&, int,
                              const engine::FontStyle&) override {
        return engine::kNoFont;
    }
    engine::FontId font(const std::string&) const override { return engine::kNoFont; }
    engine::Size measureText(const std::string&, engine::FontId) override { return {}; }
    void drawText(const std::string&, float, float, engine::Color, engine::FontId) override {}
    void fadeIn(float, float, float, float) override {}
    bool encodeScreenshotJpeg(std::string&) override { return false; }
    bool savePng(const std::string&) override { return false; }
    const std::uint32_t* framePixels() const override { return nullptr; }
    bool pumpEvents() override { return true; }
    bool keyDown(int code) const override { return down_.count(code) > 0; }
    bool mouseButtonDown(int) const override { return false; }
    engine::Point mousePosition() const override { return {}; }
    engine::Point mouseRelative() override { return {}; }
    void setKey(int code, bool down) override {
        if (down)
            down_.insert(code);
        else
            down_.erase(code);
    }
    void setMouse(engine::Point, bool) override {}

  private:
    float elapsed_ = 16.0f;
    std::uint32_t tick_ = 100000;
    std::vector<Picture> pictures_;
    std::map<std::string, engine::TextureId> keys_;
    std::set<int> down_;
};

inline constexpr engine::Color kWall = 0xFFFF0000u;
inline constexpr engine::Color kOpen = 0xFFFFFF00u;
inline constexpr engine::Color kGround = 0xFF00FF00u; // passable, no bubbles

// A state on map 1 whose mask is all open ground, with enemy sprites of the game's sizes, no
// enemies and the fly at (430, 384) heading up.
struct Fixture {
    GameState state;
    ScriptedEngine* engine = nullptr;

    Fixture() {
        auto owned = std::make_unique<ScriptedEngine>();
        engine = owned.get();
        state.engine = std::move(owned);
        engine->addPicture("map1_mask", 1024, 768, kOpen);
        engine->addPicture("wasp_m1", 120, 80, 0);
        engine->addPicture("gnat_m1", 100, 80, 0);
        engine->addPicture("dragonfly_m1", 200, 150, 0);
        engine->addPicture("hornet_m1", 200, 152, 0);
        state.mapNumber = 1;
        state.enemyCount = 0;
        state.flyX = 430;
        state.flyY = 384;
        state.gravityX = 100000; // far away unless a test moves it
        state.gravityY = 100000;
    }
    ScriptedEngine& e() { return *engine; }
    void paintMask(int x1, int y1, int x2, int y2, engine::Color c) {
        engine->paint("map1_mask", x1, y1, x2, y2, c);
    }
    void hold(int key, bool down = true) { engine->setKey(key, down); }
};

} // namespace gameplay_test
