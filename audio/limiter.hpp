// Keeps a float mix within -1..1: untouched up to the knee, bent softly towards full scale.
#pragma once

namespace audio {

inline constexpr float kLimiterKnee = 0.9f;

void limit(float* samples, int count);

} // namespace audio
