#pragma once
// The provider's replication store. It replicates no items through the host;
// status code 3 runs the block exchange with the device instead.
#include "common/unique_win.h"
#include "provider/com_object_win.h"
#include "provider/exchange_win.h"
#include "provider/folder_win.h"
#include "provider/sync_host_abi_win.h"

#include <array>
#include <memory>

namespace lunea::provider {

class SyncStore final : public ComObject<IReplStore, &IID_IReplStore> {
  public:
    SyncStore();
    ~SyncStore() override;

    HRESULT STDMETHODCALLTYPE Initialize(IReplNotify* notify, UINT flags) override;
    HRESULT STDMETHODCALLTYPE GetStoreInfo(STOREINFO* info) override;
    HRESULT STDMETHODCALLTYPE ReportStatus(HREPLFLD folder, HREPLITEM item, UINT status,
                                           UINT param) override;
    int STDMETHODCALLTYPE CompareStoreIDs(BYTE* id1, UINT size1, BYTE* id2, UINT size2) override;
    int STDMETHODCALLTYPE CompareItem(HREPLITEM item1, HREPLITEM item2) override;
    BOOL STDMETHODCALLTYPE IsItemChanged(HREPLFLD folder, HREPLITEM item,
                                         HREPLITEM reference) override;
    BOOL STDMETHODCALLTYPE IsItemReplicated(HREPLFLD folder, HREPLITEM item) override;
    void STDMETHODCALLTYPE UpdateItem(HREPLFLD folder, HREPLITEM destination,
                                      HREPLITEM source) override;
    HRESULT STDMETHODCALLTYPE GetFolderInfo(LPCSTR objectType, HREPLFLD* folder,
                                            IUnknown** handler) override;
    HRESULT STDMETHODCALLTYPE IsFolderChanged(HREPLFLD folder, BOOL* changed) override;
    HRESULT STDMETHODCALLTYPE FindFirstItem(HREPLFLD folder, HREPLITEM* item,
                                            BOOL* exists) override;
    HRESULT STDMETHODCALLTYPE FindNextItem(HREPLFLD folder, HREPLITEM* item, BOOL* exists) override;
    HRESULT STDMETHODCALLTYPE FindItemClose(HREPLFLD folder) override;
    UINT STDMETHODCALLTYPE ObjectToBytes(HREPLOBJ object, BYTE* buffer) override;
    HREPLOBJ STDMETHODCALLTYPE BytesToObject(BYTE* bytes, UINT size) override;
    void STDMETHODCALLTYPE FreeObject(HREPLOBJ object) override;
    BOOL STDMETHODCALLTYPE CopyObject(HREPLOBJ source, HREPLOBJ destination) override;
    HRESULT STDMETHODCALLTYPE IsValidObject(HREPLFLD folder, HREPLITEM item, UINT flags) override;
    HRESULT STDMETHODCALLTYPE ActivateDialog(UINT dialog, HWND parent, HREPLFLD folder,
                                             IEnumReplItem* items) override;
    HRESULT STDMETHODCALLTYPE GetObjTypeUIData(HREPLFLD folder, OBJUIDATA* data) override;
    HRESULT STDMETHODCALLTYPE GetConflictInfo(CONFINFO* info) override;
    HRESULT STDMETHODCALLTYPE RemoveDuplicates(LPCSTR objectType, UINT flags) override;

  private:
    FolderBase* Folder() const { return folders_[0].get(); }

    BOOL initialized_ = FALSE;
    win::ComRef<IReplNotify> notify_;
    std::array<std::unique_ptr<FolderBase>, 1> folders_;
    ExchangeBuffers exchangeBuffers_;
};

} // namespace lunea::provider
