#include "test_sounds.hpp"

#include <vorbis/vorbisenc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <unistd.h>

namespace audio_test {

std::vector<float> sineTone(double frequency, double seconds, long rate, int channels,
                            float amplitude) {
    const auto frames = static_cast<std::size_t>(std::llround(seconds * rate));
    std::vector<float> samples(frames * channels);
    for (std::size_t i = 0; i < frames; ++i) {
        const double phase = 2.0 * std::numbers::pi * frequency * static_cast<double>(i) / rate;
        for (int c = 0; c < channels; ++c) {
            samples[i * channels + c] = amplitude * static_cast<float>(std::sin(phase));
        }
    }
    return samples;
}

bool writeOgg(const std::filesystem::path& path, const std::vector<float>& samples, int channels,
              long rate) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, 0.9f) != 0) {
        vorbis_info_clear(&info);
        std::fclose(file);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    ogg_packet header;
    ogg_packet commentHeader;
    ogg_packet codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0) {
        std::fwrite(page.header, 1, page.header_len, file);
        std::fwrite(page.body, 1, page.body_len, file);
    }

    const std::size_t frames = samples.size() / channels;
    std::size_t done = 0;
    bool ended = false;
    while (!ended) {
        const std::size_t chunk = std::min<std::size_t>(1024, frames - done);
        if (chunk == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(chunk));
            for (std::size_t i = 0; i < chunk; ++i) {
                for (int c = 0; c < channels; ++c) {
                    buffer[c][i] = samples[(done + i) * channels + c];
                }
            }
            vorbis_analysis_wrote(&dsp, static_cast<int>(chunk));
            done += chunk;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    std::fwrite(page.header, 1, page.header_len, file);
                    std::fwrite(page.body, 1, page.body_len, file);
                    ended = ogg_page_eos(&page) != 0;
                }
            }
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return std::fclose(file) == 0;
}

TempFolder::TempFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("brimzel-audio-" + std::to_string(::getpid()) + "-" +
             (test != nullptr ? test->name() : "folder"));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<float> render(audio::System& system, int frames) {
    std::vector<float> out(2 * static_cast<std::size_t>(frames));
    system.render(out.data(), frames);
    return out;
}

float peak(const std::vector<float>& stereo, int fromFrame, int toFrame) {
    float largest = 0.0f;
    for (int i = 2 * fromFrame; i < 2 * toFrame && i < static_cast<int>(stereo.size()); ++i) {
        largest = std::max(largest, std::fabs(stereo[static_cast<std::size_t>(i)]));
    }
    return largest;
}

} // namespace audio_test
