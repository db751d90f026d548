// DDS pictures as the texture loader decodes them; a decoded picture survives a write and read.
#include "engine/dds.hpp"
#include "fuzz/input_file.hpp"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    engine::Image image;
    std::string error;
    if (!engine::decodeDds(data, size, image, error)) {
        if (error.empty()) {
            fuzz::fail("a refused picture came without a message");
        }
        return 0;
    }
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
        fuzz::fail("a decoded picture does not hold width x height pixels");
    }
    const auto saved = (fuzz::scratchFolder() / "saved.dds").string();
    if (!engine::writeDds(saved, image)) {
        fuzz::fail("a decoded picture cannot be written");
    }
    engine::Image again;
    if (!engine::readDds(saved, again, error) || again.width != image.width ||
        again.height != image.height || again.pixels != image.pixels) {
        fuzz::fail("writing and reading changed the picture");
    }
    return 0;
}
