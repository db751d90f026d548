#include "engine/texture_store.hpp"

#include "engine/image_file.hpp"

#include <algorithm>

namespace engine {

TextureStore::~TextureStore() {
    for (auto& r : records_)
        if (r.texture)
            SDL_DestroyTexture(r.texture);
}

TextureId TextureStore::load(const std::string& path, const std::string& key,
                             const LoadOptions& options, std::string& error) {
    Image image;
    if (!loadImageFile(path, image, error))
        return kNoTexture;
    if (options.magentaColorKey)
        applyMagentaColorKey(image);
    const bool keepWidth = options.width <= 0, keepHeight = options.height <= 0;
    const int width = keepWidth ? image.width : options.width;
    const int height = keepHeight ? image.height : options.height;
    if (width > 16384 || height > 16384) {
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
    SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                             SDL_TEXTUREACCESS_STATIC, image.width, image.height);
    if (!texture) {
        error = std::string("cannot create a texture: ") + SDL_GetError();
        return kNoTexture;
    }
    SDL_UpdateTexture(texture, nullptr, image.pixels.data(), image.width * 4);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(texture, filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    TextureRecord record;
    record.key = key;
    record.texture = texture;
    record.opaque = std::all_of(image.pixels.begin(), image.pixels.end(),
                                [](std::uint32_t p) { return (p >> 24) == 255; });
    record.image = std::move(image);

    auto found = byKey_.find(key);
    if (found != byKey_.end()) {
        TextureRecord& old = records_[std::size_t(found->second)];
        SDL_DestroyTexture(old.texture);
        old = std::move(record);
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
