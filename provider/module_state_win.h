#pragma once
// What keeps the module loaded: the server lock count and the live stores.
// Factories, object handlers and folder handles do not count.
#include <windows.h>

namespace lunea::provider {

struct ModuleState {
    HINSTANCE instance = nullptr;
    volatile LONG lockCount = 0;
    volatile LONG liveStoreCount = 0;
};

ModuleState& Module();

// The one AddRef of every reference-counted class of the provider.
inline ULONG SharedAddRef(volatile LONG& referenceCount) {
    return static_cast<ULONG>(InterlockedIncrement(&referenceCount));
}

} // namespace lunea::provider
