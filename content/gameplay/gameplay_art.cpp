#include "content/gameplay/gameplay_art.hpp"

namespace content {
namespace gameplay {

std::filesystem::path gamePicture(const Context& ctx, const std::string& relative) {
    return ctx.root / "gfx" / "game" / relative;
}

} // namespace gameplay

void writeGameplayArt(const Context& ctx) {
    gameplay::writeMaps(ctx);
    gameplay::writeInsects(ctx);
    gameplay::writeBubbles(ctx);
    gameplay::writePanel(ctx);
    gameplay::writeTutorial(ctx);
    gameplay::writeLevelObjects(ctx);
}

} // namespace content
