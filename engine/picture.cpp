#include "engine/picture.hpp"

#include <algorithm>

namespace engine {

Picture& Picture::operator=(Picture&& o) noexcept {
    if (this != &o) {
        if (texture)
            SDL_DestroyTexture(texture);
        image = std::move(o.image);
        texture = o.texture;
        opaque = o.opaque;
        filtered = o.filtered;
        uniform = o.uniform;
        o.texture = nullptr;
    }
    return *this;
}

Picture::~Picture() {
    if (texture)
        SDL_DestroyTexture(texture);
}

Picture pictureOf(Image image, bool filtered) {
    Picture p;
    p.filtered = filtered;
    // A picture that is not of one colour shows it within its first pixels; opacity needs them
    // all, read in a plain pass the compiler widens: these are the largest buffers of a load.
    const std::uint32_t* px = image.pixels.data();
    const std::size_t count = image.pixels.size();
    const std::uint32_t first = count ? px[0] : 0;
    std::size_t same = 0;
    while (same < count && px[same] == first)
        ++same;
    const bool uniform = count > 0 && same == count;
    std::uint32_t all = 0xFFFFFFFFu;
    constexpr std::size_t kBlock = 4096; // pictures with alpha are told early
    for (std::size_t begin = 0; begin < count && (all >> 24) == 255; begin += kBlock) {
        const std::size_t end = std::min(count, begin + kBlock);
        for (std::size_t i = begin; i < end; ++i)
            all &= px[i];
    }
    const bool opaque = (all >> 24) == 255;
    p.opaque = opaque;
    p.uniform = uniform;
    p.image = std::move(image);
    return p;
}

bool uploadPicture(SDL_Renderer* renderer, Picture& p, bool keepPixels, std::string& error) {
    if (!renderer)
        return true;
    const Image& image = p.image;
    p.texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                  image.width, image.height);
    if (!p.texture) {
        error = std::string("cannot create a texture: ") + SDL_GetError();
        return false;
    }
    SDL_UpdateTexture(p.texture, nullptr, image.pixels.data(), image.width * 4);
    SDL_SetTextureBlendMode(p.texture, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(p.texture, p.filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    if (!keepPixels)
        PixelRows().swap(p.image.pixels);
    return true;
}

bool makePicture(SDL_Renderer* renderer, Image image, bool filtered, Picture& out,
                 std::string& error) {
    Picture p = pictureOf(std::move(image), filtered);
    if (!uploadPicture(renderer, p, true, error))
        return false;
    out = std::move(p);
    return true;
}

} // namespace engine
