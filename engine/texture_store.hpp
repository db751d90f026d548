// Textures under string keys, each with the decoded picture kept for exact pixel reads.
#pragma once

#include "engine/dds.hpp"
#include "engine/engine.hpp"

#include <SDL.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace engine {

struct TextureRecord {
    std::string key;
    SDL_Texture* texture = nullptr;
    Image image;         // what the texture shows, after colour key and resampling
    bool opaque = false; // every pixel has alpha 255: drawable without blending
};

class TextureStore {
  public:
    explicit TextureStore(SDL_Renderer* renderer) : renderer_(renderer) {}
    ~TextureStore();
    TextureStore(const TextureStore&) = delete;
    TextureStore& operator=(const TextureStore&) = delete;

    // Loads `path` under `key`; a key loaded before keeps its id and gets the new picture.
    TextureId load(const std::string& path, const std::string& key, const LoadOptions& options,
                   std::string& error);
    // Makes a texture from pixels already in memory.
    TextureId add(Image image, const std::string& key, bool filtered, std::string& error);
    TextureId find(const std::string& key) const;
    const TextureRecord* get(TextureId id) const;

  private:
    SDL_Renderer* renderer_;
    std::vector<TextureRecord> records_;
    std::unordered_map<std::string, TextureId> byKey_;
};

} // namespace engine
