#include "engine/engine.hpp"

#include "engine/display.hpp"
#include "engine/font_resolver.hpp"
#include "engine/frame_clock.hpp"
#include "engine/frame_switches.hpp"
#include "engine/gamepad_devices.hpp"
#include "engine/gamepad_keys.hpp"
#include "engine/image_file.hpp"
#include "engine/input_state.hpp"
#include "engine/jpeg_file.hpp"
#include "engine/text_cache.hpp"
#include "engine/texture_prefetch.hpp"
#include "engine/texture_store.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <new>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

namespace engine {
namespace {

// Font sizes are points at 96 dots per inch, the usual desktop rule (12 pt = 16 px).
constexpr unsigned kFontDpi = 96;
constexpr std::size_t kTextCacheEntries = 512;
// Decoded pictures waiting for their load: enough to keep the workers busy while the loading
// thread presents a frame, few enough that the window's pictures are not held twice for long.
constexpr std::size_t kPrefetchAhead = 8;

// Coordinates a caller computed from nothing (NaN, infinity, overflowed values) draw nothing
// rather than something arbitrary.
bool usable(std::initializer_list<float> values) {
    return std::all_of(values.begin(), values.end(),
                       [](float v) { return std::isfinite(v) && std::fabs(v) < 1e7f; });
}

struct FontRecord {
    std::string key;
    TTF_Font* font = nullptr;
};

struct Fade {
    bool active = false;
    Color color = 0;
    std::uint32_t startTick = 0;
    float ms = 0;
};

class SdlEngine final : public Engine {
  public:
    SdlEngine(std::unique_ptr<Display> display)
        : display_(std::move(display)), textures_(display_->renderer()), texts_(kTextCacheEntries) {
        // Real pads belong to a window: memory back ends are driven by a script or a host.
        if (display_->pumpsEvents())
            devices_ = std::make_unique<GamepadDevices>();
    }

    ~SdlEngine() override {
        prefetch_.reset(); // no decoding goes on while the libraries close
        texts_.clear();
        for (auto& f : fonts_)
            if (f.font)
                TTF_CloseFont(f.font);
        TTF_Quit();
    }

    // Frame.
    void clear() override {
        display_->beginFrame();
        display_->painter().clear(background_);
    }

    bool present() override {
        drawFade();
        display_->painter().flush();
        std::string error;
        const bool ok = display_->show(error);
        if (!ok)
            error_ = error;
        clock_.advance();
        lastShownMs_ = realNowMs();
        return ok;
    }

    bool refreshDue() const override { return realNowMs() - lastShownMs_ >= refreshIntervalMs_; }
    void skipFrame() override { clock_.advance(); }

    float elapsedMs() const override { return clock_.elapsedMs(); }
    std::uint32_t tick() const override { return clock_.tick(); }
    void useScriptedClock(float msPerFrame) override { clock_.useScripted(msPerFrame); }
    void setClock(float elapsedMs, std::uint32_t tick) override { clock_.set(elapsedMs, tick); }
    void setVsync(bool on) override { display_->setVsync(on); }
    Size canvasSize() const override { return display_->canvasSize(); }
    void setBackgroundColor(Color color) override { background_ = color; }

    void setSearchDirectory(const std::string& folder) override { searchDirectory_ = folder; }

    // Textures.
    TextureId loadTexture(const std::string& path, const std::string& key,
                          const LoadOptions& options) override {
        std::string error;
        TextureId id = kNoTexture;
        std::optional<DecodedPicture> decoded;
        if (prefetch_) {
            decoded = prefetch_->take(path, options);
            if (prefetch_->done())
                prefetch_.reset();
        }
        if (!decoded)
            decoded = decodeForLoad(path, resolve(path), options);
        if (!decoded->ok)
            error = decoded->error;
        else
            try {
                id = decoded->deferred ? textures_.storeDeferred(std::move(*decoded->deferred), key)
                                       : textures_.store(std::move(decoded->picture), resolve(path),
                                                         key, options, error);
            } catch (const std::bad_alloc&) {
                error = "cannot load " + path + ": out of memory";
            }
        if (id == kNoTexture)
            error_ = error;
        return id;
    }

    void prefetchTextures(std::vector<TextureFile> files) override {
        prefetch_.reset();
        std::vector<std::string> resolved;
        resolved.reserve(files.size());
        for (const TextureFile& f : files)
            resolved.push_back(resolve(f.path));
        // One worker per core: the loading thread mostly waits for them, or draws.
        const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
        prefetch_ = std::make_unique<TexturePrefetch>(std::move(files), std::move(resolved),
                                                      threads, kPrefetchAhead);
    }

