#include "audio/ogg_reader.hpp"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace audio {

struct OggReader::State {
    EncodedBytes bytes;
    std::size_t position = 0;
    OggVorbis_File file{};
    int sourceChannels = 0;
    int right = 1;   // source channel heard on the right
    int centre = -1; // source centre channel, shared by both sides
};

std::unique_ptr<OggReader> OggReader::open(EncodedBytes bytes) {
    if (!bytes) {
        return nullptr;
    }
    auto state = std::make_unique<State>();
    state->bytes = std::move(bytes);
    // Reads come from the shared bytes, each reader with its own position.
    ov_callbacks callbacks{};
    callbacks.read_func = [](void* into, std::size_t size, std::size_t count,
                             void* source) -> std::size_t {
        auto& from = *static_cast<State*>(source);
        const std::size_t left = from.bytes->size() - from.position;
        const std::size_t wanted = size == 0 ? 0 : std::min(count, left / size);
        if (wanted > 0) {
            std::memcpy(into, from.bytes->data() + from.position, wanted * size);
        }
        from.position += wanted * size;
        return wanted;
    };
    callbacks.seek_func = [](void* source, ogg_int64_t offset, int whence) -> int {
        auto& from = *static_cast<State*>(source);
        const auto size = static_cast<ogg_int64_t>(from.bytes->size());
        ogg_int64_t target = offset;
        if (whence == SEEK_CUR) {
            target += static_cast<ogg_int64_t>(from.position);
        } else if (whence == SEEK_END) {
            target += size;
        }
        if (target < 0 || target > size) {
            return -1;
        }
        from.position = static_cast<std::size_t>(target);
        return 0;
    };
    callbacks.tell_func = [](void* source) -> long {
        return static_cast<long>(static_cast<State*>(source)->position);
    };
    if (ov_open_callbacks(state.get(), &state->file, nullptr, 0, callbacks) != 0) {
        return nullptr;
    }
    const vorbis_info* info = ov_info(&state->file, -1);
    if (info == nullptr || info->channels < 1 || info->rate < 1000 || info->rate > 384000) {
        ov_clear(&state->file);
        return nullptr;
    }
    const int sourceChannels = info->channels;
    const long rate = info->rate;
    state->sourceChannels = sourceChannels;
    // Vorbis puts the centre second in layouts of three and of five or more channels.
    state->right = sourceChannels == 2 || sourceChannels == 4 ? 1 : 2;
    state->centre = sourceChannels == 3 || sourceChannels >= 5 ? 1 : -1;
    const ogg_int64_t declared = ov_pcm_total(&state->file, -1);

    std::unique_ptr<OggReader> reader(new OggReader(std::move(state)));
    reader->channels_ = sourceChannels == 1 ? 1 : 2;
    reader->rate_ = rate;
    reader->declaredFrames_ = declared > 0 ? declared : 0;
    return reader;
}

OggReader::OggReader(std::unique_ptr<State> state) : state_(std::move(state)) {}

OggReader::~OggReader() {
    ov_clear(&state_->file);
}

int OggReader::read(float* out, int maxFrames) {
    // Holes are reported once each; a stream of nothing but holes is damaged.
    for (int attempt = 0; attempt < 64; ++attempt) {
        float** pcm = nullptr;
        int section = 0;
        const long got = ov_read_float(&state_->file, &pcm, maxFrames, &section);
        if (got == OV_HOLE) {
            continue;
        }
        if (got <= 0) {
            return got == 0 ? 0 : -1;
        }
        // A chained stream may change its layout; only the first one is understood.
        const vorbis_info* now = ov_info(&state_->file, section);
        if (now == nullptr || now->channels != state_->sourceChannels || now->rate != rate_) {
            return -1;
        }
        for (long i = 0; i < got; ++i) {
            if (channels_ == 1) {
                out[i] = pcm[0][i];
                continue;
            }
            float left = pcm[0][i];
            float right = pcm[state_->right][i];
            if (state_->centre >= 0) {
                left += 0.5f * pcm[state_->centre][i];
                right += 0.5f * pcm[state_->centre][i];
            }
            out[2 * i] = left;
            out[2 * i + 1] = right;
        }
        return static_cast<int>(got);
    }
    return -1;
}

bool OggReader::rewind() {
    return ov_pcm_seek(&state_->file, 0) == 0;
}

} // namespace audio
