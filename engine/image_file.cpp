#include "engine/image_file.hpp"

#include "engine/jpeg_file.hpp"
#include "engine/png_file.hpp"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace engine {
namespace {

// Larger pictures are refused rather than resampled.
constexpr int kMaxLoadedSide = 8192;

bool endsWithDds(const std::string& path) {
    if (path.size() < 4)
        return false;
    std::string ext = path.substr(path.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return ext == ".dds";
}

// The file's bytes, or nothing when it cannot be read (the general loader then says why).
std::vector<unsigned char> readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size <= 0)
        return {};
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size))
        return {};
    return bytes;
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
    // Most pictures are JPEG or plain PNG files: they decode straight into the picture.
    const std::vector<unsigned char> bytes = readWholeFile(path);
    if (looksLikeJpeg(bytes.data(), bytes.size()) && decodeJpeg(bytes.data(), bytes.size(), out))
        return true;
    if (looksLikePng(bytes.data(), bytes.size()) && decodePng(bytes.data(), bytes.size(), out))
        return true;
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

namespace {

// The size a load with `options` gives a picture of `width` x `height`.
Size loadedSize(const LoadOptions& options, int width, int height) {
    return {options.width <= 0 ? width : options.width,
            options.height <= 0 ? height : options.height};
}

// The edits a load asks for, once the file is decoded.
bool finishPicture(const std::string& path, const LoadOptions& options, Image& out,
                   std::string& error) {
    if (options.magentaColorKey)
        applyMagentaColorKey(out);
    const Size size = loadedSize(options, out.width, out.height);
    if (size.width > kMaxLoadedSide || size.height > kMaxLoadedSide) {
        error = "cannot load " + path + ": requested size too large";
        return false;
    }
    if (size.width != out.width || size.height != out.height)
        out = resampleImage(out, size.width, size.height, options.filtered);
    return true;
}

bool endsWithJpeg(const std::string& path) {
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos)
        return false;
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return ext == ".jpg" || ext == ".jpeg";
}

} // namespace

bool decodePicture(const std::string& path, const LoadOptions& options, Image& out,
                   std::string& error) {
    return loadImageFile(path, out, error) && finishPicture(path, options, out, error);
}

bool deferDecode(const std::string& path, const LoadOptions& options, DeferredPicture& out) {
    if (options.readPixels || !endsWithJpeg(path))
        return false;
    std::vector<unsigned char> bytes = readWholeFile(path);
    int width = 0, height = 0;
    if (!looksLikeJpeg(bytes.data(), bytes.size()) ||
        !readJpegSize(bytes.data(), bytes.size(), width, height))
        return false;
    const Size size = loadedSize(options, width, height);
    if (size.width > kMaxLoadedSide || size.height > kMaxLoadedSide)
        return false;
    out.path = path;
    out.bytes = std::move(bytes);
    out.options = options;
    out.size = size;
    return true;
}

bool decodeDeferred(const DeferredPicture& deferred, Image& out, std::string& error) {
    // The file was checked when it loaded; should the decoder refuse it now after all, the
    // general loader reads it again and names the fault.
    if (!decodeJpeg(deferred.bytes.data(), deferred.bytes.size(), out) &&
        !loadImageFile(deferred.path, out, error))
        return false;
    return finishPicture(deferred.path, deferred.options, out, error);
}

void applyMagentaColorKey(Image& image) {
    for (auto& p : image.pixels)
        if ((p & 0x00FFFFFFu) == 0x00FF00FFu)
            p = 0;
}

namespace {

// Where one output column or row samples the source: its two neighbours and the weight of the
// second. Worked out once per column and row rather than per pixel.
struct Tap {
    int first, second;
    double weight;
};

std::vector<Tap> taps(int outSize, int inSize, bool filtered) {
    std::vector<Tap> out(static_cast<std::size_t>(outSize));
    const double scale = double(inSize) / outSize;
    for (int i = 0; i < outSize; ++i) {
        if (!filtered) {
            const int nearest = std::min(inSize - 1, int((i + 0.5) * scale));
            out[std::size_t(i)] = {nearest, nearest, 0.0};
            continue;
        }
        const double f = std::clamp((i + 0.5) * scale - 0.5, 0.0, double(inSize - 1));
        const int first = int(f);
        out[std::size_t(i)] = {first, std::min(first + 1, inSize - 1), f - first};
    }
    return out;
}

// std::lround for values from 0 up: halves round up. The fraction v - trunc(v) is exact.
std::uint32_t roundChannel(double v) {
    const auto whole = std::uint32_t(v);
    return whole + (v - whole >= 0.5 ? 1u : 0u);
}

} // namespace

Image resampleImage(const Image& image, int width, int height, bool filtered) {
    Image out;
    out.width = width;
    out.height = height;
    if (image.width <= 0 || image.height <= 0) {
        out.pixels.assign(std::size_t(width) * height, 0);
        return out;
    }
    out.pixels.resize(std::size_t(width) * height);
    const std::vector<Tap> columns = taps(width, image.width, filtered);
    const std::vector<Tap> rows = taps(height, image.height, filtered);
    for (int y = 0; y < height; ++y) {
        const Tap row = rows[std::size_t(y)];
        const std::uint32_t* top = image.pixels.data() + std::size_t(row.first) * image.width;
        const std::uint32_t* bottom = image.pixels.data() + std::size_t(row.second) * image.width;
        std::uint32_t* dst = out.pixels.data() + std::size_t(y) * width;
        if (!filtered) {
            for (int x = 0; x < width; ++x)
                dst[x] = top[columns[std::size_t(x)].first];
            continue;
        }
        const double ty = row.weight;
        for (int x = 0; x < width; ++x) {
            const Tap column = columns[std::size_t(x)];
            const double tx = column.weight;
            const std::uint32_t c00 = top[column.first], c10 = top[column.second];
            const std::uint32_t c01 = bottom[column.first], c11 = bottom[column.second];
            std::uint32_t result = 0;
            for (int s = 0; s < 32; s += 8) {
                const double upper = ((c00 >> s) & 255) * (1 - tx) + ((c10 >> s) & 255) * tx;
                const double lower = ((c01 >> s) & 255) * (1 - tx) + ((c11 >> s) & 255) * tx;
                result |= roundChannel(upper * (1 - ty) + lower * ty) << s;
            }
            dst[x] = result;
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

} // namespace engine