    TextureId texture(const std::string& key) const override { return textures_.find(key); }

    Size textureSize(TextureId id) const override {
        const TextureRecord* t = textures_.get(id);
        return t ? Size{t->picture.image.width, t->picture.image.height} : Size{};
    }

    Color pixel(TextureId id, int x, int y) const override {
        const Picture* picture = ready(id);
        if (!picture)
            return 0;
        const Image& image = picture->image;
        if (x < 0 || y < 0 || x >= image.width || y >= image.height || image.pixels.empty())
            return 0;
        return image.pixels[std::size_t(y) * image.width + x];
    }

    // Drawing.
    void drawTexture(TextureId id, float x1, float y1, float x2, float y2,
                     const Corners& colors) override {
        if (!usable({x1, y1, x2, y2}))
            return;
        if (const Picture* picture = ready(id))
            display_->painter().drawPicture(*picture, x1, y1, x2, y2, normalizedCorners(colors));
    }

    void drawRotated(TextureId id, float centerX, float centerY, float width, float height,
                     float angleDegrees, const Corners& colors) override {
        if (!usable({centerX, centerY, width, height, angleDegrees}))
            return;
        if (const Picture* picture = ready(id))
            display_->painter().drawRotated(*picture, centerX, centerY, width, height, angleDegrees,
                                            normalizedCorners(colors));
    }

    void fillRect(float x1, float y1, float x2, float y2, const Corners& colors) override {
        if (usable({x1, y1, x2, y2}))
            display_->painter().fill(x1, y1, x2, y2, normalizedCorners(colors));
    }

    // Fonts and text.
    FontId createFont(const std::string& key, const std::string& face, int sizePoints,
                      const FontStyle& style) override {
        if (sizePoints <= 0 || sizePoints > 1000) {
            error_ = "cannot create font \"" + key + "\": size " + std::to_string(sizePoints) +
                     " is out of range";
            return kNoFont;
        }
        ResolvedFont resolved;
        std::string error;
        const std::string faceOrPath = face.find('/') != std::string::npos ? resolve(face) : face;
        if (!resolveFont(faceOrPath, style.bold, style.italic, resolved, error)) {
            error_ = "cannot create font \"" + key + "\": " + error;
            return kNoFont;
        }
        TTF_Font* font = TTF_OpenFontIndexDPI(resolved.file.c_str(), sizePoints, resolved.index,
                                              kFontDpi, kFontDpi);
        if (!font) {
            error_ = "cannot open font " + resolved.file + ": " + TTF_GetError();
            return kNoFont;
        }
        int ttfStyle = TTF_STYLE_NORMAL;
        if (resolved.bold && !resolved.boldFace)
            ttfStyle |= TTF_STYLE_BOLD;
        if (style.italic && !resolved.italicFace)
            ttfStyle |= TTF_STYLE_ITALIC;
        if (style.underline)
            ttfStyle |= TTF_STYLE_UNDERLINE;
        TTF_SetFontStyle(font, ttfStyle);

        if (auto it = fontsByKey_.find(key); it != fontsByKey_.end()) {
            FontRecord& old = fonts_[std::size_t(it->second)];
            TTF_CloseFont(old.font);
            old.font = font;
            texts_.clear(); // cached texts of the old face must not be shown again
            return it->second;
        }
        fonts_.push_back({key, font});
        const FontId id = FontId(fonts_.size() - 1);
        fontsByKey_.emplace(key, id);
        return id;
    }

    FontId font(const std::string& key) const override {
        auto it = fontsByKey_.find(key);
        return it == fontsByKey_.end() ? kNoFont : it->second;
    }

    Size measureText(const std::string& utf8, FontId font) override {
        TTF_Font* f = fontOf(font);
        if (!f)
            return {};
        if (utf8.empty())
            return {0, TTF_FontHeight(f)};
        if (const Picture* c = renderedText(utf8, font))
            return {c->image.width, c->image.height};
        int w = 0, h = 0;
        TTF_SizeUTF8(f, utf8.c_str(), &w, &h);
        return {w, h};
    }

    void drawText(const std::string& utf8, float x, float y, Color color, FontId font) override {
        if (utf8.empty() || !fontOf(font) || !usable({x, y}))
            return;
        const Picture* c = renderedText(utf8, font);
        if (!c)
            return;
        // Glyphs are rendered for whole pixels; between them they would only blur.
        const float left = std::round(x), top = std::round(y);
        display_->painter().drawPicture(*c, left, top, left + float(c->image.width),
                                        top + float(c->image.height), Corners::all(color));
    }

