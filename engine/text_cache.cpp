#include "engine/text_cache.hpp"

namespace engine {

std::string TextCache::keyOf(int font, const std::string& text) {
    return std::to_string(font) + '\x1f' + text;
}

const CachedText* TextCache::find(int font, const std::string& text) {
    auto it = index_.find(keyOf(font, text));
    if (it == index_.end())
        return nullptr;
    entries_.splice(entries_.begin(), entries_, it->second);
    return &it->second->value;
}

const CachedText* TextCache::insert(int font, const std::string& text, CachedText entry) {
    std::string key = keyOf(font, text);
    if (auto it = index_.find(key); it != index_.end()) {
        if (it->second->value.texture)
            SDL_DestroyTexture(it->second->value.texture);
        it->second->value = entry;
        entries_.splice(entries_.begin(), entries_, it->second);
        return &it->second->value;
    }
    while (!entries_.empty() && entries_.size() >= capacity_) {
        Entry& last = entries_.back();
        if (last.value.texture)
            SDL_DestroyTexture(last.value.texture);
        index_.erase(last.key);
        entries_.pop_back();
    }
    entries_.push_front({key, entry});
    index_.emplace(std::move(key), entries_.begin());
    return &entries_.front().value;
}

void TextCache::clear() {
    for (auto& e : entries_)
        if (e.value.texture)
            SDL_DestroyTexture(e.value.texture);
    entries_.clear();
    index_.clear();
}

} // namespace engine
