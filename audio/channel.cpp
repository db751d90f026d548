#include "audio/channel.hpp"

#include "audio/sound.hpp"

#include <utility>

namespace audio {

void Channel::start(SoundHandle sound, bool paused) {
    sound_ = std::move(sound);
    position_ = 0;
    paused_ = paused;
    volume_ = 1.0f;
    gain_ = targetGain();
    fresh_ = true;
}

bool Channel::busy() const {
    return sound_ && !sound_->released();
}

void Channel::setPaused(bool paused) {
    paused_ = paused;
    if (fresh_) {
        gain_ = targetGain();
    }
}

void Channel::setVolume(float volume) {
    volume_ = volume;
    if (fresh_) {
        gain_ = targetGain();
    }
}

void Channel::mixAdd(float* stereo, int frames) {
    if (!sound_) {
        return;
    }
    const Sound& sound = *sound_;
    const std::size_t length = sound.frames();
    if (sound.released() || length == 0) {
        sound_.reset();
        return;
    }
    fresh_ = false;
    const float target = targetGain();
    if (paused_ && gain_ == 0.0f) {
        return; // a paused channel keeps its place
    }
    const std::int16_t* data = sound.data();
    const bool stereoSource = sound.channels() == 2;
    const float step = 1.0f / kGainRampFrames;
    constexpr float scale = 1.0f / 32768.0f;
    for (int i = 0; i < frames; ++i) {
        if (gain_ < target) {
            gain_ = gain_ + step < target ? gain_ + step : target;
        } else if (gain_ > target) {
            gain_ = gain_ - step > target ? gain_ - step : target;
        }
        if (paused_ && gain_ == 0.0f) {
            return;
        }
        float left;
        float right;
        if (stereoSource) {
            left = data[2 * position_] * scale;
            right = data[2 * position_ + 1] * scale;
        } else {
            left = right = data[position_] * scale;
        }
        stereo[2 * i] += left * gain_;
        stereo[2 * i + 1] += right * gain_;
        if (++position_ == length) {
            if (!sound.looping()) {
                sound_.reset();
                return;
            }
            position_ = 0;
        }
    }
}

} // namespace audio
