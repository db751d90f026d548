// The programs' icons for desktop menus: one picture per program in the sizes menus ask for.
#pragma once

#include "content/content.hpp"

#include <array>

namespace content {

// Sides in pixels of the icons written for each program.
inline constexpr std::array<int, 2> kIconSizes = {256, 48};
// File names (without extension) of the three programs' icons.
inline constexpr std::array<const char*, 3> kIconNames = {"brimzel", "brimzel-leveleditor",
                                                          "brimzel-options"};

// Writes root/share/icons/hicolor/<n>x<n>/apps/<name>.png for every size and program.
void writeProgramIcons(const Context& ctx);

} // namespace content
