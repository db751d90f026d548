// JPEG files decode straight into the picture with exactly the pixels the general loader gives.
#include "engine/image_file.hpp"
#include "engine/jpeg_file.hpp"
#include "test_support.hpp"

#include <SDL_image.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <jpeglib.h>
#include <vector>

using namespace engine;
using namespace enginetest;

namespace {

// Colour (chroma at half resolution, as most encoders write it) or grey, of an odd size so the
// last rows and columns take the edge paths of the upsampler.
void writeJpeg(const std::string& path, int width, int height, bool grey) {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(std::size_t(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width * info.input_components; ++x)
            row[std::size_t(x)] = static_cast<unsigned char>((x * 7 + y * 13 + x * y) & 255);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

Image generalLoad(const std::string& path) {
    Image image;
    std::string error;
    if (SDL_Surface* surface = IMG_Load(path.c_str())) {
        EXPECT_TRUE(imageFromSurface(surface, image, error)) << error;
        SDL_FreeSurface(surface);
    }
    return image;
}

void expectSamePixels(const Image& got, const Image& expected, const std::string& name) {
    ASSERT_EQ(got.width, expected.width) << name;
    ASSERT_EQ(got.height, expected.height) << name;
    std::size_t differ = 0;
    for (std::size_t i = 0; i < got.pixels.size(); ++i)
        differ += got.pixels[i] != expected.pixels[i];
    EXPECT_EQ(differ, 0u) << name;
}

} // namespace

TEST(JpegDecoding, GivesTheGeneralLoadersPixels) {
    ScratchDir dir;
    writeJpeg(dir.file("colour.jpg"), 37, 23, false);
    writeJpeg(dir.file("grey.jpg"), 20, 9, true);
    for (const char* name : {"colour.jpg", "grey.jpg"}) {
        const std::string path = dir.file(name);
        std::ifstream in(path, std::ios::binary);
        const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
        Image fast;
        ASSERT_TRUE(looksLikeJpeg(bytes.data(), bytes.size()));
        ASSERT_TRUE(decodeJpeg(bytes.data(), bytes.size(), fast)) << name;
        expectSamePixels(fast, generalLoad(path), name);
    }
}

TEST(JpegDecoding, DamagedFilesLoadAsTheGeneralLoaderLoadsThem) {
    ScratchDir dir;
    writeJpeg(dir.file("whole.jpg"), 64, 48, false);
    std::ifstream in(dir.file("whole.jpg"), std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    // Cut in the middle of the picture data it still shows its top; cut in the header it fails
    // with the general loader's message.
    for (const std::size_t keep : {bytes.size() / 2, std::size_t(40)}) {
        const std::string path = dir.file("cut" + std::to_string(keep) + ".jpg");
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(keep));
        Image image;
        std::string error;
        const bool loaded = loadImageFile(path, image, error);
        const Image expected = generalLoad(path);
        EXPECT_EQ(loaded, expected.width > 0) << keep;
        if (loaded)
            expectSamePixels(image, expected, path);
        else
            EXPECT_NE(error.find(path), std::string::npos) << error;
    }
}

// Large JPEG pictures are read and checked at load and decoded at their first use: from the
// bytes read then, with the load's size, and to the same pixels as a load that decodes at once.
TEST(JpegDecoding, ADeferredPictureDecodesAtFirstUseAsALoadWould) {
    ScratchDir dir;
    writeJpeg(dir.file("map.jpg"), 37, 23, false);
    std::string error;
    Image expected;
    ASSERT_TRUE(decodePicture(dir.file("map.jpg"), {.width = 50, .height = 30}, expected, error));

    auto e = headless(64, 64);
    const TextureId id = e->loadTexture(dir.file("map.jpg"), "map", {.width = 50, .height = 30});
    ASSERT_NE(id, kNoTexture) << e->lastError();
    std::filesystem::remove(dir.file("map.jpg"));
    EXPECT_EQ(e->textureSize(id).width, 50);
    EXPECT_EQ(e->textureSize(id).height, 30);
    EXPECT_EQ(e->pixel(id, 49, 29), expected.pixels.back());
    e->clear();
    e->drawTexture(id, 0, 0, 50, 30);
    e->present();
    EXPECT_EQ(e->lastError(), "");

    // A file whose headers do not read fails at load, as before.
    std::ofstream(dir.file("bad.jpg"), std::ios::binary) << "\xFF\xD8\xFF\xE0 no more";
    EXPECT_EQ(e->loadTexture(dir.file("bad.jpg"), "bad"), kNoTexture);
    EXPECT_NE(e->lastError().find("bad.jpg"), std::string::npos) << e->lastError();
    EXPECT_EQ(e->pictureFailure(), "");

    // One whose data fails after its headers passed (a second scan in a one-scan picture), and
    // whose file is gone by its first use: that use, a pixel read too, is the picture failure.
    writeJpeg(dir.file("late.jpg"), 37, 23, false);
    std::ifstream in(dir.file("late.jpg"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t scan = bytes.find("\xFF\xDA");
    ASSERT_NE(scan, std::string::npos);
    const std::size_t length = std::uint8_t(bytes[scan + 2]) * 256u + std::uint8_t(bytes[scan + 3]);
    bytes.insert(bytes.size() - 2, bytes.substr(scan, 2 + length) + std::string(64, '\0'));
    std::ofstream(dir.file("late.jpg"), std::ios::binary) << bytes;
    const TextureId late = e->loadTexture(dir.file("late.jpg"), "late");
    ASSERT_NE(late, kNoTexture) << e->lastError();
    std::filesystem::remove(dir.file("late.jpg"));
    EXPECT_EQ(e->pixel(late, 0, 0), 0u);
    EXPECT_NE(e->pictureFailure().find("late.jpg"), std::string::npos) << e->pictureFailure();
}
