// Helpers of the generated-tree tests: file bytes, formats by their leading bytes, pictures as
// the game decodes them, and the map masks.
#pragma once

#include "engine/image_file.hpp"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tree_files {

inline const std::filesystem::path kTree = BRIMZEL_TREE;

inline std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

enum class Format { dds, jpeg, png, bmp, ogg, unknown };

inline const char* nameOf(Format f) {
    switch (f) {
    case Format::dds:
        return "DDS";
    case Format::jpeg:
        return "JPEG";
    case Format::png:
        return "PNG";
    case Format::bmp:
        return "BMP";
    case Format::ogg:
        return "Ogg";
    default:
        return "unknown";
    }
}

// The format by the file's leading bytes, whatever its extension claims.
inline Format formatOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    char head[8] = {};
    in.read(head, sizeof head);
    const std::string b(head, static_cast<std::size_t>(in.gcount()));
    if (b.rfind("DDS ", 0) == 0)
        return Format::dds;
    if (b.rfind("\xFF\xD8\xFF", 0) == 0)
        return Format::jpeg;
    if (b.rfind("\x89PNG\r\n\x1A\n", 0) == 0)
        return Format::png;
    if (b.rfind("BM", 0) == 0)
        return Format::bmp;
    if (b.rfind("OggS", 0) == 0)
        return Format::ogg;
    return Format::unknown;
}

inline Format formatOfExtension(const std::filesystem::path& path) {
    const std::string ext = path.extension().string();
    if (ext == ".dds")
        return Format::dds;
    if (ext == ".jpg")
        return Format::jpeg;
    if (ext == ".png")
        return Format::png;
    if (ext == ".bmp")
        return Format::bmp;
    if (ext == ".ogg")
        return Format::ogg;
    return Format::unknown;
}

// Decodes a picture as the game's texture loader does; false with a message on failure.
inline bool decode(const std::filesystem::path& path, engine::Image& image, std::string& error) {
    return engine::loadImageFile(path.string(), image, error);
}

// A map mask as packed 0xAARRGGBB pixels.
struct Mask {
    engine::Image image;
    bool loaded = false;

    explicit Mask(int map) {
        std::string error;
        loaded =
            decode(kTree / "gfx" / "game" / "maps" / ("map" + std::to_string(map) + "_mask.png"),
                   image, error) &&
            image.width == 1024 && image.height == 768;
    }
    std::uint32_t at(int x, int y) const {
        return image.pixels[static_cast<std::size_t>(y) * 1024 + static_cast<std::size_t>(x)];
    }
    bool wall(int x, int y) const {
        if (x < 0 || y < 0 || x >= 1024 || y >= 768)
            return true;
        return at(x, y) == 0xFFFF0000u;
    }
    bool open(int x, int y) const { return at(x, y) == 0xFFFFFF00u; }
};

} // namespace tree_files
