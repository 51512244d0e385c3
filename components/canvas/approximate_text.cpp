#include "components/canvas/approximate_text.h"

#include <cstdlib>

namespace lunea {

int ApproximateCharWidth(const Font& font) {
    const int height = std::abs(font.height);
    return height / 2 + ((font.style & kBold) ? 1 : 0);
}

TextExtent ApproximateTextExtent(std::string_view text, const Font& font) {
    return {static_cast<int>(text.size()) * ApproximateCharWidth(font), std::abs(font.height)};
}

} // namespace lunea
