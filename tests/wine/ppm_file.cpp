#include "tests/wine/ppm_file.h"

#include "tests/wine/test_files.h"

#include <cctype>
#include <cstdint>
#include <vector>

namespace lunea::test {
namespace {

// The header's numbers, separated by white space and "#" comments to the line's end.
class HeaderReader {
  public:
    explicit HeaderReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    std::optional<long> Number() {
        SkipSpaceAndComments();
        long value = 0;
        std::size_t digits = 0;
        for (; at_ < bytes_.size() && std::isdigit(bytes_[at_]) && digits < 9; ++at_, ++digits)
            value = value * 10 + (bytes_[at_] - '0');
        if (digits == 0)
            return std::nullopt;
        return value;
    }
    // After the last number comes exactly one white-space byte, then the pixels.
    std::size_t PixelsStart() const { return at_ + 1; }

  private:
    void SkipSpaceAndComments() {
        while (at_ < bytes_.size()) {
            if (bytes_[at_] == '#')
                while (at_ < bytes_.size() && bytes_[at_] != '\n')
                    ++at_;
            else if (std::isspace(bytes_[at_]))
                ++at_;
            else
                return;
        }
    }

    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_ = 2; // after "P6"
};

} // namespace

std::optional<PixelImage> ReadPpm(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    if (!bytes || bytes->size() < 2 || (*bytes)[0] != 'P' || (*bytes)[1] != '6')
        return std::nullopt;
    HeaderReader header(*bytes);
    const auto width = header.Number();
    const auto height = header.Number();
    const auto maxValue = header.Number();
    if (!width || !height || maxValue != 255 || *width <= 0 || *height <= 0)
        return std::nullopt;
    const std::size_t start = header.PixelsStart();
    const std::size_t count = static_cast<std::size_t>(*width) * static_cast<std::size_t>(*height);
    if (bytes->size() < start || (bytes->size() - start) / 3 < count)
        return std::nullopt;
    PixelImage image(static_cast<int>(*width), static_cast<int>(*height), 0);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* rgb = &(*bytes)[start + 3 * i];
        image.pixels[i] = Rgb(rgb[0], rgb[1], rgb[2]);
    }
    return image;
}

} // namespace lunea::test
