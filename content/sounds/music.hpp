// The four music loops. Each is a whole number of bars whose last notes ring on into the first,
// so it loops without a seam; levels are set by the caller.
#pragma once

#include "content/sounds/instruments.hpp"
#include "content/sounds/synth.hpp"

namespace content::sound {

Audio gameMusic(const Instruments& instruments);       // light and bouncy, C major
Audio menuMusic(const Instruments& instruments);       // calm, F major
Audio introMusic(const Instruments& instruments);      // bright fanfare, D major
Audio levelIntroMusic(const Instruments& instruments); // suspenseful, E minor

} // namespace content::sound
