#include "engine/display.hpp"
#include "engine/letterbox.hpp"
#include "engine/x11_window.hpp"

#include <algorithm>
#include <cmath>
#include <string>

namespace engine {

double displayRefreshMs() {
    SDL_DisplayMode mode{};
    if (SDL_WasInit(SDL_INIT_VIDEO) && SDL_GetCurrentDisplayMode(0, &mode) == 0 &&
        mode.refresh_rate > 0)
        return 1000.0 / mode.refresh_rate;
    return 1000.0 / 60.0;
}

double realNowMs() {
    return double(SDL_GetPerformanceCounter()) * 1000.0 / double(SDL_GetPerformanceFrequency());
}

namespace {

class WindowDisplay final : public Display {
  public:
    // With `software`, frames are drawn by the software rasteriser into memory and streamed to
    // `canvas`; otherwise the renderer draws straight into `canvas`, a render target.
    WindowDisplay(SDL_Window* window, SDL_Renderer* renderer, SDL_Texture* canvas, Size size,
                  bool software)
        : window_(window), renderer_(renderer), canvas_(canvas), size_(size), software_(software),
          managed_(windowManagerHandlesFullScreen(window)) {
        SDL_RendererInfo info{};
        presentsInSoftware_ =
            SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE);
        if (software_) {
            memory_.width = size.width;
            memory_.height = size.height;
            memory_.pixels.assign(std::size_t(size.width) * size.height, 0xFF000000u);
            painter_ = createSoftwarePainter(memory_);
        } else {
            painter_ = createRendererPainter(renderer);
        }
    }
    ~WindowDisplay() override {
        SDL_DestroyTexture(canvas_);
        SDL_DestroyRenderer(renderer_);
        SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    // Pictures go to the card only when the card draws them.
    SDL_Renderer* renderer() const override { return software_ ? nullptr : renderer_; }
    Painter& painter() override { return *painter_; }
    Size canvasSize() const override { return size_; }

    void beginFrame() override {
        if (!software_)
            SDL_SetRenderTarget(renderer_, canvas_);
    }

    bool show(std::string& error) override {
        if (software_)
            SDL_UpdateTexture(canvas_, nullptr, memory_.pixels.data(), size_.width * 4);
        if (SDL_SetRenderTarget(renderer_, nullptr) != 0) {
            error = std::string("cannot present the frame: ") + SDL_GetError();
            return false;
        }
        SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        const Box box = letterbox(outputSize(), size_);
        const SDL_Rect dst{box.x, box.y, box.width, box.height};
        SDL_RenderCopy(renderer_, canvas_, nullptr, &dst);
        waitForRefresh();
        SDL_RenderPresent(renderer_);
        if (!software_)
            SDL_SetRenderTarget(renderer_, canvas_);
        return true;
    }

    bool capture(Image& out, std::string& error) override {
        if (software_) {
            out = memory_;
            return true;
        }
        SDL_SetRenderTarget(renderer_, canvas_);
        out.width = size_.width;
        out.height = size_.height;
        out.pixels.assign(std::size_t(size_.width) * size_.height, 0);
        if (SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, out.pixels.data(),
                                 size_.width * 4) != 0) {
            error = std::string("cannot read the frame back: ") + SDL_GetError();
            return false;
        }
        return true;
    }

    const std::uint32_t* framePixels() const override {
        return software_ ? memory_.pixels.data() : nullptr;
    }

    void setVsync(bool on) override {
        vsync_ = on;
        SDL_RenderSetVSync(renderer_, on ? 1 : 0);
    }

    bool handleEvent(const SDL_Event& e) override {
        if (e.type == SDL_KEYDOWN &&
            (e.key.keysym.scancode == SDL_SCANCODE_RETURN ||
             e.key.keysym.scancode == SDL_SCANCODE_KP_ENTER) &&
            (e.key.keysym.mod & KMOD_ALT)) {
            // A held Alt+Enter repeats; only the first press toggles.
            if (!e.key.repeat)
                setFullscreen(!fullscreen());
            return true;
        }
        return false;
    }

    bool pumpsEvents() const override { return true; }

    Point toCanvas(int x, int y) const override {
        return windowToCanvas(x, y, pixelsPerWindowUnit(), outputSize(), size_);
    }

    bool captureShown(Image& out, std::string& error) override {
        return readShownWindow(window_, out, error);
    }

    bool fullscreen() const {
        return covering_ || (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0;
    }

    // Full screen is a request to the window manager. Without one nobody carries it out, while
    // SDL draws as if the window had grown to the screen: the picture lands shifted and cut.
    // There the window itself covers the screen, which no one else arranges anyway.
    void setFullscreen(bool on) {
        if (managed_) {
            SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
        } else if (on != covering_) {
            SDL_Rect to = windowed_;
            if (on) {
                SDL_GetWindowPosition(window_, &windowed_.x, &windowed_.y);
                SDL_GetWindowSize(window_, &windowed_.w, &windowed_.h);
                SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(window_), 0), &to);
            }
            SDL_SetWindowBordered(window_, on ? SDL_FALSE : SDL_TRUE);
            SDL_SetWindowSize(window_, to.w, to.h);
            SDL_SetWindowPosition(window_, to.x, to.y);
            SDL_RaiseWindow(window_);
            covering_ = on;
        }
        // The game is played with the keyboard: a pointer over the full screen only distracts.
        SDL_ShowCursor(on ? SDL_DISABLE : SDL_ENABLE);
    }

