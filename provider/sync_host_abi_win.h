#pragma once
// The sync service manager's provider interfaces and records. The platform
// SDK of this toolchain does not declare them; the layouts are the published
// 32-bit ones (stdcall methods, 4-byte packing, ANSI strings).
#include <objbase.h>
#include <windows.h>

// The provider decides what a handle points at; the host only carries it.
struct ReplHandle;
using HREPLOBJ = ReplHandle*;
using HREPLITEM = ReplHandle*;
using HREPLFLD = ReplHandle*;

inline constexpr UINT kMaxObjectTypeName = 100;

inline constexpr IID IID_IReplStore = {
    0xA417BC0F, 0x7BE1, 0x11CE, {0xAD, 0x82, 0x00, 0xAA, 0x00, 0x6E, 0xC5, 0x59}};
inline constexpr IID IID_IReplStore2 = {
    0x4A696D00, 0xF75F, 0x11D2, {0xB5, 0x49, 0x00, 0xC0, 0x4F, 0x5B, 0x9A, 0x11}};

struct IReplNotify;
struct IReplStore;

struct STOREINFO {
    UINT cbStruct;
    UINT uFlags;
    char szProgId[256];
    char szStoreDesc[200];
    UINT uTimerRes;
    UINT cbMaxStoreId;
    UINT cbStoreId;
    BYTE* lpbStoreId;
};

struct OBJUIDATA {
    UINT cbStruct;
    HICON hIconLarge;
    HICON hIconSmall;
    char szName[260];
    char szSyncText[260];
    char szTypeText[80];
    char szPlTypeText[80];
};

struct CONFINFO {
    UINT cbStruct;
    HREPLFLD hFolder;
    HREPLITEM hLocalItem;
    HREPLITEM hRemoteItem;
    char szLocalName[100];
    char szLocalDesc[512];
    char szRemoteName[100];
    char szRemoteDesc[512];
};

// The sync-data request of QueryDevice code 5.
struct SDREQUEST {
    char szObjType[kMaxObjectTypeName];
    BOOL fSet; // 0 = receive from the device, 1 = send to it
    UINT uCode;
    BYTE* lpbData;
    UINT cbData;
};
// The published size; a 64-bit test build lays it out with its own pointers.
static_assert(sizeof(void*) != 4 || sizeof(SDREQUEST) == 116);

struct REPLSETUP {
    UINT cbStruct;
    BOOL fRead;
    DWORD dwFlags;
    HRESULT hr;
    char szObjType[kMaxObjectTypeName];
    IReplNotify* pNotify;
    DWORD oid;
    DWORD oidNew;
    IReplStore* pStore;
    HREPLFLD hFolder;
    HREPLITEM hItem;
    BYTE* lpbVolumeID;
    UINT cbVolumeID;
};

inline constexpr UINT QDC_CON_DEVICE_KEY = 4;
inline constexpr UINT QDC_SYNC_DATA = 5;
inline constexpr UINT RSC_BEGIN_CHECK = 3;
inline constexpr UINT RSC_RELEASE = 6;
inline constexpr UINT SCF_SINGLE_THREAD = 1;
inline constexpr HRESULT RWRN_LAST_PACKET = 0x00140001;
inline constexpr HRESULT RERR_CANCEL = static_cast<HRESULT>(0x80140003);
inline constexpr HRESULT RERR_IGNORE = static_cast<HRESULT>(0x80140005);

struct IEnumReplItem : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Next(ULONG count, HREPLITEM* items, ULONG* fetched) = 0;
    virtual HRESULT STDMETHODCALLTYPE Skip(ULONG count) = 0;
    virtual HRESULT STDMETHODCALLTYPE Reset() = 0;
    virtual HRESULT STDMETHODCALLTYPE Clone(IEnumReplItem** copy) = 0;
    virtual HREPLFLD STDMETHODCALLTYPE GetFolderHandle() = 0;
};

struct IReplNotify : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetStatusText(LPCSTR text) = 0;
    virtual HWND STDMETHODCALLTYPE GetWindow(UINT flags) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnItemNotify(UINT code, LPCSTR progId, LPCSTR name,
                                                   HREPLITEM item, ULONG flags) = 0;
    virtual HRESULT STDMETHODCALLTYPE QueryDevice(UINT code, void** data) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnItemCompleted(REPLSETUP* setup) = 0;
};

struct IReplStore : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Initialize(IReplNotify* notify, UINT flags) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetStoreInfo(STOREINFO* info) = 0;
    virtual HRESULT STDMETHODCALLTYPE ReportStatus(HREPLFLD folder, HREPLITEM item, UINT status,
                                                   UINT param) = 0;
    virtual int STDMETHODCALLTYPE CompareStoreIDs(BYTE* id1, UINT size1, BYTE* id2, UINT size2) = 0;
    virtual int STDMETHODCALLTYPE CompareItem(HREPLITEM item1, HREPLITEM item2) = 0;
    virtual BOOL STDMETHODCALLTYPE IsItemChanged(HREPLFLD folder, HREPLITEM item,
                                                 HREPLITEM reference) = 0;
    virtual BOOL STDMETHODCALLTYPE IsItemReplicated(HREPLFLD folder, HREPLITEM item) = 0;
    virtual void STDMETHODCALLTYPE UpdateItem(HREPLFLD folder, HREPLITEM destination,
                                              HREPLITEM source) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetFolderInfo(LPCSTR objectType, HREPLFLD* folder,
                                                    IUnknown** handler) = 0;
    virtual HRESULT STDMETHODCALLTYPE IsFolderChanged(HREPLFLD folder, BOOL* changed) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindFirstItem(HREPLFLD folder, HREPLITEM* item,
                                                    BOOL* exists) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindNextItem(HREPLFLD folder, HREPLITEM* item,
                                                   BOOL* exists) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindItemClose(HREPLFLD folder) = 0;
    virtual UINT STDMETHODCALLTYPE ObjectToBytes(HREPLOBJ object, BYTE* buffer) = 0;
    virtual HREPLOBJ STDMETHODCALLTYPE BytesToObject(BYTE* bytes, UINT size) = 0;
    virtual void STDMETHODCALLTYPE FreeObject(HREPLOBJ object) = 0;
    virtual BOOL STDMETHODCALLTYPE CopyObject(HREPLOBJ source, HREPLOBJ destination) = 0;
    virtual HRESULT STDMETHODCALLTYPE IsValidObject(HREPLFLD folder, HREPLITEM item,
                                                    UINT flags) = 0;
    virtual HRESULT STDMETHODCALLTYPE ActivateDialog(UINT dialog, HWND parent, HREPLFLD folder,
                                                     IEnumReplItem* items) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetObjTypeUIData(HREPLFLD folder, OBJUIDATA* data) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetConflictInfo(CONFINFO* info) = 0;
    virtual HRESULT STDMETHODCALLTYPE RemoveDuplicates(LPCSTR objectType, UINT flags) = 0;
};

struct IReplObjHandler : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Setup(REPLSETUP* setup) = 0;
    virtual HRESULT STDMETHODCALLTYPE Reset(REPLSETUP* setup) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetPacket(BYTE** data, DWORD* size,
                                                DWORD recommendedSize) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetPacket(BYTE* data, DWORD size) = 0;
    virtual HRESULT STDMETHODCALLTYPE DeleteObj(REPLSETUP* setup) = 0;
};
