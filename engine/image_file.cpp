#include "engine/image_file.hpp"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace engine {
namespace {

bool endsWithDds(const std::string& path) {
    if (path.size() < 4)
        return false;
    std::string ext = path.substr(path.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return ext == ".dds";
}

SDL_Surface* wrap(const Image& image) {
    return SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(image.pixels.data()),
                                              image.width, image.height, 32, image.width * 4,
                                              SDL_PIXELFORMAT_ARGB8888);
}

// The rows of the formats the image library decodes most files to, as 0xAARRGGBB: three bytes
// (red first or last) and four bytes R, G, B, A. SDL's general converter is several times slower
// than decoding itself for these. False for any other format.
bool convertCommonFormat(const SDL_Surface* surface, std::uint32_t* out) {
    const Uint32 format = surface->format->format;
    const bool rgb = format == SDL_PIXELFORMAT_RGB24, bgr = format == SDL_PIXELFORMAT_BGR24;
    const bool rgba = format == SDL_PIXELFORMAT_RGBA32;
    if (!rgb && !bgr && !rgba)
        return false;
    const int red = bgr ? 2 : 0, blue = 2 - red;
    const std::size_t width = std::size_t(surface->w);
    for (int y = 0; y < surface->h; ++y) {
        const auto* in =
            static_cast<const Uint8*>(surface->pixels) + std::size_t(y) * surface->pitch;
        std::uint32_t* row = out + std::size_t(y) * width;
        if (rgba) {
            for (std::size_t x = 0; x < width; ++x, in += 4)
                row[x] = std::uint32_t(in[3]) << 24 | std::uint32_t(in[0]) << 16 |
                         std::uint32_t(in[1]) << 8 | in[2];
        } else {
            for (std::size_t x = 0; x < width; ++x, in += 3)
                row[x] = 0xFF000000u | std::uint32_t(in[red]) << 16 | std::uint32_t(in[1]) << 8 |
                         in[blue];
        }
    }
    return true;
}

} // namespace

bool imageFromSurface(SDL_Surface* surface, Image& out, std::string& error) {
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0);
    if (!argb) {
        error = std::string("cannot convert the picture: ") + SDL_GetError();
        return false;
    }
    out.width = argb->w;
    out.height = argb->h;
    out.pixels.resize(std::size_t(argb->w) * argb->h);
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y)
        std::memcpy(out.pixels.data() + std::size_t(y) * argb->w,
                    static_cast<const unsigned char*>(argb->pixels) + std::size_t(y) * argb->pitch,
                    std::size_t(argb->w) * 4);
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    return true;
}

bool loadImageFile(const std::string& path, Image& out, std::string& error) {
    if (endsWithDds(path))
        return readDds(path, out, error);
    SDL_Surface* surface = IMG_Load(path.c_str());
    if (!surface) {
        error = "cannot load " + path + ": " + IMG_GetError();
        return false;
    }
    // Most files decode to plain rows that convert straight into the picture; palettes and
    // colour keys take the general route.
    bool ok = false;
    if (!SDL_ISPIXELFORMAT_INDEXED(surface->format->format) && !SDL_HasColorKey(surface) &&
        !SDL_MUSTLOCK(surface)) {
        out.width = surface->w;
        out.height = surface->h;
        out.pixels.resize(std::size_t(surface->w) * surface->h);
        ok = convertCommonFormat(surface, out.pixels.data()) ||
             SDL_ConvertPixels(surface->w, surface->h, surface->format->format, surface->pixels,
                               surface->pitch, SDL_PIXELFORMAT_ARGB8888, out.pixels.data(),
                               surface->w * 4) == 0;
    }
    if (!ok)
        ok = imageFromSurface(surface, out, error);
    SDL_FreeSurface(surface);
    if (!ok)
        error = path + ": " + error;
    return ok;
}

bool decodePicture(const std::string& path, const LoadOptions& options, Image& out,
                   std::string& error) {
    if (!loadImageFile(path, out, error))
        return false;
    if (options.magentaColorKey)
        applyMagentaColorKey(out);
    const int width = options.width <= 0 ? out.width : options.width;
    const int height = options.height <= 0 ? out.height : options.height;
    if (width > 8192 || height > 8192) {
        error = "cannot load " + path + ": requested size too large";
        return false;
    }
    if (width != out.width || height != out.height)
        out = resampleImage(out, width, height, options.filtered);
    return true;
}

void applyMagentaColorKey(Image& image) {
    for (auto& p : image.pixels)
        if ((p & 0x00FFFFFFu) == 0x00FF00FFu)
            p = 0;
}

Image resampleImage(const Image& image, int width, int height, bool filtered) {
    Image out;
    out.width = width;
    out.height = height;
    if (image.width <= 0 || image.height <= 0) {
        out.pixels.assign(std::size_t(width) * height, 0);
        return out;
    }
    out.pixels.resize(std::size_t(width) * height);
    const double sx = double(image.width) / width, sy = double(image.height) / height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t& dst = out.pixels[std::size_t(y) * width + x];
            if (!filtered) {
                int ix = std::min(image.width - 1, int((x + 0.5) * sx));
                int iy = std::min(image.height - 1, int((y + 0.5) * sy));
                dst = image.pixels[std::size_t(iy) * image.width + ix];
                continue;
            }
            double fx = std::clamp((x + 0.5) * sx - 0.5, 0.0, double(image.width - 1));
            double fy = std::clamp((y + 0.5) * sy - 0.5, 0.0, double(image.height - 1));
            int x0 = int(fx), y0 = int(fy);
            int x1 = std::min(x0 + 1, image.width - 1), y1 = std::min(y0 + 1, image.height - 1);
            double tx = fx - x0, ty = fy - y0;
            auto at = [&](int px, int py) {
                return image.pixels[std::size_t(py) * image.width + px];
            };
            std::uint32_t c00 = at(x0, y0), c10 = at(x1, y0), c01 = at(x0, y1), c11 = at(x1, y1);
            std::uint32_t result = 0;
            for (int s = 0; s < 32; s += 8) {
                double top = ((c00 >> s) & 255) * (1 - tx) + ((c10 >> s) & 255) * tx;
                double bottom = ((c01 >> s) & 255) * (1 - tx) + ((c11 >> s) & 255) * tx;
                result |= std::uint32_t(std::lround(top * (1 - ty) + bottom * ty)) << s;
            }
            dst = result;
        }
    }
    return out;
}

bool saveImagePng(const Image& image, const std::string& path, std::string& error) {
    SDL_Surface* s = wrap(image);
    if (!s) {
        error = std::string("cannot save ") + path + ": " + SDL_GetError();
        return false;
    }
    bool ok = IMG_SavePNG(s, path.c_str()) == 0;
    if (!ok)
        error = "cannot save " + path + ": " + IMG_GetError();
    SDL_FreeSurface(s);
    return ok;
}

bool saveImageJpeg(const Image& image, const std::string& path, std::string& error) {
    SDL_Surface* s = wrap(image);
    if (!s) {
        error = std::string("cannot save ") + path + ": " + SDL_GetError();
        return false;
    }
    bool ok = IMG_SaveJPG(s, path.c_str(), 90) == 0;
    if (!ok)
        error = "cannot save " + path + ": " + IMG_GetError();
    SDL_FreeSurface(s);
    return ok;
}

} // namespace engine
