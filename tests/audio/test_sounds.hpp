// Small Ogg Vorbis files made on the spot, and measurements of rendered buffers.
#pragma once

#include <audio/audio.hpp>

#include <filesystem>
#include <string>
#include <vector>

namespace audio_test {

// Interleaved float samples.
std::vector<float> sineTone(double frequency, double seconds, long rate, int channels,
                            float amplitude);

// Encodes `samples` as Ogg Vorbis at high quality; false if writing failed.
bool writeOgg(const std::filesystem::path& path, const std::vector<float>& samples, int channels,
              long rate);

// A folder of its own for each test, removed at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    std::filesystem::path file(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// Renders `frames` stereo frames of `system`.
std::vector<float> render(audio::System& system, int frames);

// Largest magnitude in samples [from, to) of an interleaved buffer, counted in frames.
float peak(const std::vector<float>& stereo, int fromFrame, int toFrame);

} // namespace audio_test
