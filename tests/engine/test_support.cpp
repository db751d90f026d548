#include "test_support.hpp"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstdlib>
#include <random>

namespace enginetest {

ScratchDir::ScratchDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("brimzel-engine-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::unique_ptr<engine::Engine> headless(int width, int height) {
    engine::DisplayConfig config;
    config.backend = engine::Backend::Headless;
    config.width = width;
    config.height = height;
    std::string error;
    auto e = engine::Engine::create(config, error);
    EXPECT_TRUE(e) << error;
    return e;
}

engine::Image solidImage(int width, int height, std::uint32_t color) {
    engine::Image image;
    image.width = width;
    image.height = height;
    image.pixels.assign(std::size_t(width) * height, color);
    return image;
}

namespace {
SDL_Surface* wrap(const engine::Image& image) {
    return SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(image.pixels.data()),
                                              image.width, image.height, 32, image.width * 4,
                                              SDL_PIXELFORMAT_ARGB8888);
}
} // namespace

void writePng(const std::string& path, const engine::Image& image) {
    SDL_Surface* s = wrap(image);
    ASSERT_TRUE(s);
    EXPECT_EQ(IMG_SavePNG(s, path.c_str()), 0) << IMG_GetError();
    SDL_FreeSurface(s);
}

void writeBmp(const std::string& path, const engine::Image& image) {
    SDL_Surface* s = wrap(image);
    ASSERT_TRUE(s);
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB24, 0);
    EXPECT_EQ(SDL_SaveBMP(rgb, path.c_str()), 0) << SDL_GetError();
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(s);
}

std::uint32_t framePixel(const engine::Engine& e, int x, int y) {
    const std::uint32_t* p = e.framePixels();
    if (!p)
        return 0;
    return p[std::size_t(y) * e.canvasSize().width + x];
}

int colorDistance(std::uint32_t a, std::uint32_t b) {
    int d = 0;
    for (int s = 0; s < 32; s += 8)
        d = std::max(d, std::abs(int((a >> s) & 255) - int((b >> s) & 255)));
    return d;
}

} // namespace enginetest
