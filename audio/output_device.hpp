// The one SDL audio device of the process. Every system that plays to the speakers adds its
// mix to it; it opens with the first such system and closes with the last.
#pragma once

#include <SDL_audio.h>

#include <memory>
#include <mutex>
#include <vector>

namespace audio {

// Something that adds its frames to the device's mix. Called on the device's thread.
class MixSource {
  public:
    virtual void mixAdd(float* stereo, int frames) = 0;

  protected:
    ~MixSource() = default;
};

class OutputDevice {
  public:
    // The open device, opening it if need be; null when no device can be opened.
    static std::shared_ptr<OutputDevice> acquire();
    ~OutputDevice();
    OutputDevice(const OutputDevice&) = delete;
    OutputDevice& operator=(const OutputDevice&) = delete;

    void attach(MixSource* source);
    // Once detach returns, the device no longer calls the source.
    void detach(MixSource* source);

    // Fills one device buffer; public for the SDL callback.
    void fill(float* stereo, int frames);

  private:
    OutputDevice() = default;

    SDL_AudioDeviceID device_ = 0;
    std::mutex sourcesMutex_;
    std::vector<MixSource*> sources_;
};

} // namespace audio
