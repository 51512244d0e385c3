#include "provider/repl_object_win.h"

#include "common/data_file_layout.h"
#include "provider/folder_win.h"

#include <cstring>
#include <new>

namespace lunea::provider {

FolderHandle::FolderHandle(const char* objectTypeName, FolderBase* folder)
    : ReplObject(kFolderTag), folder_(folder) {
    const std::size_t length = strnlen(objectTypeName, kHandleNameSize - 1);
    std::memcpy(name_, objectTypeName, length);
}

void FolderHandle::CopyFrom(const FolderHandle& source) {
    std::memcpy(name_, source.name_, sizeof name_);
    folder_ = source.folder_;
}

void FolderHandle::Persist(BYTE* buffer) const {
    datafile::WriteU32(buffer, Tag());
    std::memcpy(buffer + kPersistedTagSize, name_, sizeof name_);
}

UINT PersistObject(const ReplObject& object, BYTE* buffer) {
    if (object.Tag() != kFolderTag) {
        if (buffer)
            datafile::WriteU32(buffer, object.Tag());
        return kPersistedTagSize;
    }
    if (buffer)
        static_cast<const FolderHandle&>(object).Persist(buffer);
    return kPersistedFolderSize;
}

FolderHandle* RestoreFolderHandle(const BYTE* bytes, UINT size, FolderBase* folder) {
    // The host hands back what it was given; a shorter block is not read past its end.
    if (!bytes || !folder || size < kPersistedFolderSize)
        return nullptr;
    if (datafile::ReadU32(bytes) != kFolderTag)
        return nullptr;
    const char* name = reinterpret_cast<const char*>(bytes + kPersistedTagSize);
    if (strnlen(name, kHandleNameSize) == kHandleNameSize ||
        std::strcmp(name, folder->ObjectTypeName()) != 0)
        return nullptr;
    return new (std::nothrow) FolderHandle(name, folder);
}

} // namespace lunea::provider
