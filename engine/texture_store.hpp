// Textures under string keys, each with the decoded picture kept for exact pixel reads and the
// software painter (on the card alone where nothing reads it).
#pragma once

#include "engine/engine.hpp"
#include "engine/image_file.hpp"
#include "engine/picture.hpp"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace engine {

struct TextureRecord {
    std::string key;
    Picture picture; // after colour key and resampling; only its size while deferred
    std::optional<DeferredPicture> deferred;
};

class TextureStore {
  public:
    // `renderer` may be null: pictures then stay in memory only.
    explicit TextureStore(SDL_Renderer* renderer) : renderer_(renderer) {}

    // Loads `path` under `key`; a key loaded before keeps its id and gets the new picture.
    TextureId load(const std::string& path, const std::string& key, const LoadOptions& options,
                   std::string& error);
    // Stores a picture decoded from `path` (decodePicture, pictureOf) as load() would.
    TextureId store(Picture picture, const std::string& path, const std::string& key,
                    const LoadOptions& options, std::string& error);
    // Stores a picture whose decode waits for its first use.
    TextureId storeDeferred(DeferredPicture deferred, const std::string& key);
    TextureId find(const std::string& key) const;
    const TextureRecord* get(TextureId id) const;
    // The picture, decoded and on the card first if it was deferred; null for an unknown id or
    // a deferred decode that failed after all (`error` says why, once).
    const Picture* ready(TextureId id, std::string& error);

  private:
    TextureId put(TextureRecord record);

    SDL_Renderer* renderer_;
    std::vector<TextureRecord> records_;
    std::unordered_map<std::string, TextureId> byKey_;
};

} // namespace engine
