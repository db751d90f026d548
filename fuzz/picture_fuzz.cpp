// JPEG and PNG files as the picture loader's own decoders take them: a refused file leaves no
// picture, a decoded one holds width x height pixels of the size its headers promised.
#include "engine/jpeg_file.hpp"
#include "engine/png_file.hpp"
#include "fuzz/input_file.hpp"

#include <cstdint>

namespace {

// Pictures the game may load are up to 16384 pixels a side; the harness keeps to 16 million
// pixels so the fuzzer's memory limit measures the decoders, not the size a header asks for.
constexpr std::uint64_t kMaxPixels = 16u << 20;

std::uint32_t bigEndian(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

void expectWhole(const engine::Image& image, bool ok) {
    if (!ok) {
        if (image.width != 0 || image.height != 0 || !image.pixels.empty())
            fuzz::fail("a refused picture left pixels behind");
        return;
    }
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != std::size_t(image.width) * std::size_t(image.height))
        fuzz::fail("a decoded picture does not hold width x height pixels");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (engine::looksLikeJpeg(data, size)) {
        int width = 0, height = 0;
        if (!engine::readJpegSize(data, size, width, height) ||
            std::uint64_t(width) * std::uint64_t(height) > kMaxPixels)
            return 0;
        engine::Image image;
        const bool ok = engine::decodeJpeg(data, size, image);
        expectWhole(image, ok);
        if (ok && (image.width != width || image.height != height))
            fuzz::fail("the decoded size differs from the size the headers gave");
    } else if (engine::looksLikePng(data, size)) {
        if (size < 24 || std::uint64_t(bigEndian(data + 16)) * bigEndian(data + 20) > kMaxPixels)
            return 0;
        engine::Image image;
        expectWhole(image, engine::decodePng(data, size, image));
    }
    return 0;
}
