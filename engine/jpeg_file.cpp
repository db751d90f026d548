#include "engine/jpeg_file.hpp"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <memory>

namespace engine {
namespace {

struct ErrorExit {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
};

[[noreturn]] void escapeOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorExit*>(info->err)->escape, 1);
}

// Warnings (a stream cut short, stray bytes) are not errors: the picture decodes as far as it
// goes, as the general loader shows it.
void ignoreMessage(j_common_ptr) {}

// Only plain data lives in this frame, so leaving it by longjmp skips no destructor.
// With `sizeOnly` the decoder is set up (which checks every table and setting) and the picture's
// size given, without decoding a row.
bool decodeRows(jpeg_decompress_struct& info, ErrorExit& error, const unsigned char* data,
                std::size_t size, bool sizeOnly, Image& out) {
    if (setjmp(error.escape))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return false;
    const J_COLOR_SPACE space = info.jpeg_color_space;
    if (space != JCS_YCbCr && space != JCS_RGB && space != JCS_GRAYSCALE)
        return false;
    // On a little-endian machine B, G, R, A bytes are the 0xAARRGGBB word.
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    if (info.output_width == 0 || info.output_height == 0 || info.output_width > 16384 ||
        info.output_height > 16384)
        return false;
    out.width = int(info.output_width);
    out.height = int(info.output_height);
    if (sizeOnly)
        return true;
    out.pixels.resize(std::size_t(out.width) * out.height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[4];
        for (int i = 0; i < 4; ++i)
            rows[i] = reinterpret_cast<JSAMPROW>(
                out.pixels.data() + std::size_t(std::min<JDIMENSION>(info.output_scanline + i,
                                                                     info.output_height - 1)) *
                                        out.width);
        jpeg_read_scanlines(&info, rows, 4);
    }
    jpeg_finish_decompress(&info);
    return true;
}

bool run(const unsigned char* data, std::size_t size, bool sizeOnly, Image& out) {
    static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "pixel words are read as BGRA bytes");
    jpeg_decompress_struct info{};
    ErrorExit error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = escapeOnError;
    error.manager.output_message = ignoreMessage;
    bool ok = false;
    try {
        ok = decodeRows(info, error, data, size, sizeOnly, out);
    } catch (...) { // no memory for the picture
        jpeg_destroy_decompress(&info);
        throw;
    }
    jpeg_destroy_decompress(&info);
    if (!ok)
        out = Image{};
    return ok;
}

// Like decodeRows(): plain data only in this frame, left by longjmp on an error.
bool encodeRows(jpeg_compress_struct& info, ErrorExit& error, const Image& image, int quality,
                unsigned char** bytes, unsigned long* size) {
    if (setjmp(error.escape))
        return false;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, bytes, size);
    info.image_width = JDIMENSION(image.width);
    info.image_height = JDIMENSION(image.height);
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg only reads the rows it is given.
        JSAMPROW row = reinterpret_cast<JSAMPROW>(const_cast<std::uint32_t*>(
            image.pixels.data() + std::size_t(info.next_scanline) * image.width));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

bool encodeJpeg(const Image& image, int quality, std::string& out) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != std::size_t(image.width) * image.height)
        return false;
    jpeg_compress_struct info{};
    ErrorExit error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = escapeOnError;
    error.manager.output_message = ignoreMessage;
    unsigned char* bytes = nullptr;
    unsigned long size = 0;
    const bool ok = encodeRows(info, error, image, quality, &bytes, &size);
    jpeg_destroy_compress(&info);
    const std::unique_ptr<unsigned char, decltype(&std::free)> owned(bytes, &std::free);
    if (ok)
        out.assign(reinterpret_cast<const char*>(bytes), size);
    return ok;
}

bool looksLikeJpeg(const unsigned char* data, std::size_t size) {
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

bool decodeJpeg(const unsigned char* data, std::size_t size, Image& out) {
    return run(data, size, false, out);
}

bool readJpegSize(const unsigned char* data, std::size_t size, int& width, int& height) {
    Image header;
    if (!run(data, size, true, header))
        return false;
    width = header.width;
    height = header.height;
    return true;
}

} // namespace engine
