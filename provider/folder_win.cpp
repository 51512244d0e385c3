#include "provider/folder_win.h"

#include "common/desktop_contract.h"
#include "provider/module_state_win.h"
#include "provider/object_handler_win.h"
#include "provider/provider_names_win.h"
#include "provider/resource_ids_win.h"
#include "provider/settings_dialog_win.h"

#include <cstring>
#include <new>

namespace lunea::provider {
namespace {

HICON LoadProviderIcon(int size) {
    return static_cast<HICON>(
        LoadImageA(Module().instance, MAKEINTRESOURCEA(IDI_LUNEA_SYNC), IMAGE_ICON, size, size, 0));
}

template <std::size_t N> void CopyText(char (&target)[N], const char* text) {
    std::strncpy(target, text, N - 1);
    target[N - 1] = '\0';
}

} // namespace

const char* ObjectTypeFolder::PluralTypeText() const {
    return "";
}

const char* ObjectTypeFolder::TypeText() const {
    return "";
}

const char* ObjectTypeFolder::ObjectTypeName() const {
    return kObjectTypeName;
}

BOOL ObjectTypeFolder::IsItemReplicated(HREPLITEM) const {
    return TRUE;
}

HRESULT ObjectTypeFolder::CreateObjectHandler(IUnknown** handler) {
    auto* created = new (std::nothrow) ObjectHandler();
    if (!created) {
        *handler = nullptr;
        return E_OUTOFMEMORY;
    }
    const HRESULT result = created->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(handler));
    created->Release();
    return result;
}

HRESULT ObjectTypeFolder::IsChanged(BOOL* changed) const {
    *changed = TRUE;
    return S_OK;
}

HRESULT ObjectTypeFolder::FirstItem(HREPLITEM* item, BOOL* exists) {
    *item = nullptr;
    *exists = FALSE;
    return S_OK;
}

HRESULT ObjectTypeFolder::NextItem(HREPLITEM*, BOOL* exists) {
    *exists = FALSE;
    return S_OK;
}

HRESULT ObjectTypeFolder::ItemEnumerationClosed() {
    return S_OK;
}

HRESULT ObjectTypeFolder::RemoveDuplicates() {
    return S_OK;
}

// The icons are loaded on every call and belong to the host afterwards.
HRESULT ObjectTypeFolder::ObjectTypeUIData(OBJUIDATA* data) const {
    data->hIconLarge = LoadProviderIcon(32);
    data->hIconSmall = LoadProviderIcon(16);
    CopyText(data->szName, kObjectTypeName);
    CopyText(data->szSyncText, DataFileName());
    CopyText(data->szTypeText, TypeText());
    CopyText(data->szPlTypeText, PluralTypeText());
    return S_OK;
}

HRESULT ObjectTypeFolder::Dialog(UINT dialog, HWND parent, IEnumReplItem*) {
    if (dialog != 0)
        return E_NOTIMPL;
    return ShowSettingsDialog(parent) == IDOK ? S_OK : RERR_CANCEL;
}

HRESULT ObjectTypeFolder::ConflictInfo(CONFINFO*) const {
    return RERR_IGNORE;
}

const char* ObjectTypeFolder::DataFileName() const {
    return kDataFileName;
}

} // namespace lunea::provider