    void fadeIn(float r, float g, float b, float ms) override {
        fade_.active = ms > 0;
        fade_.color = makeColor(r, g, b, 1.0f);
        fade_.startTick = clock_.tick();
        fade_.ms = ms;
    }

    // The last presented frame.
    bool encodeScreenshotJpeg(std::string& bytes) override {
        Image frame;
        std::string error;
        if (!display_->capture(frame, error)) {
            error_ = error;
            return false;
        }
        if (!encodeJpeg(frame, 90, bytes)) {
            error_ = "the frame could not be encoded as JPEG";
            return false;
        }
        return true;
    }

    bool savePng(const std::string& path) override { return savePngOf(false, path); }
    bool saveShownPng(const std::string& path) override { return savePngOf(true, path); }

    const std::uint32_t* framePixels() const override { return display_->framePixels(); }

    // Input.
    bool pumpEvents() override {
        if (display_->pumpsEvents()) {
            SDL_Event e;
            while (SDL_PollEvent(&e))
                handleEvent(e);
        }
        frameKeys_.nextFrame();
        frameButtons_.nextFrame();
        return !closeRequested_;
    }

    void requestClose() override { closeRequested_ = true; }

    bool keyDown(int keyCode) const override {
        return keyCode >= 0 && frameKeys_.down(std::size_t(keyCode));
    }
    bool mouseButtonDown(int button) const override {
        return button >= 0 && frameButtons_.down(std::size_t(button));
    }
    Point mousePosition() const override { return input_.mousePosition(); }
    Point mouseRelative() override { return input_.takeRelative(); }
    void setKey(int keyCode, bool down) override {
        input_.setKey(keyCode, down);
        keyChanged(keyCode);
    }
    void setMouse(Point position, bool leftDown) override {
        input_.setMouse(position);
        setButton(0, leftDown);
    }

    int padCount() const override { return pads_.count(); }
    void setPadButton(int pad, PadButton button, bool down) override {
        pads_.setButton(pad, button, down);
        padsChanged();
    }
    void setPadAxis(int pad, PadAxis axis, float value) override {
        pads_.setAxis(pad, axis, value);
        padsChanged();
    }
    void removePad(int pad) override {
        pads_.remove(pad);
        padsChanged();
    }

    void setFocus(bool focused) override {
        focused_ = focused;
        if (!focused) {
            input_.releaseAll();
            pads_.releaseAll();
            frameKeys_.releaseAll();
            frameButtons_.releaseAll();
        }
    }

  private:
    bool savePngOf(bool shown, const std::string& path) {
        Image frame;
        std::string error;
        const bool captured =
            shown ? display_->captureShown(frame, error) : display_->capture(frame, error);
        if (!captured || !saveImagePng(frame, path, error)) {
            error_ = error;
            return false;
        }
        return true;
    }

    // A key reads down while the keyboard or any pad holds it.
    void keyChanged(int keyCode) {
        if (keyCode >= 0)
            frameKeys_.set(std::size_t(keyCode), input_.keyDown(keyCode) || pads_.keyDown(keyCode));
    }
    void padsChanged() {
        for (int code = 0; code < kKeyCodeCount; ++code)
            keyChanged(code);
    }
    void setButton(int button, bool down) {
        input_.setButton(button, down);
        if (button >= 0)
            frameButtons_.set(std::size_t(button), input_.buttonDown(button));
    }

    std::string resolve(std::string path) const {
        std::replace(path.begin(), path.end(), '\\', '/');
        if (path.empty() || path.front() == '/' || searchDirectory_.empty())
            return path;
        std::string dir = searchDirectory_;
        std::replace(dir.begin(), dir.end(), '\\', '/');
        if (dir.back() != '/')
            dir += '/';
        return dir + path;
    }

    TTF_Font* fontOf(FontId id) const {
        return id >= 0 && std::size_t(id) < fonts_.size() ? fonts_[std::size_t(id)].font : nullptr;
    }

