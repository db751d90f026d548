#include "engine/texture_prefetch.hpp"

#include "common/signal_stack.hpp"

#include <new>

namespace engine {

DecodedPicture decodeForLoad(const std::string& path, const std::string& file,
                             const LoadOptions& options) {
    DecodedPicture out;
    try {
        if (DeferredPicture deferred; deferDecode(file, options, deferred)) {
            out.ok = true;
            out.deferred = std::move(deferred);
            return out;
        }
        Image image;
        out.ok = decodePicture(file, options, image, out.error);
        if (out.ok)
            out.picture = pictureOf(std::move(image), options.filtered);
    } catch (const std::bad_alloc&) { // a picture too large for the memory left
        out.ok = false;
        out.error = "cannot load " + path + ": out of memory";
    }
    return out;
}

TexturePrefetch::TexturePrefetch(std::vector<TextureFile> files, std::vector<std::string> resolved,
                                 unsigned threads, std::size_t ahead)
    : files_(std::move(files)), resolved_(std::move(resolved)), results_(files_.size()),
      ahead_(ahead > 0 ? ahead : 1) {
    for (unsigned i = 0; i < threads && i < files_.size(); ++i)
        workers_.emplace_back([this] { work(); });
}

TexturePrefetch::~TexturePrefetch() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (auto& worker : workers_)
        worker.join();
}

void TexturePrefetch::work() {
    const common::ThreadSignalStack signalStack; // a decoder's fault is reported like any other
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] {
            return stopping_ || claimed_ >= files_.size() || claimed_ < next_ + ahead_;
        });
        if (stopping_ || claimed_ >= files_.size())
            return;
        const std::size_t i = claimed_++;
        lock.unlock();
        DecodedPicture decoded = decodeForLoad(files_[i].path, resolved_[i], files_[i].options);
        lock.lock();
        results_[i] = std::move(decoded);
        changed_.notify_all();
    }
}

std::optional<DecodedPicture> TexturePrefetch::take(const std::string& path,
                                                    const LoadOptions& options) {
    std::unique_lock lock(mutex_);
    if (next_ >= files_.size() || files_[next_].path != path || !(files_[next_].options == options))
        return std::nullopt;
    const std::size_t i = next_;
    changed_.wait(lock, [&] { return results_[i].has_value(); });
    std::optional<DecodedPicture> out = std::move(results_[i]);
    results_[i].reset();
    ++next_;
    lock.unlock();
    changed_.notify_all(); // a worker may decode one more
    return out;
}

bool TexturePrefetch::done() const {
    std::lock_guard lock(mutex_);
    return next_ >= files_.size();
}

} // namespace engine
