#include "components/art/char_map_art.h"

#include "components/art/image_sets.h"

#include <array>

namespace lunea {

std::span<const PaletteEntry> ArtPalette() {
    static constexpr std::array<PaletteEntry, 24> palette{{
        {'k', Rgb(40, 40, 48)},    {'w', kWhite},
        {'r', Rgb(222, 28, 40)},   {'R', Rgb(140, 10, 22)},
        {'p', Rgb(255, 150, 160)}, {'y', Rgb(255, 222, 40)},
        {'Y', Rgb(196, 140, 0)},   {'o', Rgb(240, 150, 30)},
        {'b', Rgb(40, 100, 230)},  {'B', Rgb(20, 40, 130)},
        {'c', Rgb(214, 240, 255)}, {'C', Rgb(70, 140, 200)},
        {'g', Rgb(128, 128, 136)}, {'G', Rgb(200, 200, 206)},
        {'d', Rgb(80, 80, 88)},    {'f', Rgb(250, 204, 166)},
        {'F', Rgb(196, 130, 90)},  {'h', Rgb(112, 62, 24)},
        {'t', Rgb(232, 190, 130)}, {'n', Rgb(28, 40, 92)},
        {'s', Rgb(236, 236, 240)}, {'e', Rgb(70, 180, 90)},
        {'E', Rgb(20, 100, 40)},   {'.', kMaskColor},
    }};
    return palette;
}

PixelImage PaintCharMap(std::initializer_list<std::string_view> rows,
                        std::span<const PaletteEntry> palette) {
    const int height = static_cast<int>(rows.size());
    const int width = height == 0 ? 0 : static_cast<int>(rows.begin()->size());
    PixelImage image(width, height, kMaskColor);
    int y = 0;
    for (std::string_view row : rows) {
        for (int x = 0; x < width && x < static_cast<int>(row.size()); ++x)
            for (const PaletteEntry& entry : palette)
                if (entry.letter == row[static_cast<std::size_t>(x)])
                    image.At(x, y) = entry.color;
        ++y;
    }
    return image;
}

} // namespace lunea
