// The words a recording shares with the replay script reader: key names and the file hash.
#pragma once

#include <cstdint>
#include <string_view>

// The hash a `file` line carries (64-bit FNV-1a of the bytes).
std::uint64_t replayFileHash(std::string_view bytes);

// Engine key code of a script key name (esc enter space up down left right s f12), or 0.
int replayKeyCode(std::string_view name);
