#include "game/shell/resource_catalogue.hpp"

namespace {

void add(std::vector<CatalogueEntry>& out, std::string path, std::string key,
         engine::LoadOptions options = {}) {
    out.push_back({std::move(path), std::move(key), options});
}

// A picture whose file is named after its key.
void addNamed(std::vector<CatalogueEntry>& out, const std::string& folder, const std::string& name,
              const std::string& extension) {
    add(out, folder + "/" + name + extension, name);
}

void addMenuItems(std::vector<CatalogueEntry>& out, const std::string& language) {
    static const char* const ids[] = {
        "01",       "02",       "03",       "04",       "05",       "04_01_01",    "04_01_02",
        "04_02_01", "04_02_02", "04_03_01", "04_03_02", "04_04_01", "04_04_02",    "04_05",
        "05_01",    "05_02",    "01_01",    "01_02",    "01_03",    "01_04",       "02_01",
        "02_02",    "02_03",    "02_04",    "03_01_01", "03_01_02", "03_01_03",    "03_02",
        "03_02_01", "03_02_02", "03_02_03", "03_02_04", "03_02_05", "03_02_06",    "03_02_07",
        "03_02_08", "03_02_09", "03_02_10", "03_02_11", "03_02_12", "03_02_13",    "03_02_14",
        "03_02_15", "03_02_16", "03_02_17", "03_03",    "03_04",    "01_02_01_01", "01_02_01_02",
        "01_02_02", "01_02_03", "01_02_04"};
    for (const std::string id : ids) {
        // The "back" rows have no picture of their own.
        const bool isBack = id == "01_04" || id == "02_04" || id == "03_04" || id == "01_02_04";
        const std::string file = isBack ? "04_05" : id;
        add(out, "gfx/menu/" + language + "/mm_" + file + ".dds", "mainmenu_" + language + id);
    }
}

} // namespace

std::vector<CatalogueEntry> loadingScreenTextures() {
    std::vector<CatalogueEntry> out;
    add(out, "gfx/intro/loading.dds", "loading");
    add(out, "gfx/intro/loadingline.bmp", "loadingline");
    add(out, "gfx/intro/loadingline_grey.bmp", "loadingline_grey");
    add(out, "gfx/intro/white.bmp", "white");
    return out;
}

CatalogueEntry loadingBackground(int menuBackground) {
    const std::string n = std::to_string(menuBackground);
    return {"gfx/menu/backgrounds/back_" + n + ".jpg", "mainmenu_back_" + n, {}};
}

CatalogueEntry loadingBackgroundFrame(int menuBackground) {
    CatalogueEntry entry = loadingBackground(menuBackground);
    entry.key = kLoadingBackgroundKey;
    entry.options.width = kLoadingBackgroundWidth;
    entry.options.height = kLoadingBackgroundHeight;
    return entry;
}

