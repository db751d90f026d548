// The game full screen on an X server without a window manager (Xvfb, 1280 x 1024): the window's
// own picture of a frame matches the headless frame of the same replay, letterboxed. Needs
// xvfb-run; skipped where it is missing.
#include "replay_harness.hpp"

#include "engine/letterbox.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kScreenWidth = 1280, kScreenHeight = 1024;

bool onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    for (std::size_t start = 0; start <= folders.size();) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        if (end > start &&
            access((folders.substr(start, end - start) + "/" + program).c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels; // 0xAARRGGBB
    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

Picture readPng(const fs::path& file) {
    Picture picture;
    std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> loaded(IMG_Load(file.c_str()),
                                                                    SDL_FreeSurface);
    if (!loaded)
        return picture;
    std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> argb(
        SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0), SDL_FreeSurface);
    picture.width = argb->w;
    picture.height = argb->h;
    for (int y = 0; y < argb->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const unsigned char*>(argb->pixels) + std::size_t(y) * argb->pitch);
        picture.pixels.insert(picture.pixels.end(), row, row + argb->w);
    }
    return picture;
}

int channelGap(std::uint32_t a, std::uint32_t b) {
    int gap = 0;
    for (int shift : {0, 8, 16})
        gap = std::max(gap, std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)));
    return gap;
}

// The share of the canvas whose pixel in the window (scaled into its letterbox) differs from
// the headless frame by more than drawing on another renderer and scaling explain; the bars
// outside the letterbox must be black.
double mismatch(const Picture& window, const Picture& frame) {
    const engine::Box box =
        engine::letterbox({window.width, window.height}, {frame.width, frame.height});
    long long bad = 0, total = 0;
    for (int y = 0; y < window.height; y += 2)
        for (int x = 0; x < window.width; x += 2) {
            ++total;
            const bool inside =
                x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
            std::uint32_t expected = 0xFF000000u;
            if (inside)
                expected = frame.at((x - box.x) * frame.width / box.width,
                                    (y - box.y) * frame.height / box.height);
            bad += channelGap(window.at(x, y), expected) > 48;
        }
    return double(bad) / double(total);
}

class WindowFrame : public ReplayTest {
  protected:
    void SetUp() override {
        if (!onPath("xvfb-run"))
            GTEST_SKIP() << "xvfb-run is not installed";
        tree.setOptionLine(10, "GamePosition:50");
    }

    // Plays `steps` in a window under Xvfb with `environment` set; its output goes to `log`.
    void playInWindow(const std::string& steps, const std::string& environment,
                      const fs::path& log) {
        const fs::path script = tree.root() / "window.replay";
        std::ofstream(script) << steps;
        // The OpenGL driver is unloaded at exit, so what it keeps cannot be told from a leak of
        // ours.
        const std::string command =
            "ASAN_OPTIONS=\"${ASAN_OPTIONS:-}:detect_leaks=0\" SDL_VIDEODRIVER=x11 " + environment +
            " xvfb-run -a -s '-screen 0 " + std::to_string(kScreenWidth) + "x" +
            std::to_string(kScreenHeight) + "x24' " + BRIMZEL_TREE + "/bin/brimzel-replay " +
            "--window --output " + tree.root().string() + " " + tree.root().string() + " " +
            script.string() + " >" + log.string() + " 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
};

// The main menu, risen out of white, from both runs.
TEST_F(WindowFrame, FullScreenWithoutAWindowManagerShowsTheWholeFrame) {
    tree.setOptionLine(2, "GameMode:Fullscreen");
    const fs::path headlessShot = tree.root() / "headless.png";
    const fs::path windowShot = tree.root() / "window.png";
    const std::string steps = "step 90\n";
    play(steps + "shot headless.png\n");
    playInWindow(steps + "shot window.png\n", "", tree.root() / "window.log");

    const Picture frame = readPng(headlessShot);
    const Picture window = readPng(windowShot);
    ASSERT_EQ(frame.width, 1024);
    ASSERT_EQ(frame.height, 768);
    EXPECT_EQ(window.width, kScreenWidth);
    EXPECT_EQ(window.height, kScreenHeight);
    ASSERT_GT(window.width, 0);
    EXPECT_LT(mismatch(window, frame), 0.02);
}

// Xvfb has no graphics card: OpenGL there would be a software rasteriser holding a copy of
// every picture, so the engine draws and SDL shows its frames without loading OpenGL at all.
TEST_F(WindowFrame, WithoutAGraphicsCardNoOpenGlIsLoaded) {
    const fs::path log = tree.root() / "libraries.log";
    playInWindow("step 30\n", "LD_DEBUG=libs", log);
    std::ifstream in(log);
    const std::string loaded{std::istreambuf_iterator<char>(in), {}};
    ASSERT_NE(loaded.find("libSDL2"), std::string::npos) << "no library list in " << log;
    EXPECT_EQ(loaded.find("libGL"), std::string::npos);
    EXPECT_EQ(loaded.find("_dri.so"), std::string::npos);
}

} // namespace
