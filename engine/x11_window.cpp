#include "engine/x11_window.hpp"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <optional>

namespace engine {
namespace {

struct XWindow {
    Display* display = nullptr;
    Window window = 0;
};

std::optional<XWindow> xWindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return std::nullopt;
    return XWindow{info.info.x11.display, info.info.x11.window};
}

int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

// The window a WINDOW-typed property names; none where it is missing or its window is gone.
std::optional<Window> windowProperty(Display* display, Window owner, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* data = nullptr;
    std::optional<Window> named;
    if (XGetWindowProperty(display, owner, property, 0, 1, False, XA_WINDOW, &type, &format, &count,
                           &left, &data) == Success &&
        type == XA_WINDOW && format == 32 && count == 1)
        named = *reinterpret_cast<Window*>(data);
    if (data)
        XFree(data);
    return named;
}

} // namespace

bool graphicsCardReachable(SDL_Window* window) {
    if (const char* forced = SDL_getenv("LIBGL_ALWAYS_SOFTWARE");
        forced && *forced && SDL_strcmp(forced, "0") != 0)
        return false;
    const auto x = xWindowOf(window);
    if (!x)
        return true; // other window systems: the renderer SDL picks
    int opcode = 0, event = 0, error = 0;
    for (const char* extension : {"DRI3", "DRI2", "NV-GLX"})
        if (XQueryExtension(x->display, extension, &opcode, &event, &error))
            return true;
    return false;
}

bool windowManagerHandlesFullScreen(SDL_Window* window) {
    const auto x = xWindowOf(window);
    if (!x)
        return true; // other window systems always have their compositor
    const Atom check = XInternAtom(x->display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None)
        return false;
    // A window manager names a window of its own, which names itself again; a manager that has
    // ended leaves the root's property naming a window that is gone.
    XSync(x->display, False);
    auto* previous = XSetErrorHandler(ignoreXError);
    const auto child = windowProperty(x->display, DefaultRootWindow(x->display), check);
    const auto self = child ? windowProperty(x->display, *child, check) : std::nullopt;
    XSync(x->display, False);
    XSetErrorHandler(previous);
    return self && self == child;
}

bool readShownWindow(SDL_Window* window, Image& out, std::string& error) {
    const auto x = xWindowOf(window);
    if (!x) {
        error = "the window's picture can only be read on an X server";
        return false;
    }
    XSync(x->display, False);
    XWindowAttributes attributes{};
    XImage* image = nullptr;
    if (XGetWindowAttributes(x->display, x->window, &attributes))
        image = XGetImage(x->display, x->window, 0, 0, unsigned(attributes.width),
                          unsigned(attributes.height), AllPlanes, ZPixmap);
    if (!image) {
        error = "cannot read the window's picture from the X server";
        return false;
    }
    const auto channel = [](unsigned long pixel, unsigned long mask) {
        if (mask == 0)
            return 0u;
        while ((mask & 1) == 0) {
            mask >>= 1;
            pixel >>= 1;
        }
        return unsigned((pixel & mask) * 255 / mask);
    };
    out.width = attributes.width;
    out.height = attributes.height;
    out.pixels.resize(std::size_t(out.width) * out.height);
    for (int y = 0; y < out.height; ++y)
        for (int x0 = 0; x0 < out.width; ++x0) {
            const unsigned long p = XGetPixel(image, x0, y);
            out.pixels[std::size_t(y) * out.width + x0] =
                0xFF000000u | channel(p, image->red_mask) << 16 |
                channel(p, image->green_mask) << 8 | channel(p, image->blue_mask);
        }
    XDestroyImage(image);
    return true;
}

} // namespace engine
