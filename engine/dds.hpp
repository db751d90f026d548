// DDS pictures: the reader of the texture loader and the writer of the content generator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace engine {

// A decoded picture: rows of 0xAARRGGBB pixels, top row first.
struct Image {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};

// Writes an uncompressed 32-bit A8R8G8B8 DDS file. Returns false on an I/O error.
bool writeDds(const std::string& path, const Image& image);

} // namespace engine
