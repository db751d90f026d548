#include "engine/text_cache.hpp"

namespace engine {

std::string TextCache::keyOf(int font, const std::string& text) {
    return std::to_string(font) + '\x1f' + text;
}

const Picture* TextCache::find(int font, const std::string& text) {
    auto it = index_.find(keyOf(font, text));
    if (it == index_.end())
        return nullptr;
    entries_.splice(entries_.begin(), entries_, it->second);
    return &it->second->picture;
}

const Picture* TextCache::insert(int font, const std::string& text, Picture picture) {
    std::string key = keyOf(font, text);
    if (auto it = index_.find(key); it != index_.end()) {
        it->second->picture = std::move(picture);
        entries_.splice(entries_.begin(), entries_, it->second);
        return &it->second->picture;
    }
    while (!entries_.empty() && entries_.size() >= capacity_) {
        index_.erase(entries_.back().key);
        entries_.pop_back();
    }
    entries_.push_front({key, std::move(picture)});
    index_.emplace(std::move(key), entries_.begin());
    return &entries_.front().picture;
}

void TextCache::clear() {
    entries_.clear();
    index_.clear();
}

} // namespace engine
