// The provider runs on its host's thread, whose x87 precision it does not
// choose: the device temperature must not depend on it.
#include "provider/record_conversion.h"

#include "provider_test_records.h"

#include <gtest/gtest.h>

#include <float.h>

#include <array>
#include <vector>

namespace lunea::provider {
namespace {

using namespace testing;

// Sets the calling thread's x87 precision for one scope.
class ScopedX87Precision {
  public:
    explicit ScopedX87Precision(unsigned int precision) : saved_(_controlfp(0, 0)) {
        _controlfp(precision, _MCW_PC);
    }
    ~ScopedX87Precision() { _controlfp(saved_, _MCW_PC); }
    ScopedX87Precision(const ScopedX87Precision&) = delete;
    ScopedX87Precision& operator=(const ScopedX87Precision&) = delete;

  private:
    unsigned int saved_;
};

// The product on the x87 unit, which long double always uses: shows that the
// precision set here really reaches the floating-point unit.
__attribute__((noinline)) int X87Thousandths(double celsius) {
    volatile long double value = celsius;
    return static_cast<int>(value * 1000.0L);
}

std::vector<std::int32_t> ThousandthsFrom35To38() {
    std::vector<std::int32_t> values;
    for (int hundredths = 3500; hundredths <= 3800; ++hundredths)
        values.push_back(ThousandthsOfDegree(hundredths / 100.0));
    return values;
}

// Values on which the x87 unit, left at the host's precision, rounds the
// product otherwise than double arithmetic: 36.55 at 64 bits (the product
// lies just below 36550), and a temperature that came from the device as a
// single, 36.6f, at 24 bits (as a Direct3D host leaves the unit).
TEST(DeviceTemperaturePrecision, TheConversionRoundsAsDoublesWhateverTheHostsPrecision) {
    if (sizeof(void*) != 4)
        GTEST_SKIP() << "64-bit code computes on SSE alone, and x64 has no x87 precision to set";
    const double fromDevice = static_cast<double>(36.6f);
    const struct {
        unsigned int precision;
        double celsius;
        int onX87;
        int asDoubles;
    } cases[] = {{_PC_64, 36.55, 36549, 36550},
                 {_PC_24, fromDevice, 36600, 36599},
                 {_PC_53, 36.55, 36550, 36550}};
    std::vector<std::int32_t> atDoublePrecision;
    {
        ScopedX87Precision precision(_PC_53);
        atDoublePrecision = ThousandthsFrom35To38();
    }
    for (const auto& c : cases) {
        ScopedX87Precision precision(c.precision);
        ASSERT_EQ(X87Thousandths(c.celsius), c.onX87) << "the precision did not reach the unit";
        EXPECT_EQ(ThousandthsOfDegree(c.celsius), c.asDoubles) << c.precision;
        const DeviceRecordBytes device = DesktopToDevice(MakeDesktopRecord({.Temperature = 36.6}));
        EXPECT_EQ((std::array<std::uint8_t, 4>{device[8], device[9], device[10], device[11]}),
                  (std::array<std::uint8_t, 4>{0x67, 0x66, 0x12, 0x42}));
        EXPECT_EQ(ThousandthsFrom35To38(), atDoublePrecision) << c.precision;
    }
}

} // namespace
} // namespace lunea::provider
