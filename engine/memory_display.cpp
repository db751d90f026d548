#include "engine/display.hpp"

#include "engine/image_file.hpp"

#include <cstring>
#include <vector>

namespace engine {
namespace {

class MemoryDisplay final : public Display {
  public:
    MemoryDisplay(SDL_Surface* surface, SDL_Renderer* renderer, bool keepCopy)
        : surface_(surface), renderer_(renderer), keepCopy_(keepCopy) {
        if (keepCopy_)
            copy_.assign(std::size_t(surface_->w) * surface_->h, 0xFF000000u);
    }
    ~MemoryDisplay() override {
        SDL_DestroyRenderer(renderer_);
        SDL_FreeSurface(surface_);
    }

    SDL_Renderer* renderer() const override { return renderer_; }
    Size canvasSize() const override { return {surface_->w, surface_->h}; }
    void beginFrame() override {}

    bool show(std::string&) override {
        SDL_RenderPresent(renderer_); // runs the queued drawing into the surface
        if (keepCopy_)
            std::memcpy(copy_.data(), surface_->pixels, copy_.size() * 4);
        return true;
    }

    bool capture(Image& out, std::string&) override {
        out.width = surface_->w;
        out.height = surface_->h;
        const std::uint32_t* p = framePixels();
        out.pixels.assign(p, p + std::size_t(out.width) * out.height);
        return true;
    }

    const std::uint32_t* framePixels() const override {
        return keepCopy_ ? copy_.data() : static_cast<const std::uint32_t*>(surface_->pixels);
    }
    void setVsync(bool) override {}

  private:
    SDL_Surface* surface_;
    SDL_Renderer* renderer_;
    bool keepCopy_;
    std::vector<std::uint32_t> copy_;
};

} // namespace

std::unique_ptr<Display> createMemoryDisplay(const DisplayConfig& config, bool keepCopy,
                                             std::string& error) {
    if (config.width <= 0 || config.height <= 0 || config.width > 16384 || config.height > 16384) {
        error = "invalid canvas size " + std::to_string(config.width) + " x " +
                std::to_string(config.height);
        return nullptr;
    }
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, config.width, config.height, 32,
                                                          SDL_PIXELFORMAT_ARGB8888);
    if (!surface) {
        error = std::string("cannot create the canvas: ") + SDL_GetError();
        return nullptr;
    }
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    if (!renderer) {
        error = std::string("cannot create the software renderer: ") + SDL_GetError();
        SDL_FreeSurface(surface);
        return nullptr;
    }
    // The first frame reads as opaque black even before anything was presented.
    SDL_FillRect(surface, nullptr, 0xFF000000u);
    return std::make_unique<MemoryDisplay>(surface, renderer, keepCopy);
}

} // namespace engine
