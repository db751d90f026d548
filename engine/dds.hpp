// DDS pictures: the reader of the texture loader and the writer of the content generator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace engine {

// A decoded picture: rows of 0xAARRGGBB pixels, top row first.
struct Image {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};

// Decodes a DDS file held in memory: uncompressed 16/24/32-bit RGB (with or without alpha) and
// DXT1, DXT3, DXT5; the top mip level only. Never reads past `size`: a truncated or malformed
// file returns false with a message in `error`.
bool decodeDds(const unsigned char* data, std::size_t size, Image& out, std::string& error);
bool readDds(const std::string& path, Image& out, std::string& error);

// Writes an uncompressed 32-bit A8R8G8B8 DDS file. Returns false on an I/O error.
bool writeDds(const std::string& path, const Image& image);

} // namespace engine
