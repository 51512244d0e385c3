#pragma once
// The objects handed to the host as handles, and their persisted form.
#include "provider/sync_host_abi_win.h"

#include <cstdint>

namespace lunea::provider {

class FolderBase;

inline constexpr std::uint32_t kFolderTag = 1;
inline constexpr UINT kPersistedTagSize = 4;
inline constexpr UINT kHandleNameSize = 260;
inline constexpr UINT kPersistedFolderSize = kPersistedTagSize + kHandleNameSize;

class ReplObject {
  public:
    explicit ReplObject(std::uint32_t tag) : tag_(tag) {}
    virtual ~ReplObject() = default;
    ReplObject(const ReplObject&) = delete;
    ReplObject& operator=(const ReplObject&) = delete;

    std::uint32_t Tag() const { return tag_; }

  private:
    std::uint32_t tag_;
};

class FolderHandle final : public ReplObject {
  public:
    // The name is cut to fit and always terminated.
    FolderHandle(const char* objectTypeName, FolderBase* folder);

    FolderBase* Folder() const { return folder_; }
    void CopyFrom(const FolderHandle& source);
    // Writes tag and name (264 bytes).
    void Persist(BYTE* buffer) const;

  private:
    char name_[kHandleNameSize] = {};
    FolderBase* folder_;
};

inline ReplObject* ObjectFromHandle(HREPLOBJ handle) {
    return reinterpret_cast<ReplObject*>(handle);
}
inline HREPLOBJ HandleFromObject(ReplObject* object) {
    return reinterpret_cast<HREPLOBJ>(object);
}
// Null unless the handle is a folder handle.
inline FolderHandle* FolderHandleFrom(HREPLFLD handle) {
    ReplObject* object = ObjectFromHandle(handle);
    return object && object->Tag() == kFolderTag ? static_cast<FolderHandle*>(object) : nullptr;
}
// The folder behind a handle, or null for a null handle or one without a folder.
inline FolderBase* FolderBehind(HREPLFLD handle) {
    FolderHandle* folderHandle = FolderHandleFrom(handle);
    return folderHandle ? folderHandle->Folder() : nullptr;
}

// The size of an object's persisted form; writes it when the buffer is given.
UINT PersistObject(const ReplObject& object, BYTE* buffer);
// A new folder handle from its persisted form, or null when the bytes are
// short, carry another tag or name another object type.
FolderHandle* RestoreFolderHandle(const BYTE* bytes, UINT size, FolderBase* folder);

} // namespace lunea::provider
