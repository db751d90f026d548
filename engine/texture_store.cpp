#include "engine/texture_store.hpp"

#include "engine/image_file.hpp"

namespace engine {

TextureId TextureStore::load(const std::string& path, const std::string& key,
                             const LoadOptions& options, std::string& error) {
    Image image;
    if (!loadImageFile(path, image, error))
        return kNoTexture;
    if (options.magentaColorKey)
        applyMagentaColorKey(image);
    const int width = options.width <= 0 ? image.width : options.width;
    const int height = options.height <= 0 ? image.height : options.height;
    if (width > 8192 || height > 8192) {
        error = "cannot load " + path + ": requested size too large";
        return kNoTexture;
    }
    if (width != image.width || height != image.height)
        image = resampleImage(image, width, height, options.filtered);
    TextureId id = add(std::move(image), key, options.filtered, error);
    if (id == kNoTexture)
        error = "cannot load " + path + ": " + error;
    return id;
}

TextureId TextureStore::add(Image image, const std::string& key, bool filtered,
                            std::string& error) {
    TextureRecord record;
    record.key = key;
    if (!makePicture(renderer_, std::move(image), filtered, record.picture, error))
        return kNoTexture;
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
