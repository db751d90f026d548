#include "engine/dds.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace engine {
namespace {

constexpr std::uint32_t kMagic = 0x20534444u; // "DDS "
constexpr std::size_t kHeaderEnd = 128;       // magic + 124-byte header
constexpr std::uint32_t kPixelFormatAlpha = 0x1;
constexpr std::uint32_t kPixelFormatFourCc = 0x4;
constexpr std::uint32_t kPixelFormatRgb = 0x40;
constexpr std::uint32_t kPixelFormatLuminance = 0x20000;
// Large enough for any picture of the game, small enough that width * height * 4 cannot overflow.
constexpr int kMaxSide = 16384;

std::uint32_t read32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

constexpr std::uint32_t fourCc(char a, char b, char c, char d) {
    return std::uint32_t(a) | std::uint32_t(b) << 8 | std::uint32_t(c) << 16 |
           std::uint32_t(d) << 24;
}

// Scales a channel extracted with `mask` to 0..255; a missing channel gives `absent`.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (mask != 0) {
            shift = std::countr_zero(mask);
            max = mask >> shift;
        }
    }
    std::uint32_t get(std::uint32_t v, std::uint32_t absent) const {
        if (max == 0)
            return absent;
        return ((v & mask) >> shift) * 255u / max;
    }
};

std::uint32_t rgb565(std::uint16_t c) {
    std::uint32_t r = (c >> 11) & 31, g = (c >> 5) & 63, b = c & 31;
    r = (r << 3) | (r >> 2);
    g = (g << 2) | (g >> 4);
    b = (b << 3) | (b >> 2);
    return 0xFF000000u | r << 16 | g << 8 | b;
}

std::uint32_t mix(std::uint32_t a, std::uint32_t b, int wa, int wb, int div) {
    std::uint32_t out = 0xFF000000u;
    for (int s = 0; s < 24; s += 8) {
        std::uint32_t ca = (a >> s) & 255, cb = (b >> s) & 255;
        out |= ((ca * wa + cb * wb) / div) << s;
    }
    return out;
}

// The four colours of a DXT colour block; `punchThrough` allows the 3-colour mode of DXT1.
std::array<std::uint32_t, 4> blockColors(const unsigned char* b, bool punchThrough) {
    std::uint16_t c0 = std::uint16_t(b[0] | b[1] << 8), c1 = std::uint16_t(b[2] | b[3] << 8);
    std::array<std::uint32_t, 4> col{rgb565(c0), rgb565(c1), 0, 0};
    if (c0 > c1 || !punchThrough) {
        col[2] = mix(col[0], col[1], 2, 1, 3);
        col[3] = mix(col[0], col[1], 1, 2, 3);
    } else {
        col[2] = mix(col[0], col[1], 1, 1, 2);
        col[3] = 0; // transparent black
    }
    return col;
}

void decodeColorBlock(const unsigned char* b, bool punchThrough, std::uint32_t out[16]) {
    auto col = blockColors(b, punchThrough);
    std::uint32_t bits = read32(b + 4);
    for (int i = 0; i < 16; ++i)
        out[i] = col[(bits >> (2 * i)) & 3];
}

void decodeExplicitAlpha(const unsigned char* b, std::uint32_t px[16]) {
    for (int i = 0; i < 16; ++i) {
        std::uint32_t a = (b[i / 2] >> (4 * (i & 1))) & 15;
        px[i] = (px[i] & 0x00FFFFFFu) | (a * 17) << 24;
    }
}

void decodeInterpolatedAlpha(const unsigned char* b, std::uint32_t px[16]) {
    std::uint32_t a[8];
    a[0] = b[0];
    a[1] = b[1];
    if (a[0] > a[1]) {
        for (int i = 1; i < 7; ++i)
            a[i + 1] = ((7 - i) * a[0] + i * a[1]) / 7;
    } else {
        for (int i = 1; i < 5; ++i)
            a[i + 1] = ((5 - i) * a[0] + i * a[1]) / 5;
        a[6] = 0;
        a[7] = 255;
    }
    std::uint64_t bits = 0;
    for (int i = 0; i < 6; ++i)
        bits |= std::uint64_t(b[2 + i]) << (8 * i);
    for (int i = 0; i < 16; ++i)
        px[i] = (px[i] & 0x00FFFFFFu) | a[(bits >> (3 * i)) & 7] << 24;
}

bool decodeBlocks(const unsigned char* data, std::size_t size, int format, Image& out,
                  std::string& error) {
    const std::size_t blockBytes = format == 1 ? 8 : 16;
    const std::size_t bw = (std::size_t(out.width) + 3) / 4, bh = (std::size_t(out.height) + 3) / 4;
    if (size < bw * bh * blockBytes) {
        error = "the DDS file is truncated";
        return false;
    }
    out.pixels.resize(std::size_t(out.width) * std::size_t(out.height)); // every block is written
    std::uint32_t px[16];
    for (std::size_t by = 0; by < bh; ++by) {
        for (std::size_t bx = 0; bx < bw; ++bx) {
            const unsigned char* b = data + (by * bw + bx) * blockBytes;
            if (format == 1) {
                decodeColorBlock(b, true, px);
            } else {
                decodeColorBlock(b + 8, false, px);
                if (format == 3)
                    decodeExplicitAlpha(b, px);
                else
                    decodeInterpolatedAlpha(b, px);
            }
            for (int i = 0; i < 16; ++i) {
                std::size_t x = bx * 4 + i % 4, y = by * 4 + i / 4;
                if (x < std::size_t(out.width) && y < std::size_t(out.height))
                    out.pixels[y * out.width + x] = px[i];
            }
        }
    }
    return true;
}

} // namespace

