// Writing pictures of the installation tree from cairo surfaces (ARGB32, premultiplied).
#pragma once

#include <cairo.h>

#include <filesystem>

namespace content {

// Each writer creates missing folders and throws std::runtime_error naming the file on failure.
void savePng(cairo_surface_t* surface, const std::filesystem::path& path);
void saveJpeg(cairo_surface_t* surface, const std::filesystem::path& path, int quality = 92);
void saveBmp(cairo_surface_t* surface, const std::filesystem::path& path); // 24-bit, no alpha
void saveDds(cairo_surface_t* surface, const std::filesystem::path& path); // 32-bit with alpha

} // namespace content
