#include "audio/channel.hpp"

#include "audio/sound.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace audio {

std::optional<Channel::Prepared> Channel::prepare(const SoundHandle& sound) {
    if (!sound || sound->released()) {
        return std::nullopt;
    }
    Prepared prepared{sound, nullptr};
    if (sound->streamed()) {
        prepared.reader = OggReader::open(sound->encoded());
        if (!prepared.reader) {
            return std::nullopt;
        }
    }
    return prepared;
}

void Channel::start(Prepared prepared, bool paused) {
    sound_ = std::move(prepared.sound);
    reader_ = std::move(prepared.reader);
    chunk_.resize(2 * kChunkFrames); // here, so the mixing thread never allocates
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

void Channel::end() {
    sound_.reset();
    reader_.reset();
}

int Channel::fill(int wanted) {
    const Sound& sound = *sound_;
    const int channels = sound.channels();
    int done = 0;
    if (reader_) {
        bool rewound = false; // at most once per fill: a loop that yields nothing ends
        while (done < wanted) {
            const int got = reader_->read(chunk_.data() + done * channels, wanted - done);
            if (got > 0) {
                done += got;
                rewound = false;
                continue;
            }
            if (got < 0 || !sound.looping() || rewound || !reader_->rewind()) {
                break;
            }
            rewound = true;
        }
        return done;
    }
    const std::size_t length = sound.frames();
    constexpr float scale = 1.0f / 32768.0f;
    while (done < wanted && length > 0) {
        const std::size_t run = std::min<std::size_t>(wanted - done, length - position_);
        const std::int16_t* from = sound.data() + position_ * channels;
        float* to = chunk_.data() + done * channels;
        for (std::size_t i = 0; i < run * channels; ++i) {
            to[i] = from[i] * scale;
        }
        done += static_cast<int>(run);
        position_ += run;
        if (position_ == length) {
            if (!sound.looping()) {
                break;
            }
            position_ = 0;
        }
    }
    return done;
}

void Channel::mixAdd(float* stereo, int frames) {
    if (!sound_) {
        return;
    }
    if (sound_->released()) {
        end();
        return;
    }
    fresh_ = false;
    const float target = targetGain();
    const float step = 1.0f / kGainRampFrames;
    const int channels = sound_->channels();
    const int right = channels == 2 ? 1 : 0;
    int done = 0;
    while (done < frames) {
        if (paused_ && gain_ == 0.0f) {
            return; // a paused channel keeps its place
        }
        int wanted = std::min(frames - done, kChunkFrames);
        if (paused_) {
            // Only as far as the glide down to silence takes.
            wanted = std::min(wanted, static_cast<int>(std::ceil(gain_ / step)));
        }
        const int got = fill(wanted);
        for (int i = 0; i < got; ++i) {
            if (gain_ < target) {
                gain_ = std::min(gain_ + step, target);
            } else if (gain_ > target) {
                gain_ = std::max(gain_ - step, target);
            }
            const float* frame = chunk_.data() + i * channels;
            stereo[2 * (done + i)] += frame[0] * gain_;
            stereo[2 * (done + i) + 1] += frame[right] * gain_;
        }
        done += got;
        if (got < wanted) {
            end();
            return;
        }
    }
}

} // namespace audio
