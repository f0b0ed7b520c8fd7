#include "core/palette_choice.h"

#include <libimagequant.h>

#include <memory>

namespace {

// libimagequant's handles, each freed by its own function.
template <class Handle, void (*Free)(Handle*)>
struct Freer {
    void operator()(Handle* h) const { Free(h); }
};
using Attributes = std::unique_ptr<liq_attr, Freer<liq_attr, liq_attr_destroy>>;
using Image = std::unique_ptr<liq_image, Freer<liq_image, liq_image_destroy>>;
using Result = std::unique_ptr<liq_result, Freer<liq_result, liq_result_destroy>>;

// Speed 1..10: 7 keeps a 2048 x 1024 picture well under a tenth of a second
// while the palette stays within a unit of the slower settings' error.
constexpr int kSpeed = 7;

} // namespace

std::vector<Rgb> ChoosePalette(const RgbImage& picture, int nColours)
{
    if (picture.nWidth <= 0 || picture.nHeight <= 0) return {};
    const Attributes attributes(liq_attr_create());
    if (!attributes || liq_set_max_colors(attributes.get(), nColours) != LIQ_OK ||
        liq_set_speed(attributes.get(), kSpeed) != LIQ_OK)
        return {};
    std::vector<liq_color> rgba(picture.rgb.size() / 3);
    for (std::size_t i = 0; i < rgba.size(); ++i)
        rgba[i] = {picture.rgb[3 * i], picture.rgb[3 * i + 1], picture.rgb[3 * i + 2], 255};
    const Image image(liq_image_create_rgba(attributes.get(), rgba.data(), picture.nWidth, picture.nHeight, 0));
    liq_result* quantised = nullptr;
    if (!image || liq_image_quantize(image.get(), attributes.get(), &quantised) != LIQ_OK) return {};
    const Result result(quantised);
    const liq_palette* palette = liq_get_palette(result.get());
    std::vector<Rgb> colours;
    for (unsigned i = 0; i < palette->count; ++i) colours.push_back({palette->entries[i].r, palette->entries[i].g, palette->entries[i].b});
    return colours;
}
