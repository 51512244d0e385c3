#include "tests/wine/bmp_reader.h"

#include "tests/wine/test_files.h"

#include <cstdint>

namespace lunea::test {
namespace {

std::uint32_t LittleEndian(const std::vector<std::uint8_t>& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

} // namespace

std::optional<PixelImage> ReadBmp(const std::string& path) {
    const auto read = ReadFileBytes(path);
    if (!read)
        return std::nullopt;
    const std::vector<std::uint8_t>& bytes = *read;
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || LittleEndian(bytes, 28, 2) != 24)
        return std::nullopt;
    const auto width = static_cast<int>(LittleEndian(bytes, 18, 4));
    const auto height = static_cast<int>(LittleEndian(bytes, 22, 4));
    const std::size_t offset = LittleEndian(bytes, 10, 4);
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    if (width <= 0 || height <= 0 ||
        bytes.size() < offset + rowBytes * static_cast<std::size_t>(height))
        return std::nullopt;
    PixelImage image(width, height, 0);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offset + rowBytes * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::size_t at = row + static_cast<std::size_t>(x) * 3;
            image.At(x, y) = Rgb(bytes[at + 2], bytes[at + 1], bytes[at]);
        }
    }
    return image;
}

} // namespace lunea::test
