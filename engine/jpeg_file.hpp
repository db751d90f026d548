// JPEG files decoded by libjpeg straight into 0xAARRGGBB rows: no intermediate picture in the
// library's own format and no conversion pass, which together cost as much as the decoding.
#pragma once

#include "engine/dds.hpp"

#include <string>

namespace engine {

// True when the file starts like a JPEG file.
bool looksLikeJpeg(const unsigned char* data, std::size_t size);

// Decodes a JPEG file held in memory. False for anything the fast path does not take (a damaged
// stream, CMYK pictures); the caller then loads the file the general way, which reports the error.
bool decodeJpeg(const unsigned char* data, std::size_t size, Image& out);

// The size decodeJpeg() will give, from the headers alone; false where it would fail before
// the first row. Past the headers a damaged file still decodes (the rest of it grey), so this is
// the check a load needs.
bool readJpegSize(const unsigned char* data, std::size_t size, int& width, int& height);

// Encodes 0xAARRGGBB pixels (alpha dropped) as a whole JPEG file in memory, so the caller can
// write it whole or not at all. False when the library fails.
bool encodeJpeg(const Image& image, int quality, std::string& out);

} // namespace engine
