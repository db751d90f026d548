// Decodes Ogg Vorbis from bytes held in memory, so long music can be decoded while it plays
// without touching the disk on the mixing thread.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace audio {

using EncodedBytes = std::shared_ptr<const std::vector<unsigned char>>;

class OggReader {
  public:
    // Null when the bytes are not usable Ogg Vorbis.
    static std::unique_ptr<OggReader> open(EncodedBytes bytes);
    ~OggReader();
    OggReader(const OggReader&) = delete;
    OggReader& operator=(const OggReader&) = delete;

    int channels() const { return channels_; } // 1 or 2: more are mixed down to stereo
    long rate() const { return rate_; }
    std::int64_t declaredFrames() const { return declaredFrames_; } // a hint, may be wrong

    // Up to `maxFrames` interleaved frames of channels(); 0 at the end, -1 on damaged data.
    int read(float* out, int maxFrames);
    // Back to the first sample; false when the stream cannot seek.
    bool rewind();

  private:
    struct State;
    explicit OggReader(std::unique_ptr<State> state);

    std::unique_ptr<State> state_;
    int channels_ = 0;
    long rate_ = 0;
    std::int64_t declaredFrames_ = 0;
};

} // namespace audio
