// Loudness of the generated sounds: measuring and normalising, so no sound is harsh or much
// louder than the rest.
#pragma once

#include "content/sounds/synth.hpp"

namespace content::sound {

double peakLevel(const Audio& audio); // largest absolute sample
double rmsLevel(const Audio& audio);  // over all channels

void applyGain(Audio& audio, double gain);

// Scales so the loudest sample sits at peakDb (dBFS).
void normalisePeak(Audio& audio, double peakDb);

// Scales to rmsDb (dBFS), then bends the rare samples above ceilingDb softly under it.
void normaliseRms(Audio& audio, double rmsDb, double ceilingDb);

// Fades the first and last milliseconds of a one-shot to silence.
void fadeEdges(Audio& audio, double inSeconds, double outSeconds);

// Drops trailing samples below the given level (keeps a short tail).
void trimSilence(Audio& audio, double thresholdDb);

} // namespace content::sound
