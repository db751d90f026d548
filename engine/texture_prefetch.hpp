// Decoding of picture files on worker threads ahead of the loads that ask for them in order, so
// start-up decodes on every core while its own thread draws and fills the graphics card.
#pragma once

#include "engine/engine.hpp"
#include "engine/image_file.hpp"
#include "engine/picture.hpp"

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace engine {

// What a load of one file gives: the picture (or the file for a later decode), or the error
// that loading it reports.
struct DecodedPicture {
    bool ok = false;
    Picture picture;
    std::optional<DeferredPicture> deferred;
    std::string error;
};

// Decodes `path` (resolved to `file`) as a load with `options` does; never throws.
DecodedPicture decodeForLoad(const std::string& path, const std::string& file,
                             const LoadOptions& options);

class TexturePrefetch {
  public:
    // `files` hold the paths as the loads will name them, `resolved` the files they name.
    // At most `ahead` decoded pictures wait to be taken, which bounds the memory they hold.
    TexturePrefetch(std::vector<TextureFile> files, std::vector<std::string> resolved,
                    unsigned threads, std::size_t ahead);
    ~TexturePrefetch();
    TexturePrefetch(const TexturePrefetch&) = delete;
    TexturePrefetch& operator=(const TexturePrefetch&) = delete;

    // The decode of the next file in the list if it is this one (waiting for it); nothing when
    // the load asks for another file, which then loads without the prefetch.
    std::optional<DecodedPicture> take(const std::string& path, const LoadOptions& options);
    bool done() const;

  private:
    void work();

    std::vector<TextureFile> files_;
    std::vector<std::string> resolved_;
    std::vector<std::optional<DecodedPicture>> results_;
    std::size_t ahead_;
    std::size_t next_ = 0;    // the next file a load takes
    std::size_t claimed_ = 0; // the next file a worker decodes
    bool stopping_ = false;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::thread> workers_;
};

} // namespace engine
