// A drawable picture: the decoded pixels (kept for exact pixel reads and the software painter)
// and, on the window back end, the same pixels on the graphics card, where the decoded copy is
// kept only when pixels are read from it.
#pragma once

#include "engine/dds.hpp"

#include <SDL.h>

#include <string>

namespace engine {

struct Picture {
    Image image;                    // pixels empty once they live on the card alone; the size stays
    SDL_Texture* texture = nullptr; // owned; null where drawing happens in software
    bool opaque = false;            // every pixel has alpha 255: drawable without blending
    bool filtered = true;           // bilinear when scaled or turned, else nearest
    bool uniform = false;           // every pixel the same: drawing it is filling a colour

    Picture() = default;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    Picture(Picture&& o) noexcept { *this = std::move(o); }
    Picture& operator=(Picture&& o) noexcept;
    ~Picture();
};

// The picture of `image` in memory, with its flags read from its pixels. Safe on any thread.
Picture pictureOf(Image image, bool filtered);

// Gives the picture its card texture (on the thread that owns `renderer`); unless `keepPixels`,
// the decoded copy is let go then. False with a message when the renderer refuses the texture.
bool uploadPicture(SDL_Renderer* renderer, Picture& picture, bool keepPixels, std::string& error);

// Makes a picture of `image`; with a renderer it also gets a card texture. False with a
// message when the renderer refuses the texture.
bool makePicture(SDL_Renderer* renderer, Image image, bool filtered, Picture& out,
                 std::string& error);

} // namespace engine