bool decodeDds(const unsigned char* data, std::size_t size, Image& out, std::string& error) {
    out = {};
    if (size < kHeaderEnd || read32(data) != kMagic || read32(data + 4) != 124) {
        error = "not a DDS file";
        return false;
    }
    const std::uint32_t height = read32(data + 12), width = read32(data + 16);
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) {
        error = "the DDS file has an unsupported size " + std::to_string(width) + " x " +
                std::to_string(height);
        return false;
    }
    const unsigned char* pf = data + 76; // pixel format block
    const std::uint32_t flags = read32(pf + 4);
    const std::uint32_t code = read32(pf + 8), bits = read32(pf + 12);
    // Pixels are allocated only once the body is known to hold them all, so a short file that
    // claims a huge size costs nothing.
    Image image;
    image.width = int(width);
    image.height = int(height);
    const unsigned char* body = data + kHeaderEnd;
    const std::size_t bodySize = size - kHeaderEnd;

    if (flags & kPixelFormatFourCc) {
        int format = code == fourCc('D', 'X', 'T', '1')   ? 1
                     : code == fourCc('D', 'X', 'T', '3') ? 3
                     : code == fourCc('D', 'X', 'T', '5') ? 5
                                                          : 0;
        if (format == 0) {
            error = "the DDS file uses an unsupported compression";
            return false;
        }
        if (!decodeBlocks(body, bodySize, format, image, error))
            return false;
        out = std::move(image);
        return true;
    }
    if (!(flags & (kPixelFormatRgb | kPixelFormatLuminance)) ||
        (bits != 16 && bits != 24 && bits != 32)) {
        error = "the DDS file has an unsupported pixel format";
        return false;
    }
    const std::size_t bytesPerPixel = bits / 8;
    const std::size_t pitch = bytesPerPixel * width;
    if (bodySize < pitch * height) {
        error = "the DDS file is truncated";
        return false;
    }
    const bool luminance = (flags & kPixelFormatLuminance) != 0;
    const Channel r(read32(pf + 16)), g(read32(pf + 20)), b(read32(pf + 24)),
        a((flags & kPixelFormatAlpha) ? read32(pf + 28) : 0);
    if (r.max == 0 && g.max == 0 && b.max == 0) {
        error = "the DDS file has no colour channels";
        return false;
    }
    image.pixels.resize(std::size_t(width) * height);
    // 32-bit A8R8G8B8 and X8R8G8B8, the usual kinds, are already the picture's own words.
    if (bits == 32 && !luminance && r.mask == 0x00FF0000u && g.mask == 0x0000FF00u &&
        b.mask == 0x000000FFu && (a.mask == 0xFF000000u || a.mask == 0)) {
        const std::uint32_t fill = a.mask == 0 ? 0xFF000000u : 0;
        for (std::size_t y = 0; y < height; ++y) {
            std::uint32_t* row = image.pixels.data() + y * width;
            std::memcpy(row, body + y * pitch, pitch);
            if (fill)
                for (std::size_t x = 0; x < width; ++x)
                    row[x] |= fill;
        }
        out = std::move(image);
        return true;
    }
    for (std::size_t y = 0; y < height; ++y) {
        const unsigned char* row = body + y * pitch;
        for (std::size_t x = 0; x < width; ++x) {
            const unsigned char* p = row + x * bytesPerPixel;
            std::uint32_t v = 0;
            for (std::size_t i = 0; i < bytesPerPixel; ++i)
                v |= std::uint32_t(p[i]) << (8 * i);
            const std::uint32_t red = r.get(v, 0);
            const std::uint32_t green = luminance ? red : g.get(v, 0);
            const std::uint32_t blue = luminance ? red : b.get(v, 0);
            image.pixels[y * width + x] = a.get(v, 255) << 24 | red << 16 | green << 8 | blue;
        }
    }
    out = std::move(image);
    return true;
}

bool readDds(const std::string& path, Image& out, std::string& error) {
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        error = "cannot open " + path;
        return false;
    }
    // One read of the whole file into a buffer of its size; what cannot be read (a folder) counts
    // as absent.
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    const std::size_t expected = ec ? 0 : std::size_t(size);
    std::unique_ptr<unsigned char[]> bytes(new unsigned char[expected + 1]);
    f.read(reinterpret_cast<char*>(bytes.get()), std::streamsize(expected));
    const std::size_t got = std::size_t(std::max<std::streamsize>(f.gcount(), 0));
    if (!decodeDds(bytes.get(), got, out, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

} // namespace engine