std::vector<CatalogueEntry> textureCatalogue() {
    std::vector<CatalogueEntry> out;
    out.reserve(kCatalogueTextures);

    for (const char* name : {"miravlogo1", "miravlogo2", "miravlogo3", "quelbalogo", "credits1",
                             "credits2", "credits3", "credits4", "credits5"})
        addNamed(out, "gfx/intro", name, ".dds");

    engine::LoadOptions mask;
    mask.width = 1024;
    mask.height = 768;
    mask.filtered = false;
    mask.readPixels = true; // walls and open ground are read from the mask
    for (int n = 1; n <= 8; ++n) {
        const std::string map = "map" + std::to_string(n);
        add(out, "gfx/game/maps/" + map + ".jpg", map);
        add(out, "gfx/game/maps/" + map + "_mask.png", map + "_mask", mask);
    }

    add(out, "gfx/game/panel/panel.dds", "game_panel");
    add(out, "gfx/game/panel/alert.dds", "game_alert");
    add(out, "gfx/game/panel/pausepanel.dds", "game_pausepanel");
    for (const char* language : {"cz", "en"})
        for (int s = 1; s <= 3; ++s) {
            const std::string name = "pause_s" + std::to_string(s) + "_" + language;
            add(out, "gfx/game/panel/" + name + ".dds", "game_" + name);
        }
    for (const char* name : {"panel_bubble", "panel_fly", "panel_quelbalogo"})
        addNamed(out, "gfx/game/panel", name, ".dds");

    for (const char* name : {"bubble", "bubble_l", "bubble_r", "bubble_mini", "healthbubble"})
        addNamed(out, "gfx/game/bubble", name, ".dds");

    const std::pair<const char*, int> kinds[] = {
        {"fly", 4}, {"wasp", 5}, {"gnat", 5}, {"dragonfly", 5}, {"hornet", 7}};
    for (const auto& [kind, frames] : kinds)
        for (int f = 1; f <= frames; ++f)
            addNamed(out, std::string("gfx/game/") + kind,
                     std::string(kind) + "_m" + std::to_string(f), ".dds");

    for (const char* language : {"cz", "en"})
        for (int n = 1; n <= 5; ++n)
            addNamed(out, "gfx/game/tutorial",
                     std::string("tutorialpanel_") + language + "_" + std::to_string(n), ".dds");

    addNamed(out, "gfx/level_intro", "pressspace_cz", ".jpg");
    addNamed(out, "gfx/level_intro", "pressspace_en", ".jpg");
    for (int n = 1; n <= 8; ++n) {
        const std::string map = "map" + std::to_string(n);
        addNamed(out, "gfx/level_intro", map + "_preview", ".jpg");
        engine::LoadOptions text;
        if (n == 1) {
            text.width = 800;
            text.height = 632;
        }
        add(out, "gfx/level_intro/" + map + "_text_cz.jpg", map + "_text_cz", text);
        add(out, "gfx/level_intro/" + map + "_text_en.jpg", map + "_text_en", text);
    }

    engine::LoadOptions moon;
    moon.magentaColorKey = true;
    add(out, "gfx/game/levelobjects/moon.bmp", "levelobject_moon", moon);
    for (const char* name : {"tree", "light", "conveyer_u", "conveyer_d", "wheel", "bottle", "sun"})
        add(out, std::string("gfx/game/levelobjects/") + name + ".dds",
            std::string("levelobject_") + name);

    for (int n = 1; n <= 15; ++n)
        out.push_back(loadingBackground(n));
    add(out, "gfx/menu/menubar.dds", "mainmenu_menubar");
    add(out, "gfx/menu/menupanel.dds", "mainmenu_menupanel");
    addMenuItems(out, "cz");
    addMenuItems(out, "en");

    add(out, "gfx/game/screens/youlose.jpg", "gamescreen_youlose");
    add(out, "gfx/game/screens/highscore.jpg", "gamescreen_highscore");
    add(out, "gfx/game/screens/youwin.jpg", "gamescreen_youwin");
    for (const char* screen : {"youlose", "youwin"})
        for (const char* language : {"cz", "en"})
            for (int s = 1; s <= 3; ++s) {
                const std::string name =
                    std::string(screen) + "_" + language + "_s" + std::to_string(s);
                add(out, "gfx/game/screens/" + name + ".dds", "gamescreen_" + name);
            }
    add(out, "gfx/game/screens/save_cz_s1.dds", "gamescreen_save_cz_s1");
    add(out, "gfx/game/screens/save_en_s1.dds", "gamescreen_save_en_s1");
    add(out, "gfx/game/screens/save.jpg", "gamescreen_save");
    add(out, "gfx/game/screens/abc.dds", "abc");
    for (int n = 1; n <= 87; ++n)
        add(out, "gfx/game/screens/abc/" + std::to_string(n) + ".dds", "key_" + std::to_string(n));

    add(out, "gfx/game/screens/selection.dds", "selection");
    add(out, "gfx/menu/info.dds", "mainmenu_info");
    add(out, "gfx/menu/infoback.dds", "mainmenu_infoback");
    return out;
}

FontEntry loadingFont() {
    return {"loading_font", "Arial", 24, {false, false, false}};
}

std::vector<FontEntry> gameFonts() {
    return {
        {"console_font", "Courier New", 8, {true, false, false}},
        {"panel_font", "Impact", 26, {true, false, false}},
        {"panel_font2", "Impact", 20, {true, false, false}},
        {"menu_font", "Century Gothic", 26, {false, false, false}},
        {"menu_font2", "Arial", 14, {false, false, false}},
    };
}
