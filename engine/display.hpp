// The display back ends behind the engine: where the renderer draws and where a finished frame
// goes. The engine draws every frame into a canvas of a fixed size through `renderer()`.
#pragma once

#include "engine/dds.hpp"
#include "engine/engine.hpp"
#include "engine/painter.hpp"

#include <SDL.h>

#include <memory>
#include <string>

namespace engine {

class Display {
  public:
    virtual ~Display() = default;

    // The SDL renderer that owns card textures, or null where pictures stay in memory.
    virtual SDL_Renderer* renderer() const = 0;
    virtual Painter& painter() = 0;
    virtual Size canvasSize() const = 0;

    // Makes the canvas the render target for a new frame.
    virtual void beginFrame() = 0;
    // The canvas holds a finished frame: show it (window) or keep it (memory back ends).
    virtual bool show(std::string& error) = 0;
    // A copy of the last shown frame.
    virtual bool capture(Image& out, std::string& error) = 0;
    // The picture as the screen shows it: on the window back end the window's own pixels at the
    // window's size, bars and all; elsewhere the last frame.
    virtual bool captureShown(Image& out, std::string& error) { return capture(out, error); }
    // The last shown frame as canvas-sized rows of 0xAARRGGBB, or null where the frame lives
    // on the graphics card.
    virtual const std::uint32_t* framePixels() const = 0;
    virtual void setVsync(bool on) = 0;

    // Window back end: the display reacts to an SDL event (Alt+Enter, resizing); true when the
    // event is consumed and must not reach the input state.
    virtual bool handleEvent(const SDL_Event&) { return false; }
    // Whether SDL events are pumped for this display (memory back ends get input from the host).
    virtual bool pumpsEvents() const { return false; }
    // Window coordinates to canvas pixels.
    virtual Point toCanvas(int x, int y) const { return {x, y}; }
};

// Milliseconds on a steady clock.
double realNowMs();
// The time between two refreshes of the main display (60 Hz when it cannot be told).
double displayRefreshMs();

// Who draws a window's frames: the graphics card through the SDL renderer, or the software
// rasteriser (chosen automatically where no graphics card draws: then SDL's software renderer
// only shows the frames, and no OpenGL rasteriser is loaded).
enum class WindowDrawing { Automatic, Renderer, Software };
std::unique_ptr<Display> createWindowDisplay(const DisplayConfig& config, std::string& error,
                                             WindowDrawing drawing = WindowDrawing::Automatic);
// The engine's own software rasteriser drawing into memory. `keepCopy` copies each shown frame
// aside so a host may read it at any time (surface back end); without it the canvas itself holds
// the frame until the next clear (headless back end).
std::unique_ptr<Display> createMemoryDisplay(const DisplayConfig& config, bool keepCopy,
                                             std::string& error);

} // namespace engine
