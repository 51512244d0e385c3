#pragma once
// Move-only owners of registry keys, kernel handles, loaded modules and COM
// references.
#include <windows.h>

#include <utility>

namespace lunea::win {

// Owns one value of a Win32 resource; Traits says how to close it and which
// values mean "nothing".
template <class Traits> class UniqueResource {
  public:
    using Value = typename Traits::Value;

    UniqueResource() = default;
    explicit UniqueResource(Value value) : value_(Traits::IsEmpty(value) ? Value{} : value) {}
    ~UniqueResource() { Reset(); }
    UniqueResource(UniqueResource&& other) noexcept
        : value_(std::exchange(other.value_, Value{})) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) {
            Reset();
            value_ = std::exchange(other.value_, Value{});
        }
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;

    Value Get() const { return value_; }
    explicit operator bool() const { return value_ != Value{}; }
    // For functions that return the value through a pointer; closes the old one.
    Value* Put() {
        Reset();
        return &value_;
    }
    void Reset() {
        if (value_ != Value{})
            Traits::Close(value_);
        value_ = Value{};
    }
    // Gives up ownership, for a caller that closes the value itself.
    Value Release() { return std::exchange(value_, Value{}); }

  private:
    Value value_{};
};

struct RegKeyTraits {
    using Value = HKEY;
    static bool IsEmpty(HKEY key) { return key == nullptr; }
    static void Close(HKEY key) { RegCloseKey(key); }
};

// INVALID_HANDLE_VALUE and null both mean "no handle".
struct KernelHandleTraits {
    using Value = HANDLE;
    static bool IsEmpty(HANDLE handle) {
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    }
    static void Close(HANDLE handle) { CloseHandle(handle); }
};

// FindFirstFile's search handle, closed by FindClose.
struct FindTraits {
    using Value = HANDLE;
    static bool IsEmpty(HANDLE handle) { return KernelHandleTraits::IsEmpty(handle); }
    static void Close(HANDLE handle) { FindClose(handle); }
};

struct ModuleTraits {
    using Value = HMODULE;
    static bool IsEmpty(HMODULE module) { return module == nullptr; }
    static void Close(HMODULE module) { FreeLibrary(module); }
};

using UniqueRegKey = UniqueResource<RegKeyTraits>;
using UniqueHandle = UniqueResource<KernelHandleTraits>;
using UniqueFind = UniqueResource<FindTraits>;
// A library loaded with LoadLibrary, freed when the owner goes.
using UniqueModule = UniqueResource<ModuleTraits>;

// Holds one reference on a COM object.
template <class T> class ComRef {
  public:
    ComRef() = default;
    // Takes over a reference the caller already owns.
    static ComRef Adopt(T* object) {
        ComRef ref;
        ref.object_ = object;
        return ref;
    }
    // Adds a reference of its own.
    static ComRef Share(T* object) {
        if (object)
            object->AddRef();
        return Adopt(object);
    }
    ~ComRef() { Reset(); }
    ComRef(ComRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComRef& operator=(ComRef&& other) noexcept {
        if (this != &other) {
            Reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    T* Get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // For functions that return an interface through a pointer.
    T** Put() {
        Reset();
        return &object_;
    }
    void Reset() {
        if (object_)
            object_->Release();
        object_ = nullptr;
    }

  private:
    T* object_ = nullptr;
};

// Traits for a handle that null marks as none and one function frees, such
// as a printer's HDC (DeleteDC) or the dialogs' HGLOBAL (GlobalFree).
template <class Handle, auto free> struct FreedBy {
    using Value = Handle;
    static bool IsEmpty(Handle handle) { return handle == nullptr; }
    static void Close(Handle handle) { free(handle); }
};

} // namespace lunea::win
