// One review sheet of every picture under gfx/: labelled thumbnails in path order, over a
// checkerboard so transparency shows.
#include "content/content.hpp"
#include "content/kit/image_files.hpp"
#include "content/screens/picture_reader.hpp"
#include "content/screens/style.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

namespace content {

namespace {

constexpr int columns = 10;
constexpr int cellWidth = 200, cellHeight = 176;
constexpr int thumbWidth = 184, thumbHeight = 132;
constexpr int headerHeight = 60;

bool isPicture(const std::filesystem::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return ext == ".dds" || ext == ".jpg" || ext == ".png" || ext == ".bmp";
}

// Path order with numbers compared by value: abc/2 before abc/10.
bool naturalLess(const std::string& a, const std::string& b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) &&
            std::isdigit(static_cast<unsigned char>(b[j]))) {
            size_t ie = i, je = j;
            while (ie < a.size() && std::isdigit(static_cast<unsigned char>(a[ie])))
                ++ie;
            while (je < b.size() && std::isdigit(static_cast<unsigned char>(b[je])))
                ++je;
            const long long x = std::stoll(a.substr(i, ie - i)),
                            y = std::stoll(b.substr(j, je - j));
            if (x != y)
                return x < y;
            i = ie;
            j = je;
        } else {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

void checkerboard(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 0.78, 0.78, 0.8);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0.9, 0.9, 0.92);
    for (int j = 0; j * 8 < h; ++j)
        for (int i = (j % 2); i * 8 < w; i += 2)
            cairo_rectangle(cr, x + i * 8, y + j * 8, 8, 8);
    cairo_fill(cr);
    cairo_restore(cr);
}

} // namespace

void writeOverviewSheet(const Context& ctx, const std::filesystem::path& sheet) {
    std::vector<std::filesystem::path> pictures;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(ctx.root / "gfx", ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        if (it->is_regular_file() && isPicture(it->path()))
            pictures.push_back(std::filesystem::relative(it->path(), ctx.root));
    std::sort(pictures.begin(), pictures.end(),
              [](const auto& a, const auto& b) { return naturalLess(a.string(), b.string()); });

    const int rows = std::max<int>(1, (static_cast<int>(pictures.size()) + columns - 1) / columns);
    const int width = columns * cellWidth, height = headerHeight + rows * cellHeight;
    art::Surface s = art::makeSurface(width, height);
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    cairo_set_source_rgb(cr, 0.16, 0.17, 0.2);
    cairo_paint(cr);
    art::TextStyle title;
    title.face = screens::bodyFace;
    title.bold = true;
    title.size = 24;
    title.fill = {1, 1, 1, 1};
    art::drawText(cr, "Brimzel: " + std::to_string(pictures.size()) + " pictures under gfx/", 16,
                  14, title);

    art::TextStyle label;
    label.face = screens::bodyFace;
    label.size = 10.5;
    label.fill = {0.92, 0.92, 0.95, 1};
    label.wrapWidth = cellWidth - 12;
    art::TextStyle size = label;
    size.fill = {0.65, 0.75, 0.9, 1};

    for (size_t i = 0; i < pictures.size(); ++i) {
        const double x = static_cast<double>(i % columns) * cellWidth + 8;
        const double y = headerHeight + static_cast<double>(i / columns) * cellHeight;
        const bool masked = pictures[i].filename() == "moon.bmp";
        art::Surface pic = screens::readPicture(ctx.root / pictures[i], masked);
        checkerboard(cr, x, y, thumbWidth, thumbHeight);
        std::string dims = "unreadable";
        if (pic) {
            const int pw = cairo_image_surface_get_width(pic.get());
            const int ph = cairo_image_surface_get_height(pic.get());
            dims = std::to_string(pw) + " × " + std::to_string(ph);
            const double scale = std::min(
                {2.0, static_cast<double>(thumbWidth) / pw, static_cast<double>(thumbHeight) / ph});
            const double tw = pw * scale, th = ph * scale;
            cairo_save(cr);
            cairo_translate(cr, x + (thumbWidth - tw) / 2, y + (thumbHeight - th) / 2);
            cairo_scale(cr, scale, scale);
            cairo_set_source_surface(cr, pic.get(), 0, 0);
            cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
            cairo_paint(cr);
            cairo_restore(cr);
        }
        std::string name = pictures[i].string();
        if (name.rfind("gfx/", 0) == 0)
            name = name.substr(4);
        art::drawText(cr, name, x, y + thumbHeight + 3, label);
        art::drawText(cr, dims, x, y + thumbHeight + 17, size);
    }
    savePng(s.get(), sheet);
}

} // namespace content
