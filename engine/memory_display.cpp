#include "engine/display.hpp"

#include <algorithm>
#include <vector>

namespace engine {
namespace {

class MemoryDisplay final : public Display {
  public:
    MemoryDisplay(Size size, bool keepCopy) : keepCopy_(keepCopy) {
        canvas_.width = size.width;
        canvas_.height = size.height;
        // The canvas reads as opaque black even before anything was presented.
        canvas_.pixels.assign(std::size_t(size.width) * size.height, 0xFF000000u);
        if (keepCopy_)
            copy_ = canvas_.pixels;
        painter_ = createSoftwarePainter(canvas_);
    }

    SDL_Renderer* renderer() const override { return nullptr; }
    Painter& painter() override { return *painter_; }
    Size canvasSize() const override { return {canvas_.width, canvas_.height}; }
    void beginFrame() override {}

    bool show(std::string&) override {
        if (keepCopy_)
            std::copy(canvas_.pixels.begin(), canvas_.pixels.end(), copy_.begin());
        return true;
    }

    bool capture(Image& out, std::string&) override {
        out.width = canvas_.width;
        out.height = canvas_.height;
        out.pixels = keepCopy_ ? copy_ : canvas_.pixels;
        return true;
    }

    const std::uint32_t* framePixels() const override {
        return keepCopy_ ? copy_.data() : canvas_.pixels.data();
    }
    void setVsync(bool) override {}

  private:
    bool keepCopy_;
    Image canvas_;
    PixelRows copy_;
    std::unique_ptr<Painter> painter_;
};

} // namespace

std::unique_ptr<Display> createMemoryDisplay(const DisplayConfig& config, bool keepCopy,
                                             std::string& error) {
    if (config.width <= 0 || config.height <= 0 || config.width > 16384 || config.height > 16384) {
        error = "invalid canvas size " + std::to_string(config.width) + " x " +
                std::to_string(config.height);
        return nullptr;
    }
    return std::make_unique<MemoryDisplay>(Size{config.width, config.height}, keepCopy);
}

} // namespace engine
