#include "content/gameplay/gameplay_art.hpp"
#include "content/gameplay/map_layout.hpp"
#include "content/gameplay/map_painting.hpp"
#include "content/kit/image_files.hpp"

#include <string>

namespace content::gameplay {

void writeMaps(const Context& ctx) {
    for (int map = 1; map <= 8; ++map) {
        const MapLayout layout = mapLayout(map);
        const std::string name = "maps/map" + std::to_string(map);
        saveJpeg(paintMap(layout).get(), gamePicture(ctx, name + ".jpg"), 90);
        savePng(renderMask(layout).get(), gamePicture(ctx, name + "_mask.png"));
    }
}

} // namespace content::gameplay
