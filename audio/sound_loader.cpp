#include "audio/sound_loader.hpp"

#include "audio/ogg_reader.hpp"
#include "audio/resampler.hpp"
#include "audio/sound.hpp"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace audio {
namespace {

std::int16_t toInt16(float v) {
    const float scaled = std::round(v * 32767.0f);
    return static_cast<std::int16_t>(std::clamp(scaled, -32768.0f, 32767.0f));
}

Result readFile(const std::string& path, std::vector<unsigned char>& bytes) {
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error)) {
        return Result::FileNotFound;
    }
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > static_cast<std::uintmax_t>(kMaxFileBytes)) {
        return Result::BadFile;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return Result::FileNotFound;
    }
    bytes.resize(static_cast<std::size_t>(size));
    if (!file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        return Result::BadFile;
    }
    return Result::Ok;
}

Result decodeAll(OggReader& reader, std::vector<std::int16_t>& samples) {
    const int channels = reader.channels();
    const std::int64_t maxFrames = static_cast<std::int64_t>(reader.rate()) * kMaxDecodedSeconds;
    if (reader.declaredFrames() <= maxFrames) {
        samples.reserve(static_cast<std::size_t>(reader.declaredFrames() * channels));
    }
    std::vector<float> chunk(4096 * 2);
    std::int64_t frames = 0;
    for (;;) {
        const int got = reader.read(chunk.data(), 4096);
        if (got == 0) {
            break;
        }
        if (got < 0) {
            return Result::BadFile;
        }
        frames += got;
        if (frames > maxFrames) {
            return Result::BadFile;
        }
        for (int i = 0; i < got * channels; ++i) {
            samples.push_back(toInt16(chunk[static_cast<std::size_t>(i)]));
        }
    }
    samples.shrink_to_fit(); // the header may have promised more than the file held
    return Result::Ok;
}

} // namespace

Result loadSound(const std::string& path, bool looping, SoundHandle& out) {
    out.reset();
    auto bytes = std::make_shared<std::vector<unsigned char>>();
    if (const Result read = readFile(path, *bytes); read != Result::Ok) {
        return read;
    }
    const EncodedBytes encoded = std::move(bytes);
    std::unique_ptr<OggReader> reader = OggReader::open(encoded);
    if (!reader) {
        return Result::BadFile;
    }
    const int channels = reader->channels();
    const long rate = reader->rate();

    if (rate == kMixRate && reader->declaredFrames() > kStreamAboveSeconds * rate) {
        // Check that it decodes at all; damage further on ends it early while playing.
        std::vector<float> probe(2 * 1024);
        if (reader->read(probe.data(), 1024) <= 0) {
            return Result::BadFile;
        }
        out = std::make_shared<Sound>(encoded, channels, looping);
        return Result::Ok;
    }

    std::vector<std::int16_t> samples;
    if (const Result decoded = decodeAll(*reader, samples); decoded != Result::Ok) {
        return decoded;
    }
    if (rate != kMixRate) {
        samples = resample(samples, channels, rate, kMixRate, looping);
    }
    out = std::make_shared<Sound>(std::move(samples), channels, looping);
    return Result::Ok;
}

} // namespace audio
