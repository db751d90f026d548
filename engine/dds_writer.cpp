#include "engine/dds.hpp"

#include <array>
#include <fstream>

namespace engine {
namespace {

void put32(std::vector<unsigned char>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

} // namespace

bool writeDds(const std::string& path, const Image& image) {
    std::vector<unsigned char> out;
    put32(out, 0x20534444u);                    // "DDS "
    put32(out, 124);                            // header size
    put32(out, 0x1 | 0x2 | 0x4 | 0x8 | 0x1000); // caps, height, width, pitch, pixel format
    put32(out, static_cast<std::uint32_t>(image.height));
    put32(out, static_cast<std::uint32_t>(image.width));
    put32(out, static_cast<std::uint32_t>(image.width * 4)); // pitch
    put32(out, 0);                                           // depth
    put32(out, 0);                                           // mip maps
    for (int i = 0; i < 11; ++i)
        put32(out, 0);
    // Pixel format: 32-bit RGB with alpha, masks for A8R8G8B8.
    put32(out, 32);
    put32(out, 0x41); // RGB | ALPHAPIXELS
    put32(out, 0);
    put32(out, 32);
    put32(out, 0x00FF0000u);
    put32(out, 0x0000FF00u);
    put32(out, 0x000000FFu);
    put32(out, 0xFF000000u);
    put32(out, 0x1000); // caps: texture
    for (int i = 0; i < 4; ++i)
        put32(out, 0);
    for (std::uint32_t p : image.pixels)
        put32(out, p); // little-endian 0xAARRGGBB is B, G, R, A in memory
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(f);
}

} // namespace engine