    const Picture* renderedText(const std::string& utf8, FontId font) {
        if (const Picture* c = texts_.find(font, utf8))
            return c;
        SDL_Surface* s = TTF_RenderUTF8_Blended(fontOf(font), utf8.c_str(), {255, 255, 255, 255});
        if (!s) {
            error_ = std::string("cannot render text: ") + TTF_GetError();
            return nullptr;
        }
        Image image;
        std::string error;
        const bool converted = imageFromSurface(s, image, error);
        SDL_FreeSurface(s);
        Picture picture;
        // Text is drawn at its own size on whole pixels mostly; filtering only matters between.
        if (!converted ||
            !makePicture(display_->renderer(), std::move(image), true, picture, error)) {
            error_ = "cannot render text: " + error;
            return nullptr;
        }
        return texts_.insert(font, utf8, std::move(picture));
    }

    void drawFade() {
        if (!fade_.active)
            return;
        const float done = float(clock_.tick() - fade_.startTick) / fade_.ms;
        if (done >= 1.0f) {
            fade_.active = false;
            return;
        }
        const Size size = display_->canvasSize();
        const Color alpha = Color(std::lround((1.0f - std::max(done, 0.0f)) * 255.0f));
        display_->painter().fill(0, 0, float(size.width), float(size.height),
                                 Corners::all((fade_.color & 0x00FFFFFFu) | alpha << 24));
    }

    void handleEvent(const SDL_Event& e) {
        if (e.type == SDL_QUIT ||
            (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE)) {
            closeRequested_ = true;
            return;
        }
        if (e.type == SDL_WINDOWEVENT && (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
                                          e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)) {
            setFocus(e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED);
            return;
        }
        if (devices_ && devices_->handleEvent(e, pads_)) {
            padsChanged();
            return;
        }
        if (display_->handleEvent(e))
            return;
        switch (e.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            setKey(keyCodeFromScancode(e.key.keysym.scancode), e.type == SDL_KEYDOWN);
            break;
        case SDL_MOUSEMOTION:
            input_.setMouse(display_->toCanvas(e.motion.x, e.motion.y));
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            input_.setMouse(display_->toCanvas(e.button.x, e.button.y));
            const int button = e.button.button == SDL_BUTTON_LEFT     ? 0
                               : e.button.button == SDL_BUTTON_RIGHT  ? 1
                               : e.button.button == SDL_BUTTON_MIDDLE ? 2
                                                                      : -1;
            setButton(button, e.type == SDL_MOUSEBUTTONDOWN);
            break;
        }
        default:
            break;
        }
    }

    // The picture of `id`, decoded first if its decode was deferred. A decode that fails then is
    // the last error, as a failed load is, and the picture failure (a pixel read, though const,
    // may be what decodes).
    const Picture* ready(TextureId id) const {
        std::string error;
        const Picture* picture = textures_.ready(id, error);
        if (!error.empty()) {
            auto* self = const_cast<SdlEngine*>(this);
            self->error_ = error;
            if (self->pictureFailure_.empty())
                self->pictureFailure_ = error;
        }
        return picture;
    }

    std::unique_ptr<Display> display_;
    // Deferred pictures decode on their first use, a pixel read included.
    mutable TextureStore textures_;
    TextCache texts_;
    std::vector<FontRecord> fonts_;
    std::unordered_map<std::string, FontId> fontsByKey_;
    FrameClock clock_;
    InputState input_; // what the keyboard and mouse hold now
    Gamepads pads_;
    // What the current frame reads: the one place the game polls input from.
    FrameSwitches frameKeys_{kKeyCodeCount};
    FrameSwitches frameButtons_{kMouseButtonCount};
    std::unique_ptr<GamepadDevices> devices_; // window back end only
    Fade fade_;
    Color background_ = 0xFF000000u;
    std::string searchDirectory_;
    bool closeRequested_ = false;
    std::unique_ptr<TexturePrefetch> prefetch_;
    double lastShownMs_ = 0.0; // real time at the end of the last present
    double refreshIntervalMs_ = displayRefreshMs();
};

} // namespace

std::unique_ptr<Engine> Engine::create(const DisplayConfig& config, std::string& error) {
    if (TTF_Init() != 0) {
        error = std::string("cannot initialise the font renderer: ") + TTF_GetError();
        return nullptr;
    }
    IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
    std::unique_ptr<Display> display;
    switch (config.backend) {
    case Backend::Window:
        display = createWindowDisplay(config, error);
        break;
    case Backend::Headless:
        display = createMemoryDisplay(config, false, error);
        break;
    case Backend::Surface:
        display = createMemoryDisplay(config, true, error);
        break;
    }
    if (!display) {
        TTF_Quit();
        return nullptr;
    }
    return std::make_unique<SdlEngine>(std::move(display));
}

} // namespace engine
