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
    NoDevice, // init: the system works but nothing can be heard (no sound device)
    NotInitialised,
    OutOfChannels,
    InvalidParameter, // a channel count out of range, a volume that is not a number
};

// Interface level reported by version(); the game checks for exactly this value.
inline constexpr unsigned kVersion = 0x40619;

// Mode flags of createSound.
inline constexpr unsigned kModeSoftware = 64;
inline constexpr unsigned kModeLoop = 2; // 66 = software + loop

// Channel counts accepted by init.
inline constexpr int kMaxChannels = 1023;

class Sound; // Ogg Vorbis data (long music stays encoded), shareable between systems
class Echo;  // a delay effect that can be added to a system's output

using SoundHandle = std::shared_ptr<Sound>;
using EchoHandle = std::shared_ptr<Echo>;

// A channel handle is passed in and written back by play: playing on the same handle again
// reuses its channel and replaces what it plays. 0 means no channel yet. A handle of another
// system or of a channel since given to another play is stale: play then takes a fresh channel.
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
    // Systems with Output::Device share one SDL audio device. Without one, init answers
    // NoDevice and the system still works, silently (render() still mixes).
    virtual Result init(int channelCount) = 0;
    virtual Result close() = 0;

    // Mode kModeLoop makes the sound loop seamlessly; kModeSoftware is accepted and ignored.
    virtual Result createSound(const std::string& path, unsigned mode, SoundHandle& out) = 0;
    virtual Result createEcho(EchoHandle& out) = 0;
    // An echo is in at most one system's output; adding it again to the same system is Ok and
    // changes nothing. Removed, its ringing fades out within a few milliseconds.
    virtual Result addEcho(const EchoHandle& echo) = 0;
    virtual Result removeEcho(const EchoHandle& echo) = 0;

    // Play starts from the beginning at volume 1.
    virtual Result play(const SoundHandle& sound, bool paused, ChannelHandle& channel) = 0;
    virtual Result setPaused(ChannelHandle channel, bool paused) = 0;
    virtual Result setVolume(ChannelHandle channel, float volume) = 0; // 0..1, clamped
    // A paused channel counts as playing; a one-shot that reached its end does not.
    virtual Result isPlaying(ChannelHandle channel, bool& playing) const = 0;

    // Silences the whole output of the system (channels and echo) while the sounds go on
    // playing underneath, so unmuting resumes them where they are by then. Both changes glide
    // over a few milliseconds. Allowed before init; it holds across init and close.
    virtual Result setMuted(bool muted) = 0;
    virtual Result isMuted(bool& muted) const = 0;

    // Mixes the next `frames` stereo frames (interleaved float, 44100 Hz) and writes them to
    // `out`, limited to -1..1. A system playing to a device gives silence here: the device
    // alone takes its frames.
    virtual void render(float* out, int frames) = 0;
    virtual int sampleRate() const = 0;
};

// Drops the caller's handle; every channel playing the sound stops.
Result releaseSound(SoundHandle& sound);

} // namespace audio
