#pragma once
#include <windows.h>

namespace lunea::provider {

// A Win32 error as an HRESULT: values up to 0 pass unchanged.
inline HRESULT HresultFromWin32(LONG error) {
    if (error <= 0)
        return static_cast<HRESULT>(error);
    return static_cast<HRESULT>(0x80070000u | (static_cast<ULONG>(error) & 0xFFFFu));
}

} // namespace lunea::provider
