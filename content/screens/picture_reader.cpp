#include "content/screens/picture_reader.hpp"

#include "engine/image_file.hpp"

#include <cstdint>
#include <string>

namespace content::screens {

art::Surface readPicture(const std::filesystem::path& path, bool magentaKey) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return {};
    engine::Image image;
    std::string error;
    if (!engine::loadImageFile(path.string(), image, error) || image.width <= 0 ||
        image.height <= 0)
        return {};
    if (magentaKey)
        engine::applyMagentaColorKey(image);
    art::Surface s = art::makeSurface(image.width, image.height);
    cairo_surface_flush(s.get());
    unsigned char* data = cairo_image_surface_get_data(s.get());
    const int stride = cairo_image_surface_get_stride(s.get());
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.pixels[static_cast<size_t>(y) * image.width + x];
            const std::uint32_t a = p >> 24;
            const std::uint32_t r = ((p >> 16) & 0xFF) * a / 255;
            const std::uint32_t g = ((p >> 8) & 0xFF) * a / 255;
            const std::uint32_t b = (p & 0xFF) * a / 255;
            row[x] = (a << 24) | (r << 16) | (g << 8) | b;
        }
    }
    cairo_surface_mark_dirty(s.get());
    return s;
}

} // namespace content::screens
