#include "engine/texture_store.hpp"

#include "engine/image_file.hpp"

#include <new>

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
    return put(std::move(record));
}

TextureId TextureStore::storeDeferred(DeferredPicture deferred, const std::string& key) {
    TextureRecord record;
    record.key = key;
    record.picture.image.width = deferred.size.width;
    record.picture.image.height = deferred.size.height;
    record.picture.filtered = deferred.options.filtered;
    record.deferred = std::move(deferred);
    return put(std::move(record));
}

TextureId TextureStore::put(TextureRecord record) {
    if (auto found = byKey_.find(record.key); found != byKey_.end()) {
        records_[std::size_t(found->second)] = std::move(record);
        return found->second;
    }
    records_.push_back(std::move(record));
    const TextureId id = TextureId(records_.size() - 1);
    byKey_.emplace(records_.back().key, id);
    return id;
}

const Picture* TextureStore::ready(TextureId id, std::string& error) {
    if (id < 0 || std::size_t(id) >= records_.size())
        return nullptr;
    TextureRecord& record = records_[std::size_t(id)];
    if (record.deferred) {
        const DeferredPicture deferred = std::move(*record.deferred);
        record.deferred.reset();
        try {
            Image image;
            if (!decodeDeferred(deferred, image, error))
                return nullptr;
            Picture picture = pictureOf(std::move(image), deferred.options.filtered);
            if (!uploadPicture(renderer_, picture, deferred.options.readPixels, error)) {
                error = "cannot load " + deferred.path + ": " + error;
                return nullptr;
            }
            record.picture = std::move(picture);
        } catch (const std::bad_alloc&) { // a picture too large for the memory left
            error = "cannot load " + deferred.path + ": out of memory";
            return nullptr;
        }
    }
    // A deferred decode that failed leaves the size alone: it draws nothing.
    return record.picture.image.pixels.empty() && !record.picture.texture ? nullptr
                                                                          : &record.picture;
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
