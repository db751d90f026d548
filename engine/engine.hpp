// The graphics, input and timing engine of the game and the level editor.
//
// One Engine object owns a display back end (window, headless or surface), every texture and
// font, the clock and the input state. Coordinates are pixels of the canvas (1024 x 768 for the
// game, the view size for the surface back end), origin top left. Colours are packed 0xAARRGGBB.
// No call throws or aborts: failures return false or an invalid id and leave a message in
// lastError().
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace engine {

using Color = std::uint32_t;

// Packs four channels 0..1 (clamped) into 0xAARRGGBB.
Color makeColor(float r, float g, float b, float a);
inline constexpr Color kWhite = 0xFFFFFFFFu;

// Corner colours of a rectangle: top-left, top-right, bottom-right, bottom-left.
struct Corners {
    Color topLeft = kWhite, topRight = kWhite, bottomRight = kWhite, bottomLeft = kWhite;
    static constexpr Corners all(Color c) { return {c, c, c, c}; }
};

using TextureId = int; // kNoTexture draws nothing
using FontId = int;    // kNoFont draws nothing
inline constexpr TextureId kNoTexture = -1;
inline constexpr FontId kNoFont = -1;

struct Size {
    int width = 0, height = 0;
};
struct Point {
    int x = 0, y = 0;
};

enum class Backend {
    Window,   // an SDL window with an accelerated renderer, canvas letterboxed
    Headless, // software rendering into an off-screen canvas; needs no display
    Surface,  // software rendering into memory that a Qt widget paints
};

struct DisplayConfig {
    Backend backend = Backend::Headless;
    std::string title = "Brimzel";
    bool fullscreen = false; // Window only: desktop full screen
    int width = 1024;        // canvas size
    int height = 768;
};

// Key codes of the game (DirectInput scan-code numbering).
namespace key {
inline constexpr int Escape = 1;
inline constexpr int Enter = 28; // keypad Enter too
inline constexpr int S = 31;
inline constexpr int Space = 57;
inline constexpr int F12 = 88;
inline constexpr int Up = 200;
inline constexpr int Left = 203;
inline constexpr int Right = 205;
inline constexpr int Down = 208;
} // namespace key

// Gamepad controls the game steers with, in SDL's game-controller layout so that any mapped pad
// has them whatever its own button numbering.
enum class PadButton { A, B, Start, DpadUp, DpadDown, DpadLeft, DpadRight };
inline constexpr int kPadButtonCount = 7;
enum class PadAxis { LeftX, LeftY }; // -1 (left, up) .. 1 (right, down)

struct FontStyle {
    bool bold = false, italic = false, underline = false;
};

struct LoadOptions {
    int width = -1, height = -1;  // -1, -1 keep the file's size; other sizes resample
    bool magentaColorKey = false; // pure magenta becomes transparent
    bool filtered = true;         // false: nearest-neighbour sampling (masks)
    bool readPixels = false;      // pixel() reads it (masks): see there
    bool operator==(const LoadOptions&) const = default;
};

// A picture file to load, as loadTexture takes it.
struct TextureFile {
    std::string path;
    LoadOptions options;
};

class Engine {
  public:
    // Opens the display. Returns null and sets `error` when it cannot.
    static std::unique_ptr<Engine> create(const DisplayConfig& config, std::string& error);
    virtual ~Engine() = default;

    const std::string& lastError() const { return error_; }
    // The first picture that could not be decoded at its first use after all (a JPEG file that
    // passed the check at load), with the reason; empty while none has failed. That picture
    // draws nothing and its pixels read 0: a program that needs its pictures ends on this as on
    // a failed load.
    const std::string& pictureFailure() const { return pictureFailure_; }

    // Frame.
    virtual void clear() = 0;
    virtual bool present() = 0;
    // Whether a refresh of the display has passed, in real time, since the last frame was shown:
    // a screen drawn between pieces of other work shows no more frames than the display can.
    virtual bool refreshDue() const { return true; }
    // A frame that is not shown: the clock moves on as if it had been presented, so a scripted
    // run's ticks do not depend on how many frames the machine had time to show.
    virtual void skipFrame() {}
    virtual float elapsedMs() const = 0;                 // length of the last frame
    virtual std::uint32_t tick() const = 0;              // ms clock, as of the last present
    virtual void useScriptedClock(float msPerFrame) = 0; // exact, accumulated per present
    // The clock shows these values until the next call (a recorded run played back).
    virtual void setClock(float /*elapsedMs*/, std::uint32_t /*tick*/) {}
    virtual void setVsync(bool on) = 0; // loading screens present without waiting
    virtual Size canvasSize() const = 0;
    // Colour that clear() fills the canvas with (alpha ignored); opaque black until set.
    virtual void setBackgroundColor(Color /*color*/) {}

    // Paths of textures and fonts resolve against this folder unless absolute.
    virtual void setSearchDirectory(const std::string& folder) = 0;

    // Textures under string keys. A second load under the same key replaces the first. JPEG
    // files that nothing reads at once are read and checked at load and decoded at their first
    // draw or pixel read; a file that fails the check fails the load.
    virtual TextureId loadTexture(const std::string& path, const std::string& key,
                                  const LoadOptions& options = {}) = 0;
    virtual TextureId texture(const std::string& key) const = 0; // kNoTexture if unknown
    // Decodes these files on worker threads, one per core, ahead of the loadTexture calls that
    // follow for them in the same order; a call for anything else loads as usual. Results and
    // errors are exactly those of loading without it. A later call replaces the list.
    virtual void prefetchTextures(std::vector<TextureFile> /*files*/) {}
    virtual Size textureSize(TextureId id) const = 0;
    // Colour of the decoded file's pixel, exact (no filtering); 0 outside the picture. A texture
    // loaded at another size answers for its resampled picture. Where the graphics card draws
    // (the window back end), only textures loaded with readPixels keep the decoded copy this
    // reads; the others answer 0.
    virtual Color pixel(TextureId id, int x, int y) const = 0;

    // Drawing, alpha-blended; the texture is modulated by the corner colours.
    virtual void drawTexture(TextureId id, float x1, float y1, float x2, float y2,
                             const Corners& colors = {}) = 0;
    // Rotated about its centre by degrees, clockwise on screen.
    virtual void drawRotated(TextureId id, float centerX, float centerY, float width, float height,
                             float angleDegrees, const Corners& colors = {}) = 0;
    virtual void fillRect(float x1, float y1, float x2, float y2, const Corners& colors) = 0;

    // Fonts resolve their face through fontconfig (with look-alikes for missing faces). Sizes are
    // points at 96 dots per inch: 24 points are 32 pixels. Text is drawn at whole pixels.
    virtual FontId createFont(const std::string& key, const std::string& face, int sizePoints,
                              const FontStyle& style = {}) = 0;
    virtual FontId font(const std::string& key) const = 0;
    virtual Size measureText(const std::string& utf8, FontId font) = 0;
    virtual void drawText(const std::string& utf8, float x, float y, Color color, FontId font) = 0;

    // Fades the presented frames in from a colour over `ms`, drawn over everything.
    virtual void fadeIn(float r, float g, float b, float ms) = 0;

    // The last presented frame: `bytes` becomes a whole JPEG file (quality 90), which the
    // caller writes whole or not at all.
    virtual bool encodeScreenshotJpeg(std::string& bytes) = 0;
    virtual bool savePng(const std::string& path) = 0;
    // What the screen shows of the game: the window's own picture at the window's size on the
    // window back end (read from the X server), the last presented frame on the others.
    virtual bool saveShownPng(const std::string& path) { return savePng(path); }
    // The last presented frame as 0xAARRGGBB rows of canvas width; null on the window back end.
    // The surface back end keeps it aside (a host may paint it at any time); on the headless back
    // end it stays valid until drawing of the next frame begins.
    virtual const std::uint32_t* framePixels() const = 0;

    // Input. pumpEvents() runs once at the start of each frame and returns false once the user
    // asked to close. It fixes what the frame reads of keys and buttons: each takes at most one
    // change per frame, oldest first, so a press and release that both came since the last frame
    // read down in this frame and up in the next, and no press is lost or doubled. Keys and
    // buttons set by a script or a host likewise show from the next pumpEvents() on.
    virtual bool pumpEvents() = 0;
    // The next pumpEvents() reports a close, as the window's close box would (replays).
    virtual void requestClose() {}
    // True while the key is held, or its gamepad equivalent on any pad: the d-pad and the left
    // stick are the arrow keys, A is Enter, B and Start are Escape.
    virtual bool keyDown(int keyCode) const = 0;
    virtual bool mouseButtonDown(int button) const = 0; // 0 = left
    virtual Point mousePosition() const = 0;            // canvas pixels
    virtual Point mouseRelative() = 0;                  // movement since the previous query

    // Scripted input (headless runs, tests) and input fed by a host widget (surface back end).
    virtual void setKey(int keyCode, bool down) = 0;
    virtual void setMouse(Point position, bool leftDown) = 0;

    // Gamepads. The window back end opens every controller SDL has a mapping for, including pads
    // plugged in while running; a pad that goes away lets go of everything it held. Scripts
    // drive pads by any id of their choosing: a pad appears when first set.
    virtual int padCount() const { return 0; }
    virtual void setPadButton(int /*pad*/, PadButton /*button*/, bool /*down*/) {}
    virtual void setPadAxis(int /*pad*/, PadAxis /*axis*/, float /*value*/) {}
    virtual void removePad(int /*pad*/) {}

    // Whether the window has the input focus; true on the memory back ends unless a script says
    // otherwise. Losing it lets go of every held key and pad control, whose releases would never
    // arrive.
    virtual bool hasFocus() const { return focused_; }
    virtual void setFocus(bool focused) { focused_ = focused; }

  protected:
    std::string error_;
    std::string pictureFailure_;
    bool focused_ = true;
};

} // namespace engine
