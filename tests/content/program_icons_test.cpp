// The programs' icons: every program has each size, square, a transparent margin for the
// menu's background and an opaque tile, and the three programs tell apart at a glance.
#include "tree_files.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace {

using tree_files::kTree;

const std::array<const char*, 3> kPrograms = {"brimzel", "brimzel-leveleditor", "brimzel-options"};

std::filesystem::path iconPath(const char* program, int size) {
    const std::string side = std::to_string(size);
    return kTree / "share" / "icons" / "hicolor" / (side + "x" + side) / "apps" /
           (std::string(program) + ".png");
}

std::uint32_t pixel(const engine::Image& image, double fx, double fy) {
    const auto x = static_cast<std::size_t>(fx * (image.width - 1));
    const auto y = static_cast<std::size_t>(fy * (image.height - 1));
    return image.pixels[y * static_cast<std::size_t>(image.width) + x];
}

TEST(ProgramIcons, EveryProgramHasSquarePngsWithTransparentCornersAndAnOpaqueTile) {
    for (const char* program : kPrograms) {
        for (int size : {256, 48}) {
            const auto path = iconPath(program, size);
            ASSERT_EQ(tree_files::formatOf(path), tree_files::Format::png) << path;
            engine::Image image;
            std::string error;
            ASSERT_TRUE(tree_files::decode(path, image, error)) << error;
            EXPECT_EQ(image.width, size) << path;
            EXPECT_EQ(image.height, size) << path;
            EXPECT_EQ(pixel(image, 0, 0) >> 24, 0u) << path;
            EXPECT_EQ(pixel(image, 1, 0) >> 24, 0u) << path;
            EXPECT_EQ(pixel(image, 0.5, 0.5) >> 24, 0xFFu) << path;
            EXPECT_EQ(pixel(image, 0.25, 0.85) >> 24, 0xFFu) << path;
        }
    }
}

TEST(ProgramIcons, TheThreeProgramsLookDifferent) {
    std::array<engine::Image, 3> icons;
    for (std::size_t i = 0; i < kPrograms.size(); ++i) {
        std::string error;
        ASSERT_TRUE(tree_files::decode(iconPath(kPrograms[i], 48), icons[i], error)) << error;
    }
    for (std::size_t a = 0; a < icons.size(); ++a) {
        for (std::size_t b = a + 1; b < icons.size(); ++b) {
            ASSERT_EQ(icons[a].pixels.size(), icons[b].pixels.size());
            long difference = 0;
            for (std::size_t p = 0; p < icons[a].pixels.size(); ++p) {
                for (int shift = 0; shift < 24; shift += 8) {
                    difference += std::abs(int((icons[a].pixels[p] >> shift) & 0xFF) -
                                           int((icons[b].pixels[p] >> shift) & 0xFF));
                }
            }
            // Well above what antialiasing or a tint would change: a different picture.
            EXPECT_GT(difference / long(icons[a].pixels.size() * 3), 16)
                << kPrograms[a] << " and " << kPrograms[b];
        }
    }
}

} // namespace
