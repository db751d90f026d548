// Reading finished pictures of the tree back into cairo, for previews and the overview sheet.
#pragma once

#include "content/kit/art_kit.hpp"

#include <filesystem>

namespace content::screens {

// Any picture the game loads (DDS, JPEG, PNG, BMP) as a premultiplied ARGB32 surface; an empty
// pointer when the file is missing or unreadable. `magentaKey` makes pure magenta transparent.
art::Surface readPicture(const std::filesystem::path& path, bool magentaKey = false);

} // namespace content::screens
