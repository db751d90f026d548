// The DDS reader: every supported layout decoded to the exact colours, hand-made DXT blocks,
// and files that are cut short or garbage rejected without reading past their end.
#include "test_support.hpp"

#include <fstream>
#include <random>

using namespace engine;
using namespace enginetest;

namespace {

using Bytes = std::vector<unsigned char>;

void put32(Bytes& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

constexpr std::uint32_t kRgb = 0x40, kAlpha = 0x1, kFourCc = 0x4;

Bytes header(int w, int h, std::uint32_t flags, std::uint32_t fourCc, std::uint32_t bits,
             std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t a) {
    Bytes out;
    put32(out, 0x20534444u);
    put32(out, 124);
    put32(out, 0x1007);
    put32(out, std::uint32_t(h));
    put32(out, std::uint32_t(w));
    for (int i = 0; i < 2 + 1 + 11; ++i) // pitch, depth, mip maps, reserved
        put32(out, 0);
    put32(out, 32);
    put32(out, flags);
    put32(out, fourCc);
    put32(out, bits);
    put32(out, r);
    put32(out, g);
    put32(out, b);
    put32(out, a);
    for (int i = 0; i < 5; ++i)
        put32(out, 0);
    return out;
}

std::uint32_t code(const char* s) {
    return std::uint32_t(s[0]) | std::uint32_t(s[1]) << 8 | std::uint32_t(s[2]) << 16 |
           std::uint32_t(s[3]) << 24;
}

Image decode(const Bytes& bytes) {
    Image image;
    std::string error;
    EXPECT_TRUE(decodeDds(bytes.data(), bytes.size(), image, error)) << error;
    return image;
}

// A DXT colour block: red and blue end points, rows of index 0, 1, 2 and 3.
void colorBlock(Bytes& out, std::uint16_t c0, std::uint16_t c1) {
    out.insert(out.end(), {static_cast<unsigned char>(c0), static_cast<unsigned char>(c0 >> 8),
                           static_cast<unsigned char>(c1), static_cast<unsigned char>(c1 >> 8),
                           0x00, 0x55, 0xAA, 0xFF});
}

TEST(DdsReader, UncompressedLayouts) {
    // 32-bit with alpha, as the content generator writes it.
    Image argb = solidImage(2, 2, 0x80112233u);
    argb.pixels[3] = 0xFFFFFFFFu;
    ScratchDir dir;
    ASSERT_TRUE(writeDds(dir.file("a.dds"), argb));
    Image back;
    std::string error;
    ASSERT_TRUE(readDds(dir.file("a.dds"), back, error)) << error;
    EXPECT_EQ(back.pixels, argb.pixels);

    // 32-bit without alpha: the unused byte, whatever it holds, never makes pixels transparent.
    Bytes x = header(1, 1, kRgb, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    x.insert(x.end(), {0x33, 0x22, 0x11, 0x5A});
    EXPECT_EQ(decode(x).pixels[0], 0xFF112233u);

    // 32-bit in the other byte order (red in the low byte).
    Bytes abgr = header(1, 1, kRgb | kAlpha, 0, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000u);
    abgr.insert(abgr.end(), {0x11, 0x22, 0x33, 0x44});
    EXPECT_EQ(decode(abgr).pixels[0], 0x44112233u);

    // 24-bit, rows of three bytes per pixel with no padding.
    Bytes rgb = header(3, 1, kRgb, 0, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    rgb.insert(rgb.end(), {0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0x09, 0x08, 0x07});
    const Image i24 = decode(rgb);
    ASSERT_EQ(i24.width, 3);
    EXPECT_EQ(i24.pixels[0], 0xFF010203u);
    EXPECT_EQ(i24.pixels[2], 0xFF070809u);

    // 16-bit 5:6:5 widens to full range.
    Bytes r565 = header(2, 1, kRgb, 0, 16, 0xF800, 0x07E0, 0x001F, 0);
    r565.insert(r565.end(), {0x00, 0xF8, 0x1F, 0x00});
    const Image i16 = decode(r565);
    EXPECT_EQ(i16.pixels[0], 0xFFFF0000u);
    EXPECT_EQ(i16.pixels[1], 0xFF0000FFu);
}

TEST(DdsReader, Dxt1FourColoursAndPunchThrough) {
    Bytes four = header(4, 4, kFourCc, code("DXT1"), 0, 0, 0, 0, 0);
    colorBlock(four, 0xF800, 0x001F); // red > blue: four colours
    const Image a = decode(four);
    EXPECT_EQ(a.pixels[0], 0xFFFF0000u);
    EXPECT_EQ(a.pixels[4 + 3], 0xFF0000FFu);
    EXPECT_EQ(a.pixels[8], 0xFFAA0055u);  // two thirds red
    EXPECT_EQ(a.pixels[15], 0xFF5500AAu); // two thirds blue

    Bytes three = header(4, 4, kFourCc, code("DXT1"), 0, 0, 0, 0, 0);
    colorBlock(three, 0x001F, 0xF800); // blue < red: three colours and transparent
    const Image b = decode(three);
    EXPECT_EQ(b.pixels[0], 0xFF0000FFu);
    EXPECT_EQ(b.pixels[8], 0xFF7F007Fu); // half way
    EXPECT_EQ(b.pixels[12], 0x00000000u);
}

TEST(DdsReader, Dxt3ExplicitAndDxt5InterpolatedAlpha) {
    Bytes dxt3 = header(4, 4, kFourCc, code("DXT3"), 0, 0, 0, 0, 0);
    // Pixel i gets alpha i (4 bits): nibbles low first.
    for (int i = 0; i < 8; ++i)
        dxt3.push_back(static_cast<unsigned char>((2 * i) | (2 * i + 1) << 4));
    colorBlock(dxt3, 0xF800, 0x001F);
    const Image a = decode(dxt3);
    EXPECT_EQ(a.pixels[0], 0x00FF0000u);
    EXPECT_EQ(a.pixels[1], 0x11FF0000u);
    EXPECT_EQ(a.pixels[15], 0xFF5500AAu);

    Bytes dxt5 = header(4, 4, kFourCc, code("DXT5"), 0, 0, 0, 0, 0);
    // Eight-value mode (255 > 0); pixel 0 code 0, pixel 1 code 1, pixel 2 code 2, rest 0.
    dxt5.insert(dxt5.end(), {255, 0, 0b10001000, 0, 0, 0, 0, 0});
    colorBlock(dxt5, 0xF800, 0x001F);
    const Image b = decode(dxt5);
    EXPECT_EQ(b.pixels[0] >> 24, 255u);
    EXPECT_EQ(b.pixels[1] >> 24, 0u);
    EXPECT_EQ(b.pixels[2] >> 24, 218u);

    // Six-value mode (0 < 255) has fixed codes 6 = 0 and 7 = 255.
    Bytes six = header(4, 4, kFourCc, code("DXT5"), 0, 0, 0, 0, 0);
    six.insert(six.end(), {0, 255, 0b00111110, 0, 0, 0, 0, 0}); // pixel 0 code 6, pixel 1 code 7
    colorBlock(six, 0xF800, 0x001F);
    const Image c = decode(six);
    EXPECT_EQ(c.pixels[0] >> 24, 0u);
    EXPECT_EQ(c.pixels[1] >> 24, 255u);
}

TEST(DdsReader, SizesThatAreNotMultiplesOfFour) {
    Bytes odd = header(5, 3, kFourCc, code("DXT1"), 0, 0, 0, 0, 0);
    colorBlock(odd, 0xF800, 0x001F);
    colorBlock(odd, 0x07E0, 0x07E0);
    const Image image = decode(odd);
    ASSERT_EQ(image.width, 5);
    ASSERT_EQ(image.height, 3);
    ASSERT_EQ(image.pixels.size(), 15u);
    EXPECT_EQ(image.pixels[4], 0xFF00FF00u); // first column of the second block
}

TEST(DdsReader, LoadsAsTexturesOfEveryFormat) {
    ScratchDir dir;
    Bytes dxt1 = header(4, 4, kFourCc, code("DXT1"), 0, 0, 0, 0, 0);
    colorBlock(dxt1, 0xF800, 0x001F);
    std::ofstream(dir.file("d.dds"), std::ios::binary)
        .write(reinterpret_cast<const char*>(dxt1.data()), std::streamsize(dxt1.size()));
    auto e = headless(8, 8);
    TextureId t = e->loadTexture(dir.file("d.dds"), "d");
    ASSERT_NE(t, kNoTexture) << e->lastError();
    EXPECT_EQ(e->pixel(t, 3, 1), 0xFF0000FFu);
    e->clear();
    e->drawTexture(t, 0, 0, 4, 4);
    e->present();
    EXPECT_EQ(framePixel(*e, 0, 0), 0xFFFF0000u);
}

TEST(DdsReader, TruncatedAndMalformedFilesAreRejected) {
    Bytes full = header(8, 8, kFourCc, code("DXT5"), 0, 0, 0, 0, 0);
    full.resize(full.size() + 4 * 16, 0);
    Image image;
    std::string error;
    for (std::size_t cut = 0; cut < full.size(); cut += 7) {
        EXPECT_FALSE(decodeDds(full.data(), cut, image, error)) << "cut at " << cut;
        EXPECT_FALSE(error.empty());
    }
    EXPECT_TRUE(decodeDds(full.data(), full.size(), image, error));

    Bytes uncompressed = header(16, 16, kRgb | kAlpha, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000u);
    uncompressed.resize(uncompressed.size() + 16 * 16 * 4 - 1);
    EXPECT_FALSE(decodeDds(uncompressed.data(), uncompressed.size(), image, error));

    Bytes huge = header(1 << 20, 1 << 20, kRgb, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    EXPECT_FALSE(decodeDds(huge.data(), huge.size(), image, error));
    Bytes zero = header(0, 4, kRgb, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    EXPECT_FALSE(decodeDds(zero.data(), zero.size(), image, error));
    Bytes other = header(4, 4, kFourCc, code("ATI2"), 0, 0, 0, 0, 0);
    other.resize(other.size() + 64);
    EXPECT_FALSE(decodeDds(other.data(), other.size(), image, error));
    Bytes noChannels = header(1, 1, kRgb, 0, 32, 0, 0, 0, 0);
    noChannels.resize(noChannels.size() + 4);
    EXPECT_FALSE(decodeDds(noChannels.data(), noChannels.size(), image, error));
    EXPECT_TRUE(image.pixels.empty());
}

TEST(DdsReader, RandomHeadersNeverReadOutOfBounds) {
    std::mt19937 rng(7);
    Image image;
    std::string error;
    for (int round = 0; round < 3000; ++round) {
        Bytes bytes = header(int(rng() % 40), int(rng() % 40), rng() % 2 ? kFourCc : kRgb | kAlpha,
                             rng() % 2 ? code("DXT1") : code("DXT5"), (rng() % 5) * 8, rng(), rng(),
                             rng(), rng());
        bytes.resize(bytes.size() + rng() % 2000);
        for (std::size_t i = 128; i < bytes.size(); ++i)
            bytes[i] = static_cast<unsigned char>(rng());
        // Exact-size heap copies let a memory checker see any read past the end.
        std::vector<unsigned char> exact(bytes.begin(), bytes.end());
        if (decodeDds(exact.data(), exact.size(), image, error)) {
            EXPECT_EQ(image.pixels.size(), std::size_t(image.width) * image.height);
        }
    }
}

} // namespace
