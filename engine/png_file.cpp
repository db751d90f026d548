#include "engine/png_file.hpp"

#include <png.h>

#include <cstring>

namespace engine {
namespace {

struct Source {
    const unsigned char* data;
    std::size_t size, offset;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t length) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (length > source->size - source->offset)
        png_error(png, "read past the end of the file");
    std::memcpy(out, source->data + source->offset, length);
    source->offset += length;
}

// Errors leave quietly: the general loader reads the file again and reports them. Warnings keep
// libpng's own handler, as that loader does.
[[noreturn]] void leaveQuietly(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

// Only plain data lives in this frame, so leaving it by longjmp skips no destructor.
bool decodeRows(png_structp png, png_infop info, Source& source, Image& out) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_read_fn(png, &source, readFromMemory);
    png_read_info(png, info);
    png_uint_32 width = 0, height = 0;
    int depth = 0, colour = 0, interlace = 0;
    png_get_IHDR(png, info, &width, &height, &depth, &colour, &interlace, nullptr, nullptr);
    const bool rgb = colour == PNG_COLOR_TYPE_RGB, rgba = colour == PNG_COLOR_TYPE_RGB_ALPHA;
    if (depth != 8 || (!rgb && !rgba) || interlace != PNG_INTERLACE_NONE ||
        png_get_valid(png, info, PNG_INFO_tRNS) || width == 0 || height == 0 || width > 16384 ||
        height > 16384)
        return false;
    // On a little-endian machine B, G, R, A bytes are the 0xAARRGGBB word.
    png_set_bgr(png);
    if (rgb)
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    out.width = int(width);
    out.height = int(height);
    out.pixels.resize(std::size_t(width) * height);
    for (png_uint_32 y = 0; y < height; ++y)
        png_read_row(png, reinterpret_cast<png_bytep>(out.pixels.data() + std::size_t(y) * width),
                     nullptr);
    png_read_end(png, nullptr);
    return true;
}

} // namespace

bool looksLikePng(const unsigned char* data, std::size_t size) {
    return size >= 8 && png_sig_cmp(data, 0, 8) == 0;
}

bool decodePng(const unsigned char* data, std::size_t size, Image& out) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, leaveQuietly, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    Source source{data, size, 0};
    bool ok = false;
    try {
        ok = info && decodeRows(png, info, source, out);
    } catch (...) { // no memory for the picture
        png_destroy_read_struct(&png, &info, nullptr);
        throw;
    }
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok)
        out = Image{};
    return ok;
}

} // namespace engine
