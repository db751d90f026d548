// Speed of the headless engine: a busy playing frame, the main menu, picture loading, and the
// software rasteriser's blending against a plain copy of a frame (the ceiling it can approach).
// Prints one `name value unit` line per figure.
#include "engine/dds.hpp"
#include "engine/engine.hpp"
#include "engine/painter.hpp"
#include "engine/pixel_rows_avx2.hpp"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <time.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Time this thread actually ran: on a machine shared with other work, wall time also counts
// the time the thread waited for a core.
double threadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// A picture with structure everywhere, so compressed files are of a realistic size.
engine::Image painted(int w, int h, bool alpha) {
    engine::Image image;
    image.width = w;
    image.height = h;
    image.pixels.resize(std::size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const auto r = std::uint32_t(128 + 127 * std::sin(x * 0.05 + y * 0.01));
            const auto g = std::uint32_t((x * 7 + y * 3) & 255);
            const auto b = std::uint32_t(128 + 127 * std::cos(y * 0.07));
            std::uint32_t a = 255;
            if (alpha) {
                const double dx = (x - w / 2.0) / (w / 2.0), dy = (y - h / 2.0) / (h / 2.0);
                a = dx * dx + dy * dy < 1.0 ? 255 : 0;
            }
            image.pixels[std::size_t(y) * w + x] = a << 24 | r << 16 | g << 8 | b;
        }
    return image;
}

// Median processor time of `work` over `runs` runs, in ms.
template <typename Work> double medianCpuMs(int runs, Work work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = threadCpuMs();
        work();
        times.push_back(threadCpuMs() - start);
    }
    return median(times);
}

// Blending over a 1024 x 768 canvas against copying one: megapixels a second of a colour and of
// a picture with soft edges blended over the whole canvas, and of memcpy of a whole frame; and
// twelve turned sprites. On a processor with AVX2 the same again with the SSE2 rows alone
// (`_sse2`), which is what the wider rows gain.
void rowFigures() {
    constexpr int kW = 1024, kH = 768;
    constexpr double kMegapixels = kW * kH / 1e6;
    engine::Image canvas = painted(kW, kH, false), soft = painted(kW, kH, false);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) // alpha rising along each row: hardly two pixels alike
            soft.pixels[std::size_t(y) * kW + x] =
                (soft.pixels[std::size_t(y) * kW + x] & 0xFFFFFFu) | std::uint32_t(x & 255) << 24;
    const engine::Picture picture = engine::pictureOf(std::move(soft), true);
    const engine::Picture sprite = engine::pictureOf(painted(200, 150, true), true);
    const auto painter = engine::createSoftwarePainter(canvas);
    std::vector<std::uint32_t> copy(canvas.pixels.size());
    const double memcpyMs = medianCpuMs(60, [&] {
        std::memcpy(copy.data(), canvas.pixels.data(), copy.size() * 4);
        // Keeps the copy from being optimised away.
        canvas.pixels[copy[12345] & 1023] ^= 1;
    });
    auto rate = [&](double ms) { return kMegapixels / (ms / 1000.0); };
    std::printf("memcpy_frame %.3f ms\n", memcpyMs);
    std::printf("memcpy_frame_rate %.0f Mpixel/s\n", rate(memcpyMs));
    auto measure = [&](const char* suffix) {
        const double fill = medianCpuMs(60, [&] {
            painter->fill(0, 0, kW, kH, engine::Corners::all(0x80FF8040u));
            painter->flush();
        });
        const double over = medianCpuMs(60, [&] {
            painter->drawPicture(picture, 0, 0, kW, kH, engine::Corners::all(engine::kWhite));
            painter->flush();
        });
        int frame = 0;
        const double turned = medianCpuMs(60, [&] {
            for (int i = 0; i < 12; ++i)
                painter->drawRotated(sprite, 80.0f + i * 65.0f, 150.0f + (i % 4) * 150.0f, 200, 150,
                                     float(frame * 3 + i * 30),
                                     engine::Corners::all(engine::kWhite));
            painter->flush();
            ++frame;
        });
        std::printf("blend_colour%s %.0f Mpixel/s\n", suffix, rate(fill));
        std::printf("blend_picture%s %.0f Mpixel/s\n", suffix, rate(over));
        std::printf("blend_colour_of_memcpy%s %.2f\n", suffix, memcpyMs / fill);
        std::printf("blend_picture_of_memcpy%s %.2f\n", suffix, memcpyMs / over);
        std::printf("twelve_turned_sprites%s %.3f ms\n", suffix, turned);
    };
    measure("");
    if (engine::pixel::avx2::available()) {
        engine::pixel::avx2::setEnabled(false);
        measure("_sse2");
        engine::pixel::avx2::setEnabled(true);
    }
}

