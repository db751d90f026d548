#include "content/sounds/vorbis.hpp"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace content::sound {

namespace {

// Owns the libvorbis and libogg encoder state for one file.
class Encoder {
  public:
    Encoder(int channels, float quality, std::uint32_t serial) {
        vorbis_info_init(&info_);
        if (vorbis_encode_init_vbr(&info_, channels, kSampleRate, quality) != 0) {
            vorbis_info_clear(&info_);
            throw std::runtime_error("vorbis encoder refused the settings");
        }
        vorbis_comment_init(&comment_);
        vorbis_comment_add_tag(&comment_, "ENCODER", "brimzel-content");
        vorbis_analysis_init(&dsp_, &info_);
        vorbis_block_init(&dsp_, &block_);
        ogg_stream_init(&stream_, static_cast<int>(serial));
    }
    ~Encoder() {
        ogg_stream_clear(&stream_);
        vorbis_block_clear(&block_);
        vorbis_dsp_clear(&dsp_);
        vorbis_comment_clear(&comment_);
        vorbis_info_clear(&info_);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    void writeHeaders(std::ostream& out) {
        ogg_packet id, comments, code;
        vorbis_analysis_headerout(&dsp_, &comment_, &id, &comments, &code);
        ogg_stream_packetin(&stream_, &id);
        ogg_stream_packetin(&stream_, &comments);
        ogg_stream_packetin(&stream_, &code);
        ogg_page page;
        while (ogg_stream_flush(&stream_, &page) != 0)
            writePage(out, page);
    }

    void writeSamples(std::ostream& out, const Audio& audio) {
        constexpr std::size_t kChunk = 4096;
        const std::size_t total = audio.frames();
        for (std::size_t at = 0; at < total; at += kChunk) {
            const std::size_t n = std::min(kChunk, total - at);
            float** buffer = vorbis_analysis_buffer(&dsp_, static_cast<int>(n));
            for (std::size_t c = 0; c < audio.channels.size(); ++c)
                std::copy_n(audio.channels[c].begin() + static_cast<std::ptrdiff_t>(at), n,
                            buffer[c]);
            vorbis_analysis_wrote(&dsp_, static_cast<int>(n));
            drain(out);
        }
        vorbis_analysis_wrote(&dsp_, 0);
        drain(out);
    }

  private:
    void drain(std::ostream& out) {
        while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
            vorbis_analysis(&block_, nullptr);
            vorbis_bitrate_addblock(&block_);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp_, &packet) != 0) {
                ogg_stream_packetin(&stream_, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&stream_, &page) != 0)
                    writePage(out, page);
            }
        }
        ogg_page page;
        if (ogg_stream_eos(&stream_))
            while (ogg_stream_flush(&stream_, &page) != 0)
                writePage(out, page);
    }

    static void writePage(std::ostream& out, const ogg_page& page) {
        out.write(reinterpret_cast<const char*>(page.header), page.header_len);
        out.write(reinterpret_cast<const char*>(page.body), page.body_len);
    }

    vorbis_info info_{};
    vorbis_comment comment_{};
    vorbis_dsp_state dsp_{};
    vorbis_block block_{};
    ogg_stream_state stream_{};
};

} // namespace

void writeOggVorbis(const Audio& audio, const std::filesystem::path& path, float quality,
                    std::uint32_t serial) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
    Encoder encoder(static_cast<int>(audio.channels.size()), quality, serial);
    encoder.writeHeaders(out);
    encoder.writeSamples(out, audio);
    out.flush();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace content::sound
