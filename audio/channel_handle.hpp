// Packs a channel's place into the 32-bit handle the caller keeps: the channel's index, the
// system it belongs to and how often the channel was taken afresh, so old handles go stale.
#pragma once

#include "audio/audio.hpp"

#include <cstdint>
#include <optional>

namespace audio {

struct ChannelAddress {
    int index = 0;                // 0-based
    std::uint32_t systemTag = 0;  // low 8 bits of the system's serial number
    std::uint32_t generation = 0; // low 14 bits
};

inline constexpr std::uint32_t kIndexBits = 10; // room for kMaxChannels
inline constexpr std::uint32_t kSystemBits = 8;
inline constexpr std::uint32_t kGenerationBits = 32 - kIndexBits - kSystemBits;

inline ChannelHandle packChannel(const ChannelAddress& address) {
    const std::uint32_t systemMask = (1u << kSystemBits) - 1;
    const std::uint32_t generationMask = (1u << kGenerationBits) - 1;
    return static_cast<std::uint32_t>(address.index + 1) |
           (address.systemTag & systemMask) << kIndexBits |
           (address.generation & generationMask) << (kIndexBits + kSystemBits);
}

// Null for 0 and for handles that cannot name a channel.
inline std::optional<ChannelAddress> unpackChannel(ChannelHandle handle) {
    const std::uint32_t indexPlusOne = handle & ((1u << kIndexBits) - 1);
    if (indexPlusOne == 0) {
        return std::nullopt;
    }
    ChannelAddress address;
    address.index = static_cast<int>(indexPlusOne) - 1;
    address.systemTag = (handle >> kIndexBits) & ((1u << kSystemBits) - 1);
    address.generation = handle >> (kIndexBits + kSystemBits);
    return address;
}

inline bool sameGeneration(std::uint32_t a, std::uint32_t b) {
    const std::uint32_t mask = (1u << kGenerationBits) - 1;
    return (a & mask) == (b & mask);
}

} // namespace audio
