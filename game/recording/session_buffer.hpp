// The session's text in fixed-size chunks that never move once made, so a fatal-signal handler
// can read it at any moment, from any thread, while the main thread appends: the bytes are
// written first and the size is published after them. A reader racing a clear() may see the
// new text's bytes in place of the old, but never reads outside the chunks.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>

class SessionBuffer {
  public:
    static constexpr std::size_t kChunkSize = 64 * 1024;
    // 32 MiB: a segment of the session runs from one return to the main menu to the next.
    static constexpr std::size_t kMaxChunks = 512;

    SessionBuffer() = default;
    ~SessionBuffer();
    SessionBuffer(const SessionBuffer&) = delete;
    SessionBuffer& operator=(const SessionBuffer&) = delete;

    // Beyond the cap the text is dropped and `full()` says so.
    void append(std::string_view text);
    // Empties it; the chunks stay for the next text, so memory stays at the largest segment.
    void clear();

    std::size_t size() const { return size_.load(std::memory_order_acquire); }
    bool full() const { return full_; }
    std::string text() const;
    // Writes the published bytes with write(2) only: safe in a signal handler.
    bool writeTo(int fd) const;

  private:
    std::array<char*, kMaxChunks> chunks_{};
    std::atomic<std::size_t> size_{0};
    bool full_ = false;
};

// write(2) until all is written; safe in a signal handler.
bool writeAllTo(int fd, const char* data, std::size_t size);
