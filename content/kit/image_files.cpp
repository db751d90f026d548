#include "content/kit/image_files.hpp"

#include "engine/dds.hpp"

#include <SDL.h>
#include <SDL_image.h>

#include <stdexcept>
#include <string>

namespace content {
namespace {

void prepareFolder(const std::filesystem::path& path) {
    std::filesystem::create_directories(path.parent_path());
}

// Straight (not premultiplied) 0xAARRGGBB pixels of the surface.
engine::Image straightPixels(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    engine::Image image;
    image.width = cairo_image_surface_get_width(surface);
    image.height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    image.pixels.resize(static_cast<size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        for (int x = 0; x < image.width; ++x) {
            std::uint32_t p = row[x];
            std::uint32_t a = p >> 24;
            std::uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            if (a != 0 && a != 255) {
                r = (r * 255 + a / 2) / a;
                g = (g * 255 + a / 2) / a;
                b = (b * 255 + a / 2) / a;
            }
            if (a == 0)
                r = g = b = 0;
            image.pixels[static_cast<size_t>(y) * image.width + x] =
                (a << 24) | (r << 16) | (g << 8) | b;
        }
    }
    return image;
}

// An SDL surface over straight pixels, for SDL_image's JPEG writer and SDL's BMP writer.
struct SdlPicture {
    engine::Image image;
    SDL_Surface* surface = nullptr;
    explicit SdlPicture(cairo_surface_t* s) : image(straightPixels(s)) {
        surface = SDL_CreateRGBSurfaceWithFormatFrom(image.pixels.data(), image.width, image.height,
                                                     32, image.width * 4, SDL_PIXELFORMAT_ARGB8888);
        if (!surface)
            throw std::runtime_error(std::string("cannot wrap picture: ") + SDL_GetError());
    }
    ~SdlPicture() { SDL_FreeSurface(surface); }
    SdlPicture(const SdlPicture&) = delete;
    SdlPicture& operator=(const SdlPicture&) = delete;
};

[[noreturn]] void fail(const std::filesystem::path& path, const std::string& why) {
    throw std::runtime_error("cannot write " + path.string() + ": " + why);
}

} // namespace

void savePng(cairo_surface_t* surface, const std::filesystem::path& path) {
    prepareFolder(path);
    if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS)
        fail(path, "PNG writer failed");
}

void saveJpeg(cairo_surface_t* surface, const std::filesystem::path& path, int quality) {
    prepareFolder(path);
    SdlPicture picture(surface);
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(picture.surface, SDL_PIXELFORMAT_RGB24, 0);
    if (!rgb)
        fail(path, SDL_GetError());
    int rc = IMG_SaveJPG(rgb, path.c_str(), quality);
    SDL_FreeSurface(rgb);
    if (rc != 0)
        fail(path, IMG_GetError());
}

void saveBmp(cairo_surface_t* surface, const std::filesystem::path& path) {
    prepareFolder(path);
    SdlPicture picture(surface);
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(picture.surface, SDL_PIXELFORMAT_RGB24, 0);
    if (!rgb)
        fail(path, SDL_GetError());
    int rc = SDL_SaveBMP(rgb, path.c_str());
    SDL_FreeSurface(rgb);
    if (rc != 0)
        fail(path, SDL_GetError());
}

void saveDds(cairo_surface_t* surface, const std::filesystem::path& path) {
    prepareFolder(path);
    if (!engine::writeDds(path.string(), straightPixels(surface)))
        fail(path, "I/O error");
}

} // namespace content
