#include "provider/com_boundary_win.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace lunea::provider {
namespace {

TEST(ComBoundary, AnExceptionBecomesTheMethodsFailureAndNothingPassesIt) {
    EXPECT_EQ(ComBoundary([] { return S_FALSE; }), S_FALSE);
    EXPECT_EQ(ComBoundary([]() -> HRESULT { throw std::bad_alloc(); }), E_OUTOFMEMORY);
    EXPECT_EQ(ComBoundary([] {
                  std::vector<char> tooLong;
                  tooLong.reserve(tooLong.max_size() + 1u); // what a 2^31-byte copy threw
                  return S_OK;
              }),
              E_FAIL);
    EXPECT_EQ(ComBoundary([]() -> HRESULT { throw 42; }), E_FAIL);
}

} // namespace
} // namespace lunea::provider