// Draws `count` frames with `draw(frame)` and prints the median wall and processor time of one
// as NAME_frame_median and NAME_frame_cpu_median.
template <typename Draw> void timeFrames(const char* name, int count, Draw draw) {
    std::vector<double> frames, cpuFrames;
    for (int frame = 0; frame < count; ++frame) {
        const auto start = Clock::now();
        const double cpuStart = threadCpuMs();
        draw(frame);
        frames.push_back(msSince(start));
        cpuFrames.push_back(threadCpuMs() - cpuStart);
    }
    std::printf("%s_frame_median %.3f ms\n", name, median(frames));
    std::printf("%s_frame_cpu_median %.3f ms\n", name, median(cpuFrames));
}

bool saveWithSdl(const engine::Image& image, const std::string& path, bool jpeg) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint32_t*>(image.pixels.data()), image.width, image.height, 32,
        image.width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!s)
        return false;
    const int rc = jpeg ? IMG_SaveJPG(s, path.c_str(), 90) : IMG_SavePNG(s, path.c_str());
    SDL_FreeSurface(s);
    return rc == 0;
}

} // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() /
                         ("brimzel-engine-bench-" + std::to_string(SDL_GetPerformanceCounter()));
    fs::create_directories(dir);
    auto file = [&](const std::string& name) { return (dir / name).string(); };

    engine::DisplayConfig config;
    config.backend = engine::Backend::Headless;
    std::string error;
    auto e = engine::Engine::create(config, error);
    if (!e) {
        std::fprintf(stderr, "engine-bench: %s\n", error.c_str());
        return 1;
    }

    // Files of the kinds the game loads.
    bool ok = saveWithSdl(painted(1024, 768, false), file("map.jpg"), true) &&
              saveWithSdl(painted(1024, 768, false), file("mask.png"), false) &&
              engine::writeDds(file("panel.dds"), painted(160, 768, true)) &&
              engine::writeDds(file("sprite.dds"), painted(200, 150, true)) &&
              engine::writeDds(file("bar.dds"), painted(284, 768, true)) &&
              engine::writeDds(file("item.dds"), painted(248, 60, true));
    for (int i = 0; i < 100 && ok; ++i)
        ok = engine::writeDds(file("small" + std::to_string(i) + ".dds"), painted(32, 32, true));
    if (!ok) {
        std::fprintf(stderr, "engine-bench: cannot write the test pictures in %s\n",
                     dir.string().c_str());
        return 1;
    }

    // The first decode of each kind sets its library up; the load figures are warm decodes.
    if (!saveWithSdl(painted(8, 8, false), file("tiny.jpg"), true) ||
        !saveWithSdl(painted(8, 8, false), file("tiny.png"), false))
        return 1;
    auto start = Clock::now();
    // JPEG pictures decode at their first use: each JPEG figure is the load and that use.
    e->pixel(e->loadTexture(file("tiny.jpg"), "tiny_jpg"), 0, 0);
    e->loadTexture(file("tiny.png"), "tiny_png");
    std::printf("image_library_setup %.2f ms\n", msSince(start));
    auto medianLoad = [&](auto load) {
        std::vector<double> times;
        for (int i = 0; i < 5; ++i) {
            const auto t = Clock::now();
            load();
            times.push_back(msSince(t));
        }
        return median(times);
    };
    const engine::TextureId map = e->loadTexture(file("map.jpg"), "map");
    std::printf("load_jpeg_1024x768 %.2f ms\n",
                medianLoad([&] { e->pixel(e->loadTexture(file("map.jpg"), "map"), 0, 0); }));
    std::printf("load_png_1024x768 %.2f ms\n", medianLoad([&] {
                    e->loadTexture(file("mask.png"), "mask",
                                   {.width = 1024, .height = 768, .filtered = false});
                }));
    std::printf("load_100_small_dds %.2f ms\n", medianLoad([&] {
                    for (int i = 0; i < 100; ++i)
                        e->loadTexture(file("small" + std::to_string(i) + ".dds"),
                                       "small" + std::to_string(i));
                }));

    const engine::TextureId panel = e->loadTexture(file("panel.dds"), "panel");
    const engine::TextureId sprite = e->loadTexture(file("sprite.dds"), "sprite");
    const engine::TextureId small = e->texture("small0");
    const engine::FontId font = e->createFont("panel_font", "Impact", 26, {.bold = true});
    const engine::FontId font2 = e->createFont("panel_font2", "Impact", 20, {.bold = true});
    if (map < 0 || panel < 0 || sprite < 0 || small < 0 || font < 0 || font2 < 0) {
        std::fprintf(stderr, "engine-bench: %s\n", e->lastError().c_str());
        return 1;
    }

    // A busy playing frame: map, panel, twelve turning insects, ten small turning objects,
    // eight HUD lines (one changes every frame, like the clock) and a fade over everything.
    timeFrames("busy", 400, [&](int frame) {
        e->clear();
        e->drawTexture(map, 0, 0, 1024, 768);
        for (int i = 0; i < 12; ++i)
            e->drawRotated(sprite, 80.0f + i * 65.0f, 150.0f + (i % 4) * 150.0f, 200, 150,
                           float(frame * 3 + i * 30));
        for (int i = 0; i < 10; ++i)
            e->drawRotated(small, 100.0f + i * 70.0f, 700, 32, 32, float(frame * 5 + i * 36));
        e->drawTexture(panel, 864, 0, 1024, 768);
        for (int i = 0; i < 7; ++i)
            e->drawText(std::to_string(1000 * (i + 1)), 880, 100.0f + i * 60, 0xFFFFFFFFu,
                        i % 2 ? font : font2);
        e->drawText(std::to_string(frame / 60) + " s", 880, 600, 0xFFFFFF00u, font);
        e->fillRect(0, 0, 1024, 768, engine::Corners::all(0x40FFFFFFu));
        e->present();
    });
    std::printf("busy_frame_goal 2.5 ms\n");

    // The main menu: the slideshow picture, the menu bar at 80 %, five items at their sizes of
    // the moment, the help line's band and text, and the turning sign.
    const engine::TextureId bar = e->loadTexture(file("bar.dds"), "bar");
    const engine::TextureId item = e->loadTexture(file("item.dds"), "item");
    const engine::Corners faded = engine::Corners::all(0xCCFFFFFFu);
    timeFrames("menu", 200, [&](int frame) {
        e->clear();
        e->drawTexture(map, 0, 0, 1024, 768);
        e->fillRect(400, 722, 998, 742, {0x1A024589u, 0xCC024589u, 0xCC024589u, 0x1A024589u});
        e->drawText("Help line " + std::to_string(frame), 410, 722, 0xFFFFFFFFu, font2);
        const float sign = float(frame % 52) / 2.0f;
        e->drawTexture(small, 988.0f - sign, 706, 988.0f + sign, 758, faded);
        e->drawTexture(bar, 50, 0, 334, 768, faded);
        for (int i = 0; i < 5; ++i) {
            const float w = 150.0f + float((frame * 3 + i * 40) % 99), h = w * 60.0f / 248.0f;
            const float cy = 320.0f + 90.0f * float(i);
            e->drawTexture(item, 192.0f - w / 2, cy - h / 2, 192.0f + w / 2, cy + h / 2);
        }
        e->present();
    });

    // The loading screen, redrawn after each of several hundred loads: the menu picture scaled
    // into a frame, the bar pictures stretched, the percentage in text.
    const engine::FontId loadingFont = e->createFont("loading_font", "Arial", 24);
    timeFrames("loading", 200, [&](int frame) {
        e->clear();
        e->drawTexture(panel, 0, 703, 1024, 723);
        e->fillRect(158, 46, 866, 579, engine::Corners::all(0xFF000000u));
        e->drawTexture(map, 162, 50, 862, 575);
        e->fillRect(457, 610, 561, 674, engine::Corners::all(0xFF000000u));
        e->fillRect(459, 612, 559, 672, engine::Corners::all(0xFF024589u));
        e->drawTexture(small, 98, 739, 932, 750);
        e->drawTexture(small, 98, 739, 98.0f + float(frame) * 834.0f / 200.0f, 750);
        e->drawText(std::to_string(frame / 2) + "%", 490, 625, 0xFF000000u, loadingFont);
        e->present();
    });

    rowFigures();

    std::error_code ec;
    fs::remove_all(dir, ec);
    return 0;
}
