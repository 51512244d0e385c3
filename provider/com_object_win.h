#pragma once
// IUnknown for the provider's COM objects: one interface besides IUnknown
// (none when OwnId is null), a reference count that starts at 1 and changes
// atomically, and the object deleting itself at the last Release.
#include "provider/module_state_win.h"

#include <objbase.h>
#include <windows.h>

namespace lunea::provider {

template <class Interface, const IID* OwnId> class ComObject : public Interface {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object)
            return E_INVALIDARG;
        if (!IsEqualIID(id, IID_IUnknown) && !IsOwnInterface(id)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }

    ULONG STDMETHODCALLTYPE AddRef() override { return SharedAddRef(referenceCount_); }

    ULONG STDMETHODCALLTYPE Release() override {
        const LONG remaining = InterlockedDecrement(&referenceCount_);
        if (remaining == 0)
            delete this;
        return static_cast<ULONG>(remaining);
    }

  protected:
    ComObject() = default;
    virtual ~ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

  private:
    static bool IsOwnInterface(REFIID id) {
        if constexpr (OwnId != nullptr)
            return IsEqualIID(id, *OwnId);
        return false;
    }

    volatile LONG referenceCount_ = 1;
};

} // namespace lunea::provider
