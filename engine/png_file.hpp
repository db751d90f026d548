// Plain 8-bit colour PNG files (the maps' masks among them) decoded by libpng straight into
// 0xAARRGGBB rows, without the general loader's intermediate picture and conversion.
#pragma once

#include "engine/dds.hpp"

#include <string>

namespace engine {

bool looksLikePng(const unsigned char* data, std::size_t size);

// Decodes an 8-bit RGB or RGBA, non-interlaced PNG file held in memory. False for any other
// kind and for a damaged file; the caller then loads the file the general way, which reports
// the error.
bool decodePng(const unsigned char* data, std::size_t size, Image& out);

} // namespace engine
