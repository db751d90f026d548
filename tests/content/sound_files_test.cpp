// The seventeen sounds: Ogg Vorbis files that decode; the loops join their end to their start
// without a click; music lasts 30 to 90 s; loudness is even across the set and nothing clips.
#include "tree_files.hpp"

#include <vorbis/vorbisfile.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace tree_files;

struct Decoded {
    bool ok = false;
    int channels = 0;
    long rate = 0;
    std::vector<std::vector<float>> samples; // per channel
    std::size_t frames() const { return samples.empty() ? 0 : samples[0].size(); }
};

Decoded decodeOgg(const std::filesystem::path& path) {
    Decoded d;
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0)
        return d;
    const vorbis_info* info = ov_info(&file, -1);
    d.channels = info->channels;
    d.rate = info->rate;
    d.samples.resize(static_cast<std::size_t>(d.channels));
    const ogg_int64_t total = ov_pcm_total(&file, -1);
    for (;;) {
        float** pcm = nullptr;
        int section = 0;
        const long n = ov_read_float(&file, &pcm, 4096, &section);
        if (n < 0) {
            ov_clear(&file);
            return d;
        }
        if (n == 0)
            break;
        for (int c = 0; c < d.channels; ++c)
            d.samples[static_cast<std::size_t>(c)].insert(
                d.samples[static_cast<std::size_t>(c)].end(), pcm[c], pcm[c] + n);
    }
    ov_clear(&file);
    d.ok = total == static_cast<ogg_int64_t>(d.frames());
    return d;
}

double peakOf(const Decoded& d) {
    float peak = 0;
    for (const auto& ch : d.samples)
        for (float v : ch)
            peak = std::max(peak, std::abs(v));
    return peak;
}

double rmsOf(const Decoded& d, std::size_t from, std::size_t to) {
    double sum = 0;
    std::size_t n = 0;
    for (const auto& ch : d.samples)
        for (std::size_t i = from; i < to && i < ch.size(); ++i, ++n)
            sum += static_cast<double>(ch[i]) * ch[i];
    return n ? std::sqrt(sum / static_cast<double>(n)) : 0.0;
}

double db(double gain) {
    return 20.0 * std::log10(std::max(gain, 1e-9));
}

enum class Kind { music, buzz, effect };

const std::map<std::string, Kind>& sounds() {
    static const std::map<std::string, Kind> list = {{"music_game", Kind::music},
                                                     {"music_menu", Kind::music},
                                                     {"music_intro", Kind::music},
                                                     {"music_levelintro", Kind::music},
                                                     {"sfx_fly", Kind::buzz},
                                                     {"sfx_wasp", Kind::buzz},
                                                     {"sfx_gnat", Kind::buzz},
                                                     {"sfx_hornet", Kind::buzz},
                                                     {"sfx_collect", Kind::effect},
                                                     {"sfx_collect2", Kind::effect},
                                                     {"sfx_message", Kind::effect},
                                                     {"sfx_menu_choice", Kind::effect},
                                                     {"sfx_menu_select", Kind::effect},
                                                     {"sfx_menu_select2", Kind::effect},
                                                     {"sfx_menu_choice3", Kind::effect},
                                                     {"sfx_menu_select3", Kind::effect},
                                                     {"sfx_menu_choice2", Kind::effect}};
    return list;
}

class SoundFiles : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        decoded_ = new std::map<std::string, Decoded>;
        for (const auto& [name, kind] : sounds())
            (*decoded_)[name] = decodeOgg(kTree / "sound" / (name + ".ogg"));
    }
    static void TearDownTestSuite() {
        delete decoded_;
        decoded_ = nullptr;
    }
    static const Decoded& sound(const std::string& name) { return decoded_->at(name); }
    static std::map<std::string, Decoded>* decoded_;
};

std::map<std::string, Decoded>* SoundFiles::decoded_ = nullptr;

