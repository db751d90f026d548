// DDS pictures: the reader of the texture loader and the writer of the content generator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <utility>
#include <vector>

namespace engine {

// Memory for `bytes` of pixels. Large blocks are mapped in by the kernel at once, in huge pages
// where whole ones fit, rather than by a page fault for every 4 KiB on first write: filling
// hundreds of fresh pictures cost as much as decoding them.
void* allocatePixelMemory(std::size_t bytes);
void releasePixelMemory(void* p, std::size_t bytes) noexcept;

// An allocator for pixel rows: resize() leaves new pixels unset, since decoders write every
// pixel at once and zeroing hundreds of megabytes of fresh pictures first would double the work.
template <class T> struct PixelAllocator {
    using value_type = T;
    PixelAllocator() = default;
    template <class U> PixelAllocator(const PixelAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) { return static_cast<T*>(allocatePixelMemory(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { releasePixelMemory(p, n * sizeof(T)); }
    template <class U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <class U, class... Args> void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
    template <class U> bool operator==(const PixelAllocator<U>&) const noexcept { return true; }
};

// Rows of 0xAARRGGBB pixels, top row first. resize() leaves new pixels unset; assign() fills.
using PixelRows = std::vector<std::uint32_t, PixelAllocator<std::uint32_t>>;

// A decoded picture.
struct Image {
    int width = 0, height = 0;
    PixelRows pixels;
};

// Decodes a DDS file held in memory: uncompressed 16/24/32-bit RGB (with or without alpha) and
// DXT1, DXT3, DXT5; the top mip level only. Never reads past `size`: a truncated or malformed
// file returns false with a message in `error`.
bool decodeDds(const unsigned char* data, std::size_t size, Image& out, std::string& error);
bool readDds(const std::string& path, Image& out, std::string& error);

// Writes an uncompressed 32-bit A8R8G8B8 DDS file. Returns false on an I/O error.
bool writeDds(const std::string& path, const Image& image);

} // namespace engine
