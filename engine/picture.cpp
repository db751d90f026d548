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

bool makePicture(SDL_Renderer* renderer, Image image, bool filtered, Picture& out,
                 std::string& error) {
    Picture p;
    p.filtered = filtered;
    p.opaque = std::all_of(image.pixels.begin(), image.pixels.end(),
                           [](std::uint32_t px) { return (px >> 24) == 255; });
    p.uniform = !image.pixels.empty() &&
                std::all_of(image.pixels.begin(), image.pixels.end(),
                            [&](std::uint32_t px) { return px == image.pixels.front(); });
    if (renderer) {
        p.texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                      image.width, image.height);
        if (!p.texture) {
            error = std::string("cannot create a texture: ") + SDL_GetError();
            return false;
        }
        SDL_UpdateTexture(p.texture, nullptr, image.pixels.data(), image.width * 4);
        SDL_SetTextureBlendMode(p.texture, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(p.texture, filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    }
    p.image = std::move(image);
    out = std::move(p);
    return true;
}

} // namespace engine