TEST_F(SoundFiles, AllSeventeenAreOggVorbisThatDecodeWhole) {
    ASSERT_EQ(sounds().size(), 17u);
    for (const auto& [name, kind] : sounds()) {
        const std::filesystem::path path = kTree / "sound" / (name + ".ogg");
        ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
        EXPECT_EQ(formatOf(path), Format::ogg) << path;
        const Decoded& d = sound(name);
        ASSERT_TRUE(d.ok) << path << " does not decode to its stated length";
        EXPECT_EQ(d.rate, 44100) << name;
        EXPECT_GT(d.frames(), 2000u) << name;
        EXPECT_EQ(d.channels, kind == Kind::music ? 2 : 1) << name;
    }
}

TEST_F(SoundFiles, MusicLoopsLastThirtyToNinetySeconds) {
    for (const auto& [name, kind] : sounds()) {
        if (kind != Kind::music || !sound(name).ok)
            continue;
        const double seconds = static_cast<double>(sound(name).frames()) / 44100.0;
        EXPECT_GE(seconds, 30.0) << name;
        EXPECT_LE(seconds, 90.0) << name;
    }
}

// A loop plays its last sample and then its first: the step between them must be no larger
// than the steps the sound makes on its own around the join. Neither side of the join may be a
// gap of silence, and a steady buzz keeps its loudness across it.
TEST_F(SoundFiles, LoopsJoinTheirEndToTheirStartWithoutAClick) {
    for (const auto& [name, kind] : sounds()) {
        if (kind == Kind::effect || !sound(name).ok)
            continue;
        const Decoded& d = sound(name);
        const std::size_t n = d.frames(), window = 2048;
        ASSERT_GT(n, 4 * window) << name;
        for (std::size_t c = 0; c < d.samples.size(); ++c) {
            const auto& s = d.samples[c];
            float around = 0;
            for (std::size_t i = 1; i < window; ++i) {
                around = std::max(around, std::abs(s[i] - s[i - 1]));
                around = std::max(around, std::abs(s[n - i] - s[n - i - 1]));
            }
            const float join = std::abs(s.front() - s.back());
            EXPECT_LE(join, around) << name << " channel " << c << " clicks at the loop point";
        }
        const double tail = db(rmsOf(d, n - 4410, n)), head = db(rmsOf(d, 0, 4410));
        EXPECT_GT(tail, -45.0) << name << " ends in silence";
        EXPECT_GT(head, -45.0) << name << " starts with silence";
        if (kind == Kind::buzz) {
            EXPECT_NEAR(tail, head, 3.0) << name << " loudness jumps at the loop point";
        }
    }
}

TEST_F(SoundFiles, LoudnessIsEvenAndNothingClips) {
    std::vector<double> musicRms;
    for (const auto& [name, kind] : sounds()) {
        const Decoded& d = sound(name);
        if (!d.ok)
            continue;
        const double peak = db(peakOf(d)), rms = db(rmsOf(d, 0, d.frames()));
        EXPECT_LT(peak, -0.3) << name << " clips";
        switch (kind) {
        case Kind::music:
            musicRms.push_back(rms);
            break;
        case Kind::buzz:
            // Buzzes play over the music and must not drown it.
            EXPECT_LE(rms, -18.0) << name;
            EXPECT_GE(rms, -26.0) << name;
            break;
        case Kind::effect:
            // Short sounds peak just under full scale, none much louder than another.
            EXPECT_GE(peak, -6.0) << name;
            EXPECT_LE(rms, -9.0) << name;
            break;
        }
    }
    ASSERT_EQ(musicRms.size(), 4u);
    const auto [low, high] = std::minmax_element(musicRms.begin(), musicRms.end());
    EXPECT_LE(*high - *low, 1.5) << "music loops differ in loudness";
    EXPECT_NEAR(*low, -18.0, 2.0);
}

TEST_F(SoundFiles, OneShotsStartAndEndInSilence) {
    for (const auto& [name, kind] : sounds()) {
        const Decoded& d = sound(name);
        if (kind != Kind::effect || !d.ok)
            continue;
        EXPECT_LT(std::abs(d.samples[0].front()), 0.02f) << name;
        EXPECT_LT(std::abs(d.samples[0].back()), 0.02f) << name;
        EXPECT_LT(d.frames(), 2u * 44100u) << name << " is a short effect";
    }
}

} // namespace
