#include "audio/mixing_system.hpp"

#include "audio/channel_handle.hpp"
#include "audio/echo.hpp"
#include "audio/limiter.hpp"
#include "audio/sound.hpp"
#include "audio/sound_loader.hpp"

#include <algorithm>
#include <atomic>
#include <cmath>

namespace audio {
namespace {

std::uint32_t nextSerial() {
    static std::atomic<std::uint32_t> serial{1};
    return serial.fetch_add(1);
}

} // namespace

std::unique_ptr<System> System::create(Output output) {
    return std::make_unique<MixingSystem>(output);
}

MixingSystem::MixingSystem(Output output) : output_(output), serial_(nextSerial()) {}

MixingSystem::~MixingSystem() {
    close();
}

Result MixingSystem::version(unsigned& out) const {
    out = kVersion;
    return Result::Ok;
}

Result MixingSystem::init(int channelCount) {
    if (channelCount < 1 || channelCount > kMaxChannels) {
        return Result::InvalidParameter;
    }
    close(); // a second init starts over with the new channel count
    {
        std::lock_guard lock(mutex_);
        channels_ = std::vector<Channel>(static_cast<std::size_t>(channelCount));
        nextChannel_ = 0;
        initialised_ = true;
    }
    if (output_ == Output::Buffer) {
        return Result::Ok;
    }
    device_ = OutputDevice::acquire();
    if (!device_) {
        return Result::NoDevice;
    }
    {
        std::lock_guard lock(mutex_);
        onDevice_ = true;
    }
    device_->attach(this);
    return Result::Ok;
}

Result MixingSystem::close() {
    // Off the device first: its thread takes the device's lock before ours.
    if (device_) {
        device_->detach(this);
    }
    bool wasInitialised;
    {
        std::lock_guard lock(mutex_);
        wasInitialised = initialised_;
        initialised_ = false;
        onDevice_ = false;
        channels_.clear();
        for (auto* list : {&echoes_, &fading_}) {
            for (const EchoHandle& echo : *list) {
                echo->clear();
                echo->release(this);
            }
            list->clear();
        }
    }
    device_.reset();
    return wasInitialised ? Result::Ok : Result::NotInitialised;
}

Result MixingSystem::createSound(const std::string& path, unsigned mode, SoundHandle& out) {
    out.reset();
    {
        std::lock_guard lock(mutex_);
        if (!initialised_) {
            return Result::NotInitialised;
        }
    }
    return loadSound(path, (mode & kModeLoop) != 0, out);
}

Result MixingSystem::createEcho(EchoHandle& out) {
    out.reset();
    std::lock_guard lock(mutex_);
    if (!initialised_) {
        return Result::NotInitialised;
    }
    out = std::make_shared<Echo>(kMixRate);
    return Result::Ok;
}

Result MixingSystem::addEcho(const EchoHandle& echo) {
    if (!echo) {
        return Result::InvalidHandle;
    }
    std::lock_guard lock(mutex_);
    if (!initialised_) {
        return Result::NotInitialised;
    }
    if (std::find(echoes_.begin(), echoes_.end(), echo) != echoes_.end()) {
        return Result::Ok; // already there: one echo, never two in a row
    }
    if (const auto fading = std::find(fading_.begin(), fading_.end(), echo);
        fading != fading_.end()) {
        fading_.erase(fading);
        echo->fadeIn();
        echoes_.push_back(echo);
        return Result::Ok;
    }
    if (!echo->claim(this)) {
        return Result::InvalidHandle; // in another system's output
    }
    echoes_.push_back(echo);
    return Result::Ok;
}

Result MixingSystem::removeEcho(const EchoHandle& echo) {
    if (!echo) {
        return Result::InvalidHandle;
    }
    std::lock_guard lock(mutex_);
    const auto found = std::find(echoes_.begin(), echoes_.end(), echo);
    if (found == echoes_.end()) {
        return initialised_ ? Result::InvalidHandle : Result::NotInitialised;
    }
    echoes_.erase(found);
    echo->fadeOut();
    fading_.push_back(echo);
    return Result::Ok;
}

Result MixingSystem::play(const SoundHandle& sound, bool paused, ChannelHandle& channel) {
    // Opening a decoder takes a moment: done before the mixing thread is held up.
    std::optional<Channel::Prepared> prepared = Channel::prepare(sound);
    if (!prepared) {
        return sound && !sound->released() ? Result::BadFile : Result::InvalidHandle;
    }
    std::lock_guard lock(mutex_);
    if (!initialised_) {
        return Result::NotInitialised;
    }
    if (Channel* reused = find(channel)) {
        reused->start(std::move(*prepared), paused);
        return Result::Ok;
    }
    const std::optional<int> index = freeChannel();
    if (!index) {
        channel = 0;
        return Result::OutOfChannels;
    }
    Channel& fresh = channels_[static_cast<std::size_t>(*index)];
    fresh.generation = ++freshPlays_;
    fresh.start(std::move(*prepared), paused);
    channel = handleOf(*index);
    return Result::Ok;
}

Result MixingSystem::setPaused(ChannelHandle channel, bool paused) {
    std::lock_guard lock(mutex_);
    Channel* found = find(channel);
    if (!found) {
        return initialised_ ? Result::InvalidHandle : Result::NotInitialised;
    }
    found->setPaused(paused);
    return Result::Ok;
}

Result MixingSystem::setVolume(ChannelHandle channel, float volume) {
    if (std::isnan(volume)) {
        return Result::InvalidParameter;
    }
    std::lock_guard lock(mutex_);
    Channel* found = find(channel);
    if (!found) {
        return initialised_ ? Result::InvalidHandle : Result::NotInitialised;
    }
    found->setVolume(std::clamp(volume, 0.0f, 1.0f));
    return Result::Ok;
}

Result MixingSystem::isPlaying(ChannelHandle channel, bool& playing) const {
    playing = false;
    std::lock_guard lock(mutex_);
    const Channel* found = find(channel);
    if (!found) {
        return initialised_ ? Result::InvalidHandle : Result::NotInitialised;
    }
    playing = found->busy();
    return Result::Ok;
}

Result MixingSystem::setMuted(bool muted) {
    std::lock_guard lock(mutex_);
    muted_ = muted;
    return Result::Ok;
}

Result MixingSystem::isMuted(bool& muted) const {
    std::lock_guard lock(mutex_);
    muted = muted_;
    return Result::Ok;
}

void MixingSystem::render(float* out, int frames) {
    if (out == nullptr || frames <= 0) {
        return;
    }
    std::fill(out, out + 2 * static_cast<std::size_t>(frames), 0.0f);
    {
        std::lock_guard lock(mutex_);
        if (onDevice_) {
            return;
        }
        mixLocked(out, frames);
    }
    limit(out, 2 * frames);
}

int MixingSystem::sampleRate() const {
    return kMixRate;
}

void MixingSystem::mixAdd(float* stereo, int frames) {
    std::lock_guard lock(mutex_);
    if (!initialised_) {
        return;
    }
    // Each system's echoes act on its own mix only.
    scratch_.assign(2 * static_cast<std::size_t>(frames), 0.0f);
    mixLocked(scratch_.data(), frames);
    for (std::size_t i = 0; i < scratch_.size(); ++i) {
        stereo[i] += scratch_[i];
    }
}

void MixingSystem::mixLocked(float* stereo, int frames) {
    for (Channel& channel : channels_) {
        channel.mixAdd(stereo, frames);
    }
    for (const EchoHandle& echo : echoes_) {
        echo->process(stereo, frames);
    }
    for (const EchoHandle& echo : fading_) {
        echo->process(stereo, frames);
        if (echo->silent()) {
            echo->clear();
            echo->release(this);
        }
    }
    std::erase_if(fading_, [this](const EchoHandle& echo) { return !echo->claimedBy(this); });
    applyOutputGain(stereo, frames);
}

void MixingSystem::applyOutputGain(float* stereo, int frames) {
    const float target = muted_ ? 0.0f : 1.0f;
    if (outputGain_ == 1.0f && target == 1.0f) {
        return;
    }
    const float step = 1.0f / kGainRampFrames;
    for (int i = 0; i < frames; ++i) {
        if (outputGain_ < target) {
            outputGain_ = std::min(target, outputGain_ + step);
        } else if (outputGain_ > target) {
            outputGain_ = std::max(target, outputGain_ - step);
        }
        stereo[2 * i] *= outputGain_;
        stereo[2 * i + 1] *= outputGain_;
    }
}

Channel* MixingSystem::find(ChannelHandle handle) {
    const std::optional<ChannelAddress> address = unpackChannel(handle);
    if (!initialised_ || !address || address->index >= static_cast<int>(channels_.size()) ||
        address->systemTag != (serial_ & ((1u << kSystemBits) - 1))) {
        return nullptr;
    }
    Channel& channel = channels_[static_cast<std::size_t>(address->index)];
    return sameGeneration(channel.generation, address->generation) ? &channel : nullptr;
}

const Channel* MixingSystem::find(ChannelHandle handle) const {
    return const_cast<MixingSystem*>(this)->find(handle);
}

std::optional<int> MixingSystem::freeChannel() {
    // Round the table, so a channel that just ended keeps its handle valid as long as possible.
    const int count = static_cast<int>(channels_.size());
    for (int i = 0; i < count; ++i) {
        const int index = (nextChannel_ + i) % count;
        if (!channels_[static_cast<std::size_t>(index)].busy()) {
            nextChannel_ = (index + 1) % count;
            return index;
        }
    }
    return std::nullopt;
}

ChannelHandle MixingSystem::handleOf(int index) const {
    return packChannel({index, serial_, channels_[static_cast<std::size_t>(index)].generation});
}

} // namespace audio
