// Decoding picture files into plain pixels, and the edits made before a picture becomes a
// texture (colour key, resampling).
#pragma once

#include "engine/dds.hpp"
#include "engine/engine.hpp"

#include <string>
#include <vector>

struct SDL_Surface;

namespace engine {

// DDS through our own reader, everything else (JPEG, PNG, BMP, ...) through SDL_image.
bool loadImageFile(const std::string& path, Image& out, std::string& error);

// Decodes a file and makes the edits a load asks for (colour key, size). Safe on any thread.
// False with a message naming the file.
bool decodePicture(const std::string& path, const LoadOptions& options, Image& out,
                   std::string& error);

// A JPEG file read and checked at load, whose pixels are decoded only when first drawn or read:
// most of the large pictures are shown late or never in a run (other maps, other languages), and
// filling fresh memory with all of them at once cost more than decoding them.
struct DeferredPicture {
    std::string path;
    std::vector<unsigned char> bytes;
    LoadOptions options;
    Size size; // after the load's resampling
};

// True when `path` is a JPEG file that decodes (its headers read well) and nothing reads its
// pixels at once (masks); `out` then holds it. Otherwise the load decodes it at once.
bool deferDecode(const std::string& path, const LoadOptions& options, DeferredPicture& out);
// Decodes a deferred picture with the load's edits, as decodePicture() would have.
bool decodeDeferred(const DeferredPicture& deferred, Image& out, std::string& error);

// Pure magenta (any alpha) becomes fully transparent black, so filtering does not bleed pink.
void applyMagentaColorKey(Image& image);

// Bilinear when `filtered`, else nearest neighbour (keeps mask colours pure).
Image resampleImage(const Image& image, int width, int height, bool filtered);

// Copies an SDL surface of any format into an Image; false with a message on failure.
bool imageFromSurface(SDL_Surface* surface, Image& out, std::string& error);

// Saves 0xAARRGGBB pixels as PNG.
bool saveImagePng(const Image& image, const std::string& path, std::string& error);

} // namespace engine
