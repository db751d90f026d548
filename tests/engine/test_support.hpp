// Helpers shared by the engine tests: a scratch folder, picture files and the headless engine.
#pragma once

#include "engine/dds.hpp"
#include "engine/engine.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace enginetest {

// A fresh folder per test, removed afterwards.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

std::unique_ptr<engine::Engine> headless(int width = 1024, int height = 768);

engine::Image solidImage(int width, int height, std::uint32_t color);
// Writes pictures through SDL so the engine's decoders read files made by another writer.
void writePng(const std::string& path, const engine::Image& image);
void writeBmp(const std::string& path, const engine::Image& image);

// The canvas pixel of the last presented frame.
std::uint32_t framePixel(const engine::Engine& e, int x, int y);

// Channel-wise distance of two colours, for comparisons that allow rounding.
int colorDistance(std::uint32_t a, std::uint32_t b);

} // namespace enginetest

// Two colours within `tol` per channel.
#define EXPECT_COLOR_NEAR(actual, expected, tol)                                                   \
    EXPECT_LE(enginetest::colorDistance((actual), (expected)), (tol))                              \
        << std::hex << "actual 0x" << (actual) << " expected 0x" << (expected)
