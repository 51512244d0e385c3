#pragma once
// What the fuzz targets share: a failed property ends the run loudly, and
// the fuzzer's bytes are read as a few sizes and fields.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace lunea::fuzz {

// abort() is what libFuzzer and the replay both report as a failed input.
inline void Check(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

// Takes the fuzzer's bytes from the front; past the end, values are 0 and
// spans are as long as what is left.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : rest_(data, size) {}

    std::uint8_t Byte() {
        if (rest_.empty())
            return 0;
        const std::uint8_t value = rest_.front();
        rest_ = rest_.subspan(1);
        return value;
    }
    std::span<const std::uint8_t> Bytes(std::size_t wanted) {
        const std::span<const std::uint8_t> taken = rest_.first(std::min(wanted, rest_.size()));
        rest_ = rest_.subspan(taken.size());
        return taken;
    }
    std::span<const std::uint8_t> Rest() const { return rest_; }

  private:
    std::span<const std::uint8_t> rest_;
};

} // namespace lunea::fuzz
