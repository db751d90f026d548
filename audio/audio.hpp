// The audio library of the game: systems, sounds, reusable channel handles, pause, volume and
// an echo effect, mixed in float. Every call returns a Result and never throws; a missing
// device or file only leaves that sound silent.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace audio {

enum class Result {
    Ok,
    InvalidHandle,
    FileNotFound,
    BadFile,
    NoDevice,
    NotInitialised,
    OutOfChannels,
};

// Interface level reported by version(); the game checks for exactly this value.
inline constexpr unsigned kVersion = 0x40619;

// Mode flags of createSound.
inline constexpr unsigned kModeSoftware = 64;
inline constexpr unsigned kModeLoop = 2; // 66 = software + loop

class Sound; // decoded or streamed Ogg Vorbis data, shareable between systems
class Echo;  // a delay effect that can be added to a system's output

using SoundHandle = std::shared_ptr<Sound>;
using EchoHandle = std::shared_ptr<Echo>;

// A channel handle is passed in and written back by play: playing on the same handle again
// reuses its channel and replaces what it plays. 0 means no channel yet.
using ChannelHandle = std::uint32_t;

enum class Output {
    Device, // SDL audio device when one exists, otherwise like Buffer
    Buffer, // no device; mixed only when render() is called
};

class System {
  public:
    static std::unique_ptr<System> create(Output output = Output::Device);
    virtual ~System() = default;

    virtual Result version(unsigned& out) const = 0;
    virtual Result init(int channelCount) = 0;
    virtual Result close() = 0;

    virtual Result createSound(const std::string& path, unsigned mode, SoundHandle& out) = 0;
    virtual Result createEcho(EchoHandle& out) = 0;
    virtual Result addEcho(const EchoHandle& echo) = 0;
    virtual Result removeEcho(const EchoHandle& echo) = 0;

    virtual Result play(const SoundHandle& sound, bool paused, ChannelHandle& channel) = 0;
    virtual Result setPaused(ChannelHandle channel, bool paused) = 0;
    virtual Result setVolume(ChannelHandle channel, float volume) = 0; // 0..1
    virtual Result isPlaying(ChannelHandle channel, bool& playing) const = 0;

    // Mixes the next `frames` stereo frames (interleaved float, 44100 Hz) into `out`.
    virtual void render(float* out, int frames) = 0;
    virtual int sampleRate() const = 0;
};

Result releaseSound(SoundHandle& sound);

} // namespace audio