  private:
    // SDL's software renderer has no vertical sync: frames are spaced by the refresh instead,
    // so the game does not spin a core drawing frames nobody sees.
    void waitForRefresh() {
        if (!vsync_ || !presentsInSoftware_)
            return;
        const double due = lastPresentMs_ + refreshMs_;
        const double now = realNowMs();
        if (now < due)
            SDL_Delay(Uint32(due - now));
        lastPresentMs_ = std::max(due, realNowMs());
    }

    // High-DPI screens have more output pixels than window units.
    float pixelsPerWindowUnit() const {
        int ww = 0, wh = 0, ow = 0, oh = 0;
        SDL_GetWindowSize(window_, &ww, &wh);
        SDL_GetRendererOutputSize(renderer_, &ow, &oh);
        return ww > 0 ? float(ow) / float(ww) : 1.0f;
    }

    Size outputSize() const {
        Size out;
        SDL_GetRendererOutputSize(renderer_, &out.width, &out.height);
        return out;
    }

    SDL_Window* window_;
    SDL_Renderer* renderer_;
    SDL_Texture* canvas_;
    Size size_;
    bool software_;
    bool managed_;          // a window manager carries out full-screen requests
    bool covering_ = false; // full screen without a window manager
    bool vsync_ = true;
    bool presentsInSoftware_ = false; // SDL's software renderer shows the frames
    double refreshMs_ = displayRefreshMs();
    double lastPresentMs_ = 0.0;
    SDL_Rect windowed_{}; // where the window was before it covered the screen
    Image memory_;
    std::unique_ptr<Painter> painter_;
};

} // namespace

std::unique_ptr<Display> createWindowDisplay(const DisplayConfig& config, std::string& error,
                                             WindowDrawing drawing) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error = std::string("cannot open the display: ") + SDL_GetError();
        return nullptr;
    }
    // Where no display answers, SDL falls back to drivers that show nothing: a window there
    // would run unseen for ever. They serve only when asked for by name.
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    if ((!asked || !*asked) && (driver == "offscreen" || driver == "dummy")) {
        error = "no X or Wayland display answers (DISPLAY, WAYLAND_DISPLAY); SDL_VIDEODRIVER "
                "may name another video driver";
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    // The window opens at canvas size unless the desktop is smaller; it shrinks to fit then.
    int w = config.width, h = config.height;
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0) {
        const double fit = std::min({1.0, double(usable.w) / w, double(usable.h) / h});
        w = int(w * fit);
        h = int(h * fit);
    }
    // Shown once it is set up: whether it goes full screen depends on the window manager.
    const Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_HIDDEN;
    SDL_Window* window = SDL_CreateWindow(config.title.c_str(), SDL_WINDOWPOS_CENTERED,
                                          SDL_WINDOWPOS_CENTERED, w, h, flags);
    if (!window) {
        error = std::string("cannot open the window: ") + SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    // Without a graphics card OpenGL would be a software rasteriser holding a second copy of
    // every picture: the engine's own rasteriser draws then, and SDL's shows the frames.
    const bool cardless = drawing == WindowDrawing::Automatic && !graphicsCardReachable(window);
    SDL_Renderer* renderer =
        cardless ? nullptr
                 : SDL_CreateRenderer(window, -1,
                                      SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC |
                                          SDL_RENDERER_TARGETTEXTURE);
    // SDL's software renderer shows frames through the X server's shared memory, unless SDL
    // first tries OpenGL for that, which would load the very rasteriser avoided here.
    if (cardless)
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (!renderer) // no graphics driver: the software renderer still shows the game
        renderer =
            SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE);
    if (!renderer) {
        error = std::string("cannot create the renderer: ") + SDL_GetError();
        SDL_DestroyWindow(window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    // SDL's own software renderer turns and blends far slower than the engine's rasteriser, so
    // without a graphics card the engine draws and SDL only shows the result.
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer, &info);
    const bool software =
        drawing == WindowDrawing::Software ||
        (drawing == WindowDrawing::Automatic && (info.flags & SDL_RENDERER_SOFTWARE) != 0);
    SDL_Texture* canvas =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                          software ? SDL_TEXTUREACCESS_STREAMING : SDL_TEXTUREACCESS_TARGET,
                          config.width, config.height);
    if (!canvas) {
        error = std::string("cannot create the canvas: ") + SDL_GetError();
        SDL_DestroyRenderer(renderer);
        SDL_DestroyWindow(window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    SDL_SetTextureScaleMode(canvas, SDL_ScaleModeLinear);
    if (!software) {
        SDL_SetRenderTarget(renderer, canvas);
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
    }
    // The game reads keys, never typed text: no input method should pop up over it.
    SDL_StopTextInput();
    auto display = std::make_unique<WindowDisplay>(window, renderer, canvas,
                                                   Size{config.width, config.height}, software);
    display->setFullscreen(config.fullscreen);
    SDL_ShowWindow(window);
    return display;
}

} // namespace engine
