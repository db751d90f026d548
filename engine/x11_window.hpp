// What SDL cannot tell about a window on an X server: whether a window manager runs there (SDL's
// full screen is a request to one, and without one nobody carries it out while SDL draws as if
// it had been), and the window's picture as the screen shows it.
#pragma once

#include "engine/dds.hpp"

#include <SDL.h>

#include <string>

namespace engine {

// False only on an X server without a window manager that takes full-screen requests.
bool windowManagerHandlesFullScreen(SDL_Window* window);

// False only on an X server through which no graphics card draws (no DRI2, DRI3 or NVIDIA GLX,
// as under Xvfb or a VNC server) or where software OpenGL is asked for: OpenGL there is a
// software rasteriser that keeps a copy of every texture and presents slowly.
bool graphicsCardReachable(SDL_Window* window);

// The window's pixels as the X server shows them, 0xFFRRGGBB rows of the window's size. False
// (with `error`) on other window systems.
bool readShownWindow(SDL_Window* window, Image& out, std::string& error);

} // namespace engine
