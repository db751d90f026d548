#include "audio/output_device.hpp"

#include "audio/limiter.hpp"
#include "audio/sound.hpp"

#include <SDL.h>

#include <algorithm>

namespace audio {
namespace {

void deviceCallback(void* user, Uint8* stream, int bytes) {
    const int frames = bytes / static_cast<int>(2 * sizeof(float));
    static_cast<OutputDevice*>(user)->fill(reinterpret_cast<float*>(stream), frames);
}

} // namespace

std::shared_ptr<OutputDevice> OutputDevice::acquire() {
    // Shared by every system, held only while one of them is using it.
    static std::mutex openMutex;
    static std::weak_ptr<OutputDevice> current;

    std::lock_guard lock(openMutex);
    if (auto device = current.lock()) {
        return device;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return nullptr;
    }
    std::shared_ptr<OutputDevice> device(new OutputDevice());
    SDL_AudioSpec wanted{};
    wanted.freq = kMixRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 2;
    wanted.samples = 1024;
    wanted.callback = deviceCallback;
    wanted.userdata = device.get();
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the hardware wants.
    device->device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device->device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    SDL_PauseAudioDevice(device->device_, 0);
    current = device;
    return device;
}

OutputDevice::~OutputDevice() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void OutputDevice::attach(MixSource* source) {
    std::lock_guard lock(sourcesMutex_);
    if (std::find(sources_.begin(), sources_.end(), source) == sources_.end()) {
        sources_.push_back(source);
    }
}

void OutputDevice::detach(MixSource* source) {
    std::lock_guard lock(sourcesMutex_);
    std::erase(sources_, source);
}

void OutputDevice::fill(float* stereo, int frames) {
    std::fill(stereo, stereo + 2 * frames, 0.0f);
    {
        std::lock_guard lock(sourcesMutex_);
        for (MixSource* source : sources_) {
            source->mixAdd(stereo, frames);
        }
    }
    limit(stereo, 2 * frames);
}

} // namespace audio
