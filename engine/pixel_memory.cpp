#include "engine/dds.hpp"

#include <sys/mman.h>

#include <cstdint>

namespace engine {
namespace {

#ifndef MADV_POPULATE_WRITE
constexpr int MADV_POPULATE_WRITE = 23; // Linux 5.14; older kernels refuse it harmlessly
#endif
constexpr std::size_t kPageBytes = 4096;
constexpr std::size_t kHugePageBytes = std::size_t(2) << 20;
constexpr std::size_t kLargeBlock = std::size_t(256) << 10;

std::uintptr_t roundDown(std::uintptr_t value, std::size_t unit) {
    return value & ~std::uintptr_t(unit - 1);
}

} // namespace

void* allocatePixelMemory(std::size_t bytes) {
    if (bytes < kLargeBlock)
        return ::operator new(bytes);
    void* p;
    if (bytes >= kHugePageBytes) {
        // Whole huge pages where they fit inside the block; its tail stays in small pages, so
        // the block takes no more memory than it asked for.
        p = ::operator new(bytes, std::align_val_t(kHugePageBytes));
        madvise(p, roundDown(bytes, kHugePageBytes), MADV_HUGEPAGE);
    } else {
        p = ::operator new(bytes);
    }
    const std::uintptr_t begin = roundDown(std::uintptr_t(p) + kPageBytes - 1, kPageBytes);
    const std::uintptr_t end = roundDown(std::uintptr_t(p) + bytes, kPageBytes);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
    return p;
}

void releasePixelMemory(void* p, std::size_t bytes) noexcept {
    if (bytes >= kHugePageBytes)
        ::operator delete(p, std::align_val_t(kHugePageBytes));
    else
        ::operator delete(p);
}

} // namespace engine
