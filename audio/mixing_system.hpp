// The System behind System::create: a table of channels mixed in float, an echo chain on its
// output, and optionally a place on the shared output device.
#pragma once

#include "audio/audio.hpp"
#include "audio/channel.hpp"
#include "audio/output_device.hpp"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace audio {

class MixingSystem final : public System, private MixSource {
  public:
    explicit MixingSystem(Output output);
    ~MixingSystem() override;

    Result version(unsigned& out) const override;
    Result init(int channelCount) override;
    Result close() override;

    Result createSound(const std::string& path, unsigned mode, SoundHandle& out) override;
    Result createEcho(EchoHandle& out) override;
    Result addEcho(const EchoHandle& echo) override;
    Result removeEcho(const EchoHandle& echo) override;

    Result play(const SoundHandle& sound, bool paused, ChannelHandle& channel) override;
    Result setPaused(ChannelHandle channel, bool paused) override;
    Result setVolume(ChannelHandle channel, float volume) override;
    Result isPlaying(ChannelHandle channel, bool& playing) const override;
    Result setMuted(bool muted) override;
    Result isMuted(bool& muted) const override;

    void render(float* out, int frames) override;
    int sampleRate() const override;

  private:
    void mixAdd(float* stereo, int frames) override;
    // Channels and echoes of this system added to `stereo`; the caller holds the mutex.
    void mixLocked(float* stereo, int frames);
    // Applies the mute gain, gliding towards its target; mutex held.
    void applyOutputGain(float* stereo, int frames);
    // The channel a handle names, or null when the handle is stale; mutex held.
    Channel* find(ChannelHandle handle);
    const Channel* find(ChannelHandle handle) const;
    std::optional<int> freeChannel();
    ChannelHandle handleOf(int index) const;

    const Output output_;
    const std::uint32_t serial_;
    std::shared_ptr<OutputDevice> device_; // touched only by init and close

    mutable std::mutex mutex_; // guards everything below; the device thread mixes under it
    bool initialised_ = false;
    bool onDevice_ = false;
    std::vector<Channel> channels_;
    int nextChannel_ = 0;
    std::uint32_t freshPlays_ = 0; // numbers each fresh channel, so old handles go stale
    std::vector<EchoHandle> echoes_;
    std::vector<EchoHandle> fading_; // removed, dying away; still claimed by this system
    std::vector<float> scratch_;
    bool muted_ = false;
    float outputGain_ = 1.0f; // glides towards 0 while muted, 1 otherwise
};

} // namespace audio
