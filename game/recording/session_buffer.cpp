#include "game/recording/session_buffer.hpp"

#include <algorithm>
#include <unistd.h>

SessionBuffer::~SessionBuffer() {
    for (char* chunk : chunks_)
        delete[] chunk;
}

void SessionBuffer::append(std::string_view text) {
    std::size_t at = size_.load(std::memory_order_relaxed);
    if (full_ || text.size() > kChunkSize * kMaxChunks - at) {
        full_ = true;
        return;
    }
    const std::size_t end = at + text.size();
    while (!text.empty()) {
        const std::size_t index = at / kChunkSize;
        if (!chunks_[index])
            chunks_[index] = new char[kChunkSize];
        const std::size_t count = std::min(text.size(), kChunkSize - at % kChunkSize);
        std::copy_n(text.data(), count, chunks_[index] + at % kChunkSize);
        text.remove_prefix(count);
        at += count;
    }
    size_.store(end, std::memory_order_release);
}

void SessionBuffer::clear() {
    size_.store(0, std::memory_order_release);
    full_ = false;
}

std::string SessionBuffer::text() const {
    const std::size_t size = this->size();
    std::string out;
    out.reserve(size);
    for (std::size_t at = 0; at < size; at += kChunkSize)
        out.append(chunks_[at / kChunkSize], std::min(kChunkSize, size - at));
    return out;
}

bool SessionBuffer::writeTo(int fd) const {
    const std::size_t size = this->size();
    for (std::size_t at = 0; at < size; at += kChunkSize)
        if (!writeAllTo(fd, chunks_[at / kChunkSize], std::min(kChunkSize, size - at)))
            return false;
    return true;
}

bool writeAllTo(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}
