#include "provider/sync_store_win.h"

#include "provider/com_boundary_win.h"
#include "provider/module_state_win.h"
#include "provider/provider_names_win.h"
#include "provider/repl_object_win.h"

#include <cstring>
#include <new>

namespace lunea::provider {
namespace {

// The same 4 bytes for every store and partnership: 12345, little-endian.
constexpr BYTE kStoreId[] = {0x39, 0x30, 0x00, 0x00};

template <std::size_t N> void CopyText(char (&target)[N], const char* text) {
    std::strncpy(target, text, N - 1);
    target[N - 1] = '\0';
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

} // namespace

SyncStore::SyncStore() {
    folders_[0].reset(new (std::nothrow) ObjectTypeFolder());
    InterlockedIncrement(&Module().liveStoreCount);
}

SyncStore::~SyncStore() {
    InterlockedDecrement(&Module().liveStoreCount);
}

HRESULT SyncStore::Initialize(IReplNotify* notify, UINT) {
    if (!notify)
        return E_INVALIDARG;
    notify_ = win::ComRef<IReplNotify>::Share(notify);
    initialized_ = TRUE;
    return S_OK;
}

HRESULT SyncStore::GetStoreInfo(STOREINFO* info) {
    if (!info)
        return E_INVALIDARG;
    info->uFlags = SCF_SINGLE_THREAD;
    CopyText(info->szProgId, kProgId);
    CopyText(info->szStoreDesc, kStoreDescription);
    if (!initialized_)
        return S_OK;
    info->cbStoreId = sizeof kStoreId;
    if (info->cbMaxStoreId < sizeof kStoreId)
        return E_OUTOFMEMORY;
    if (!info->lpbStoreId)
        return E_POINTER;
    std::memcpy(info->lpbStoreId, kStoreId, sizeof kStoreId);
    return S_OK;
}

HRESULT SyncStore::ReportStatus(HREPLFLD, HREPLITEM, UINT status, UINT) {
    if (status == RSC_BEGIN_CHECK)
        return ComBoundary([this] {
            RunExchange(notify_.Get(), exchangeBuffers_);
            return S_OK;
        });
    if (status == RSC_RELEASE)
        notify_.Reset();
    return S_OK;
}

int SyncStore::CompareStoreIDs(BYTE* id1, UINT size1, BYTE* id2, UINT size2) {
    if (!id1 || !id2)
        return E_INVALIDARG;
    if (size1 != size2)
        return size1 < size2 ? -1 : 1;
    return Sign(std::memcmp(id1, id2, size1));
}

int SyncStore::CompareItem(HREPLITEM item1, HREPLITEM item2) {
    return item1 && item2 ? 0 : E_INVALIDARG;
}

BOOL SyncStore::IsItemChanged(HREPLFLD, HREPLITEM, HREPLITEM) {
    return FALSE;
}

BOOL SyncStore::IsItemReplicated(HREPLFLD folder, HREPLITEM item) {
    if (!folder)
        return FALSE;
    if (!item)
        return TRUE;
    FolderBase* behind = FolderBehind(folder);
    return behind ? behind->IsItemReplicated(item) : FALSE;
}

void SyncStore::UpdateItem(HREPLFLD, HREPLITEM, HREPLITEM) {}

HRESULT SyncStore::GetFolderInfo(LPCSTR objectType, HREPLFLD* folder, IUnknown** handler) {
    if (!objectType || !folder || !handler || !Folder())
        return E_INVALIDARG;
    if (std::strcmp(objectType, Folder()->ObjectTypeName()) != 0)
        return E_INVALIDARG;
    const HRESULT created = Folder()->CreateObjectHandler(handler);
    if (FAILED(created))
        return created;
    if (*folder)
        return S_OK;
    auto* handle = new (std::nothrow) FolderHandle(objectType, Folder());
    if (!handle) {
        // The caller does not release what a failed call hands out.
        (*handler)->Release();
        *handler = nullptr;
        return E_OUTOFMEMORY;
    }
    *folder = HandleFromObject(handle);
    return S_OK;
}

HRESULT SyncStore::IsFolderChanged(HREPLFLD folder, BOOL* changed) {
    if (!folder || !changed)
        return E_INVALIDARG;
    FolderBase* behind = FolderBehind(folder);
    if (!behind) {
        *changed = FALSE;
        return E_INVALIDARG;
    }
    return behind->IsChanged(changed);
}

HRESULT SyncStore::FindFirstItem(HREPLFLD folder, HREPLITEM* item, BOOL* exists) {
    if (!folder || !item || !exists)
        return E_INVALIDARG;
    FolderBase* behind = FolderBehind(folder);
    if (!behind) {
        *item = nullptr;
        *exists = FALSE;
        return E_INVALIDARG;
    }
    return behind->FirstItem(item, exists);
}

HRESULT SyncStore::FindNextItem(HREPLFLD folder, HREPLITEM* item, BOOL* exists) {
    if (!folder || !item || !exists)
        return E_INVALIDARG;
    FolderBase* behind = FolderBehind(folder);
    if (!behind) {
        *item = nullptr;
        *exists = FALSE;
        return E_INVALIDARG;
    }
    return behind->NextItem(item, exists);
}

HRESULT SyncStore::FindItemClose(HREPLFLD folder) {
    FolderBase* behind = FolderBehind(folder);
    return behind ? behind->ItemEnumerationClosed() : E_INVALIDARG;
}

UINT SyncStore::ObjectToBytes(HREPLOBJ object, BYTE* buffer) {
    if (!object)
        return static_cast<UINT>(E_INVALIDARG);
    return PersistObject(*ObjectFromHandle(object), buffer);
}

HREPLOBJ SyncStore::BytesToObject(BYTE* bytes, UINT size) {
    return HandleFromObject(RestoreFolderHandle(bytes, size, Folder()));
}

void SyncStore::FreeObject(HREPLOBJ object) {
    delete ObjectFromHandle(object);
}

BOOL SyncStore::CopyObject(HREPLOBJ source, HREPLOBJ destination) {
    ReplObject* from = ObjectFromHandle(source);
    ReplObject* to = ObjectFromHandle(destination);
    if (!from || !to || from->Tag() != to->Tag())
        return FALSE;
    if (from->Tag() == kFolderTag)
        static_cast<FolderHandle*>(to)->CopyFrom(*static_cast<FolderHandle*>(from));
    return TRUE;
}

HRESULT SyncStore::IsValidObject(HREPLFLD folder, HREPLITEM, UINT) {
    return folder && !FolderHandleFrom(folder) ? E_HANDLE : S_OK;
}

HRESULT SyncStore::ActivateDialog(UINT dialog, HWND parent, HREPLFLD folder, IEnumReplItem* items) {
    FolderBase* behind = FolderBehind(folder);
    if (!parent || !behind || !items)
        return E_INVALIDARG;
    return behind->Dialog(dialog, parent, items);
}

HRESULT SyncStore::GetObjTypeUIData(HREPLFLD folder, OBJUIDATA* data) {
    FolderBase* behind = FolderBehind(folder);
    if (!behind || !data)
        return E_INVALIDARG;
    return behind->ObjectTypeUIData(data);
}

HRESULT SyncStore::GetConflictInfo(CONFINFO* info) {
    FolderBase* behind = info ? FolderBehind(info->hFolder) : nullptr;
    if (!behind)
        return E_INVALIDARG;
    return behind->ConflictInfo(info);
}

HRESULT SyncStore::RemoveDuplicates(LPCSTR objectType, UINT) {
    if (!Folder())
        return E_INVALIDARG;
    if (objectType && std::strcmp(objectType, Folder()->ObjectTypeName()) != 0)
        return E_INVALIDARG;
    return Folder()->RemoveDuplicates();
}

} // namespace lunea::provider
