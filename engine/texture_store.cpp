#include "engine/texture_store.hpp"

#include "engine/image_file.hpp"

namespace engine {

TextureId TextureStore::load(const std::string& path, const std::string& key,
                             const LoadOptions& options, std::string& error) {
    Image image;
    if (!decodePicture(path, options, image, error))
        return kNoTexture;
    return store(pictureOf(std::move(image), options.filtered), path, key, options, error);
}

TextureId TextureStore::store(Picture picture, const std::string& path, const std::string& key,
                              const LoadOptions& options, std::string& error) {
    TextureRecord record;
    record.key = key;
    record.picture = std::move(picture);
    if (!uploadPicture(renderer_, record.picture, options.readPixels, error)) {
        error = "cannot load " + path + ": " + error;
        return kNoTexture;
    }
    if (auto found = byKey_.find(key); found != byKey_.end()) {
        records_[std::size_t(found->second)] = std::move(record);
        return found->second;
    }
    records_.push_back(std::move(record));
    const TextureId id = TextureId(records_.size() - 1);
    byKey_.emplace(key, id);
    return id;
}

TextureId TextureStore::find(const std::string& key) const {
    auto found = byKey_.find(key);
    return found == byKey_.end() ? kNoTexture : found->second;
}

const TextureRecord* TextureStore::get(TextureId id) const {
    if (id < 0 || std::size_t(id) >= records_.size())
        return nullptr;
    return &records_[std::size_t(id)];
}

} // namespace engine
