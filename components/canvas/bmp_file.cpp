#include "components/canvas/bmp_file.h"

#include <fstream>

namespace lunea {
namespace {

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace

std::vector<std::uint8_t> EncodeBmp(const PixelImage& image) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(image.height);
    constexpr std::uint32_t kHeaderBytes = 14 + 40;
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderBytes + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutLittleEndian(out, kHeaderBytes + pixelBytes, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, kHeaderBytes, 4);
    PutLittleEndian(out, 40, 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(image.width), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(image.height), 4); // bottom-up rows
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 24, 2);
    for (int i = 0; i < 6; ++i)
        PutLittleEndian(out, i == 1 ? pixelBytes : 0, 4);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Color color = image.At(x, y);
            out.push_back(static_cast<std::uint8_t>(BlueOf(color)));
            out.push_back(static_cast<std::uint8_t>(GreenOf(color)));
            out.push_back(static_cast<std::uint8_t>(RedOf(color)));
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(image.width) * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return out;
}

bool SaveBmp(const std::string& path, const PixelImage& image) {
    const std::vector<std::uint8_t> bytes = EncodeBmp(image);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

} // namespace lunea
