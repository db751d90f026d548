// A short DDS file that claims a huge size is refused before any pixel memory is taken: the
// program's allocations are watched through replaced global new and delete.
#include "engine/dds.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

namespace {

std::atomic<std::size_t> largestRequest{0};

void* allocate(std::size_t size) {
    std::size_t seen = largestRequest.load();
    while (size > seen && !largestRequest.compare_exchange_weak(seen, size)) {
    }
    return std::malloc(size == 0 ? 1 : size);
}

// Out of line, so the compiler does not pair an inlined delete with malloc and warn.
[[gnu::noinline]] void release(void* p) noexcept {
    std::free(p);
}

} // namespace

// Every form of new and delete goes through malloc and free, so a memory checker sees
// matching pairs.
void* operator new(std::size_t size) {
    if (void* p = allocate(size)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size);
}
void operator delete(void* p) noexcept {
    release(p);
}
void operator delete[](void* p) noexcept {
    release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    release(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    release(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    release(p);
}

namespace {

using Bytes = std::vector<unsigned char>;

void put32(Bytes& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

// A 128-byte header of the largest size the reader takes, then `body` bytes.
Bytes hugeClaim(std::uint32_t flags, std::uint32_t fourCc, std::uint32_t bits, std::size_t body) {
    Bytes out;
    put32(out, 0x20534444u);
    put32(out, 124);
    put32(out, 0x1007);
    put32(out, 16384); // height
    put32(out, 16384); // width
    for (int i = 0; i < 14; ++i)
        put32(out, 0);
    put32(out, 32);
    put32(out, flags);
    put32(out, fourCc);
    put32(out, bits);
    for (std::uint32_t mask : {0xFF0000u, 0xFF00u, 0xFFu, 0xFF000000u})
        put32(out, mask);
    for (int i = 0; i < 5; ++i)
        put32(out, 0);
    out.resize(out.size() + body, 0x5A);
    return out;
}

TEST(DdsAllocation, ShortFilesClaimingHugeSizesTakeNoPixelMemory) {
    const std::uint32_t dxt1 = 0x31545844u, dxt5 = 0x35545844u;
    const Bytes files[] = {
        hugeClaim(0x4, dxt1, 0, 8),
        hugeClaim(0x4, dxt5, 0, 4096),
        hugeClaim(0x41, 0, 32, 4),
        hugeClaim(0x40, 0, 16, 65536),
    };
    for (const Bytes& file : files) {
        engine::Image image;
        std::string error;
        largestRequest = 0;
        EXPECT_FALSE(engine::decodeDds(file.data(), file.size(), image, error));
        EXPECT_NE(error.find("truncated"), std::string::npos) << error;
        EXPECT_LT(largestRequest.load(), std::size_t(1) << 20);
    }
}

} // namespace
