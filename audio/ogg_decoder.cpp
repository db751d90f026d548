#include "audio/ogg_decoder.hpp"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace audio {
namespace {

std::int16_t toInt16(float v) {
    const float scaled = std::round(v * 32767.0f);
    return static_cast<std::int16_t>(std::clamp(scaled, -32768.0f, 32767.0f));
}

// Closes the file on every way out.
struct VorbisFile {
    OggVorbis_File file{};
    bool open = false;
    ~VorbisFile() {
        if (open) {
            ov_clear(&file);
        }
    }
};

} // namespace

Result decodeOggFile(const std::string& path, DecodedPcm& out) {
    out = DecodedPcm{};
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return Result::FileNotFound;
    }
    VorbisFile vorbis;
    if (ov_fopen(path.c_str(), &vorbis.file) != 0) {
        return Result::BadFile;
    }
    vorbis.open = true;
    const vorbis_info* info = ov_info(&vorbis.file, -1);
    if (info == nullptr || info->channels < 1 || info->rate < 1000 || info->rate > 384000) {
        return Result::BadFile;
    }
    const int sourceChannels = info->channels;
    const int channels = sourceChannels == 1 ? 1 : 2;
    const long rate = info->rate;
    const std::int64_t maxFrames = static_cast<std::int64_t>(rate) * kMaxSoundSeconds;

    // The length in the header is only a hint: a damaged file may claim anything.
    const ogg_int64_t declared = ov_pcm_total(&vorbis.file, -1);
    if (declared > 0 && declared <= maxFrames) {
        out.samples.reserve(static_cast<std::size_t>(declared) * channels);
    }

    // Front left and right come first except where Vorbis puts the centre second.
    const int right = sourceChannels == 2 || sourceChannels == 4 ? 1 : 2;
    const int centre = sourceChannels == 3 || sourceChannels >= 5 ? 1 : -1;

    std::int64_t frames = 0;
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        const long got = ov_read_float(&vorbis.file, &pcm, 4096, &section);
        if (got == 0) {
            break;
        }
        if (got == OV_HOLE) {
            continue;
        }
        if (got < 0) {
            return Result::BadFile;
        }
        // A chained stream may change its layout; the first one decides.
        const vorbis_info* now = ov_info(&vorbis.file, section);
        if (now == nullptr || now->channels != sourceChannels || now->rate != rate) {
            return Result::BadFile;
        }
        frames += got;
        if (frames > maxFrames) {
            out = DecodedPcm{};
            return Result::BadFile;
        }
        for (long i = 0; i < got; ++i) {
            if (channels == 1) {
                out.samples.push_back(toInt16(pcm[0][i]));
                continue;
            }
            float left = pcm[0][i];
            float rightValue = pcm[right][i];
            if (centre >= 0) {
                left += 0.5f * pcm[centre][i];
                rightValue += 0.5f * pcm[centre][i];
            }
            out.samples.push_back(toInt16(left));
            out.samples.push_back(toInt16(rightValue));
        }
    }
    out.samples.shrink_to_fit(); // the header may have promised more than the file held
    out.channels = channels;
    out.rate = rate;
    return Result::Ok;
}

} // namespace audio
