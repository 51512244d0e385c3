#pragma once
// Where a COM method or an export hands its result to the host: the host is
// not C++ and cannot catch an exception, and one that got past would end
// the host's process.
#include <windows.h>

#include <new>

namespace lunea::provider {

// The body's result, or the failure an exception stands for: E_OUTOFMEMORY
// when memory ran out, E_FAIL for any other.
template <typename Body> HRESULT ComBoundary(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

} // namespace lunea::provider
