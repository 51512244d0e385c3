#pragma once
// The store's folders. There is one, for the object type "Lunea": it always
// reports itself changed and never has an item; the journal travels in the
// block exchange instead.
#include "provider/sync_host_abi_win.h"

namespace lunea::provider {

class FolderBase {
  public:
    FolderBase() = default;
    virtual ~FolderBase() = default;
    FolderBase(const FolderBase&) = delete;
    FolderBase& operator=(const FolderBase&) = delete;

    virtual const char* PluralTypeText() const = 0;
    virtual const char* TypeText() const = 0;
    virtual const char* ObjectTypeName() const = 0;
    virtual BOOL IsItemReplicated(HREPLITEM item) const = 0;
    virtual HRESULT CreateObjectHandler(IUnknown** handler) = 0;
    virtual HRESULT IsChanged(BOOL* changed) const = 0;
    virtual HRESULT FirstItem(HREPLITEM* item, BOOL* exists) = 0;
    virtual HRESULT NextItem(HREPLITEM* item, BOOL* exists) = 0;
    virtual HRESULT ItemEnumerationClosed() = 0;
    virtual HRESULT RemoveDuplicates() = 0;
    virtual HRESULT ObjectTypeUIData(OBJUIDATA* data) const = 0;
    virtual HRESULT Dialog(UINT dialog, HWND parent, IEnumReplItem* items) = 0;
    virtual HRESULT ConflictInfo(CONFINFO* info) const = 0;
    virtual const char* DataFileName() const = 0;
};

class ObjectTypeFolder final : public FolderBase {
  public:
    const char* PluralTypeText() const override;
    const char* TypeText() const override;
    const char* ObjectTypeName() const override;
    BOOL IsItemReplicated(HREPLITEM item) const override;
    HRESULT CreateObjectHandler(IUnknown** handler) override;
    HRESULT IsChanged(BOOL* changed) const override;
    HRESULT FirstItem(HREPLITEM* item, BOOL* exists) override;
    HRESULT NextItem(HREPLITEM* item, BOOL* exists) override;
    HRESULT ItemEnumerationClosed() override;
    HRESULT RemoveDuplicates() override;
    HRESULT ObjectTypeUIData(OBJUIDATA* data) const override;
    HRESULT Dialog(UINT dialog, HWND parent, IEnumReplItem* items) override;
    HRESULT ConflictInfo(CONFINFO* info) const override;
    const char* DataFileName() const override;
};

} // namespace lunea::provider
