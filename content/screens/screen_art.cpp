#include "content/content.hpp"
#include "content/screens/style.hpp"

namespace content {

// Menu, intro, level intro, end and score screens, and the editor's own icon. Runs after the
// gameplay art, because the level-intro previews are made from the finished maps.
void writeScreenArt(const Context& ctx) {
    screens::writeIntroArt(ctx);
    screens::writeMenuArt(ctx);
    screens::writeMenuBackgrounds(ctx);
    screens::writeLevelIntroArt(ctx);
    screens::writeEndScreens(ctx);
    screens::writeScoreScreenArt(ctx);
    screens::writeEditorArt(ctx);
}

} // namespace content
