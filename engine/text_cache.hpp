// Rendered text kept as pictures, least recently used first out: a HUD that draws the same
// strings every frame renders each one once.
#pragma once

#include "engine/picture.hpp"

#include <cstddef>
#include <list>
#include <string>
#include <unordered_map>

namespace engine {

class TextCache {
  public:
    explicit TextCache(std::size_t capacity) : capacity_(capacity) {}

    // The cached text (white; colour comes from tinting), marked most recently used; null when
    // absent.
    const Picture* find(int font, const std::string& text);
    // Evicts the least recently used entry when full.
    const Picture* insert(int font, const std::string& text, Picture picture);
    void clear();
    std::size_t size() const { return entries_.size(); }

  private:
    struct Entry {
        std::string key;
        Picture picture;
    };
    static std::string keyOf(int font, const std::string& text);

    std::size_t capacity_;
    std::list<Entry> entries_; // most recently used first
    std::unordered_map<std::string, std::list<Entry>::iterator> index_;
};

} // namespace engine
