// Rendered text kept as textures, least recently used first out: a HUD that draws the same
// strings every frame renders each one once.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <list>
#include <string>
#include <unordered_map>

namespace engine {

struct CachedText {
    SDL_Texture* texture = nullptr; // white text; colour comes from the colour modulation
    int width = 0, height = 0;
};

class TextCache {
  public:
    explicit TextCache(std::size_t capacity) : capacity_(capacity) {}
    ~TextCache() { clear(); }
    TextCache(const TextCache&) = delete;
    TextCache& operator=(const TextCache&) = delete;

    // The cached entry, marked as most recently used; null when absent.
    const CachedText* find(int font, const std::string& text);
    // Takes ownership of the texture; evicts the least recently used entry when full.
    const CachedText* insert(int font, const std::string& text, CachedText entry);
    void clear();
    std::size_t size() const { return entries_.size(); }

  private:
    struct Entry {
        std::string key;
        CachedText value;
    };
    static std::string keyOf(int font, const std::string& text);

    std::size_t capacity_;
    std::list<Entry> entries_; // most recently used first
    std::unordered_map<std::string, std::list<Entry>::iterator> index_;
};

} // namespace engine
