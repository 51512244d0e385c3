// Every IReplStore slot and the object handler, on a store created through
// COM from the registered ProgID.
#include "common/unique_win.h"
#include "provider/sync_host_abi_win.h"
#include "tests/wine/dialog_template.h"
#include "tests/wine/sync_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <thread>

namespace lunea::test {
namespace {

using win::ComRef;

// Counts the store's device queries and refuses them all.
class RefusingNotify final : public IReplNotify {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCSTR) override { return E_NOTIMPL; }
    HWND STDMETHODCALLTYPE GetWindow(UINT) override { return nullptr; }
    HRESULT STDMETHODCALLTYPE OnItemNotify(UINT, LPCSTR, LPCSTR, HREPLITEM, ULONG) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE QueryDevice(UINT, void**) override {
        ++queries;
        return E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE OnItemCompleted(REPLSETUP*) override { return E_NOTIMPL; }

    ULONG references = 1;
    int queries = 0;
};

// The handle layouts the store hands out: interface table, tag, and for a
// folder the name and the folder pointer. Built by hand to pose as handles
// the store would never make.
struct ForeignHandle {
    const void* interfaceTable = nullptr;
    std::uint32_t tag = 0;
    char name[260] = {};
    void* folder = nullptr;
};
HREPLOBJ AsHandle(ForeignHandle& handle) {
    return reinterpret_cast<HREPLOBJ>(&handle);
}

class ProviderStore : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProviderRegistration();
        EnsureObjectTypesKey();
        HMODULE module = LoadLibraryA(ProviderPath().c_str());
        ASSERT_NE(module, nullptr);
        auto registerServer = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
            reinterpret_cast<void*>(GetProcAddress(module, "DllRegisterServer")));
        ASSERT_EQ(registerServer(), S_OK);
        FreeLibrary(module);
        ASSERT_EQ(CoInitialize(nullptr), S_OK);
        CLSID classId = {};
        ASSERT_EQ(CLSIDFromProgID(L"LuneaSyncAgent", &classId), S_OK);
        ASSERT_EQ(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IReplStore,
                                   reinterpret_cast<void**>(store_.Put())),
                  S_OK);
    }
    void TearDown() override {
        if (folder_)
            store_->FreeObject(folder_);
        handler_.Reset();
        store_.Reset();
        CoUninitialize();
        ResetProviderRegistration();
    }
    void OpenFolder() {
        ASSERT_EQ(store_->GetFolderInfo("Lunea", &folder_, handler_.Put()), S_OK);
        ASSERT_NE(folder_, nullptr);
        ASSERT_TRUE(handler_);
    }

    ComRef<IReplStore> store_;
    HREPLFLD folder_ = nullptr;
    ComRef<IUnknown> handler_;
};

TEST_F(ProviderStore, AnswersItsOwnInterfacesOnly) {
    EXPECT_EQ(store_->QueryInterface(IID_IReplStore, nullptr), E_INVALIDARG);
    ComRef<IUnknown> unknown;
    EXPECT_EQ(store_->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(unknown.Put())), S_OK);
    void* other = &other;
    EXPECT_EQ(store_->QueryInterface(IID_IReplStore2, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    const ULONG count = store_->AddRef();
    EXPECT_EQ(store_->Release(), count - 1);
}

TEST_F(ProviderStore, StoreInfoGivesTheIdentifierOnlyAfterInitialize) {
    RefusingNotify notify;
    BYTE id[8] = {0xEE, 0xEE, 0xEE, 0xEE};
    STOREINFO info = {};
    info.cbMaxStoreId = sizeof id;
    info.cbStoreId = 77;
    info.lpbStoreId = id;
    EXPECT_EQ(store_->GetStoreInfo(nullptr), E_INVALIDARG);
    EXPECT_EQ(store_->GetStoreInfo(&info), S_OK);
    EXPECT_EQ(info.uFlags, 1u);
    EXPECT_STREQ(info.szProgId, "LuneaSyncAgent");
    EXPECT_STREQ(info.szStoreDesc, "Lunea Store");
    EXPECT_EQ(info.cbStoreId, 77u);
    EXPECT_EQ(id[0], 0xEE);

    EXPECT_EQ(store_->Initialize(nullptr, 0), E_INVALIDARG);
    EXPECT_EQ(store_->Initialize(&notify, 0), S_OK);
    EXPECT_EQ(notify.references, 2u);
    info.cbMaxStoreId = 3;
    EXPECT_EQ(store_->GetStoreInfo(&info), E_OUTOFMEMORY);
    EXPECT_EQ(info.cbStoreId, 4u);
    info.cbMaxStoreId = 4;
    info.lpbStoreId = nullptr;
    EXPECT_EQ(store_->GetStoreInfo(&info), E_POINTER);
    info.lpbStoreId = id;
    EXPECT_EQ(store_->GetStoreInfo(&info), S_OK);
    EXPECT_EQ(std::memcmp(id, "\x39\x30\x00\x00", 4), 0);
    store_.Reset();
    EXPECT_EQ(notify.references, 1u) << "the store lets go of the notify when it ends";
}

TEST_F(ProviderStore, ComparesStoreIdsBySizeThenBytes) {
    BYTE storeId[] = {0x39, 0x30, 0x00, 0x00};
    BYTE copy[] = {0x39, 0x30, 0x00, 0x00};
    BYTE larger[] = {0x39, 0x31, 0x00, 0x00};
    BYTE oneByte[] = {0xFF};
    EXPECT_EQ(store_->CompareStoreIDs(storeId, 4, copy, 4), 0);
    EXPECT_EQ(store_->CompareStoreIDs(oneByte, 1, storeId, 4), -1);
    EXPECT_EQ(store_->CompareStoreIDs(storeId, 4, oneByte, 1), 1);
    EXPECT_EQ(store_->CompareStoreIDs(storeId, 4, larger, 4), -1);
    EXPECT_EQ(store_->CompareStoreIDs(larger, 4, storeId, 4), 1);
    EXPECT_EQ(store_->CompareStoreIDs(nullptr, 4, storeId, 4), E_INVALIDARG);
    EXPECT_EQ(store_->CompareStoreIDs(storeId, 4, nullptr, 4), E_INVALIDARG);
}

TEST_F(ProviderStore, ItemCallsGetFixedAnswers) {
    OpenFolder();
    HREPLITEM item = reinterpret_cast<HREPLITEM>(folder_);
    EXPECT_EQ(store_->CompareItem(item, item), 0);
    EXPECT_EQ(store_->CompareItem(nullptr, item), E_INVALIDARG);
    EXPECT_EQ(store_->CompareItem(item, nullptr), E_INVALIDARG);
    EXPECT_EQ(store_->IsItemChanged(folder_, item, item), FALSE);
    EXPECT_EQ(store_->IsItemReplicated(nullptr, item), FALSE);
    EXPECT_EQ(store_->IsItemReplicated(folder_, nullptr), TRUE);
    EXPECT_EQ(store_->IsItemReplicated(folder_, item), TRUE);
    ForeignHandle noFolder{nullptr, 1, "Lunea", nullptr};
    EXPECT_EQ(store_->IsItemReplicated(AsHandle(noFolder), item), FALSE);
    store_->UpdateItem(folder_, item, item);
}

TEST_F(ProviderStore, FolderInfoNeedsTheExactObjectTypeName) {
    HREPLFLD folder = nullptr;
    ComRef<IUnknown> handler;
    EXPECT_EQ(store_->GetFolderInfo(nullptr, &folder, handler.Put()), E_INVALIDARG);
    EXPECT_EQ(store_->GetFolderInfo("Lunea", nullptr, handler.Put()), E_INVALIDARG);
    EXPECT_EQ(store_->GetFolderInfo("Lunea", &folder, nullptr), E_INVALIDARG);
    EXPECT_EQ(store_->GetFolderInfo("lunea", &folder, handler.Put()), E_INVALIDARG);
    EXPECT_EQ(folder, nullptr);

    OpenFolder();
    HREPLFLD kept = folder_;
    ComRef<IUnknown> secondHandler;
    EXPECT_EQ(store_->GetFolderInfo("Lunea", &folder_, secondHandler.Put()), S_OK);
    EXPECT_EQ(folder_, kept) << "an existing handle stays as it was";
    EXPECT_TRUE(secondHandler);
}

TEST_F(ProviderStore, TheFolderIsAlwaysChangedAndNeverHasAnItem) {
    OpenFolder();
    BOOL flag = TRUE;
    HREPLITEM item = reinterpret_cast<HREPLITEM>(&flag);
    EXPECT_EQ(store_->IsFolderChanged(nullptr, &flag), E_INVALIDARG);
    EXPECT_EQ(store_->IsFolderChanged(folder_, nullptr), E_INVALIDARG);
    flag = FALSE;
    EXPECT_EQ(store_->IsFolderChanged(folder_, &flag), S_OK);
    EXPECT_EQ(flag, TRUE);

    EXPECT_EQ(store_->FindFirstItem(nullptr, &item, &flag), E_INVALIDARG);
    EXPECT_EQ(store_->FindFirstItem(folder_, nullptr, &flag), E_INVALIDARG);
    EXPECT_EQ(store_->FindFirstItem(folder_, &item, nullptr), E_INVALIDARG);
    EXPECT_EQ(store_->FindFirstItem(folder_, &item, &flag), S_OK);
    EXPECT_EQ(item, nullptr);
    EXPECT_EQ(flag, FALSE);

    item = reinterpret_cast<HREPLITEM>(&flag);
    flag = TRUE;
    EXPECT_EQ(store_->FindNextItem(folder_, &item, &flag), S_OK);
    EXPECT_EQ(item, reinterpret_cast<HREPLITEM>(&flag)) << "the item is left untouched";
    EXPECT_EQ(flag, FALSE);
    EXPECT_EQ(store_->FindNextItem(nullptr, &item, &flag), E_INVALIDARG);

    EXPECT_EQ(store_->FindItemClose(folder_), S_OK);
    EXPECT_EQ(store_->FindItemClose(nullptr), E_INVALIDARG);
    EXPECT_EQ(store_->RemoveDuplicates(nullptr, 0), S_OK);
    EXPECT_EQ(store_->RemoveDuplicates("Lunea", 0), S_OK);
    EXPECT_EQ(store_->RemoveDuplicates("Other", 0), E_INVALIDARG);
}

TEST_F(ProviderStore, AHandleWithoutFolderIsRefused) {
    ForeignHandle noFolder{nullptr, 1, "Lunea", nullptr};
    HREPLFLD handle = AsHandle(noFolder);
    BOOL flag = TRUE;
    EXPECT_EQ(store_->IsFolderChanged(handle, &flag), E_INVALIDARG);
    EXPECT_EQ(flag, FALSE);
    HREPLITEM item = reinterpret_cast<HREPLITEM>(&flag);
    flag = TRUE;
    EXPECT_EQ(store_->FindFirstItem(handle, &item, &flag), E_INVALIDARG);
    EXPECT_EQ(item, nullptr);
    EXPECT_EQ(flag, FALSE);
    item = reinterpret_cast<HREPLITEM>(&flag);
    EXPECT_EQ(store_->FindNextItem(handle, &item, &flag), E_INVALIDARG);
    EXPECT_EQ(item, nullptr);
    EXPECT_EQ(store_->FindItemClose(handle), E_INVALIDARG);
    OBJUIDATA data = {};
    EXPECT_EQ(store_->GetObjTypeUIData(handle, &data), E_INVALIDARG);
    CONFINFO conflict = {};
    conflict.hFolder = handle;
    EXPECT_EQ(store_->GetConflictInfo(&conflict), E_INVALIDARG);
}

TEST_F(ProviderStore, HandlesPersistAndComeBack) {
    OpenFolder();
    EXPECT_EQ(store_->ObjectToBytes(nullptr, nullptr), static_cast<UINT>(E_INVALIDARG));
    EXPECT_EQ(store_->ObjectToBytes(folder_, nullptr), 264u);
    BYTE bytes[300];
    std::memset(bytes, 0xAB, sizeof bytes);
    ASSERT_EQ(store_->ObjectToBytes(folder_, bytes), 264u);
    EXPECT_EQ(std::memcmp(bytes, "\x01\x00\x00\x00Lunea\0", 10), 0);
    EXPECT_EQ(bytes[264], 0xAB) << "nothing written past the persisted form";

    HREPLOBJ restored = store_->BytesToObject(bytes, 264);
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(store_->IsValidObject(restored, nullptr, 0), S_OK);
    EXPECT_EQ(store_->CopyObject(folder_, restored), TRUE);
    BOOL changed = FALSE;
    EXPECT_EQ(store_->IsFolderChanged(restored, &changed), S_OK) << "it knows its folder";
    BYTE again[264];
    store_->ObjectToBytes(restored, again);
    EXPECT_EQ(std::memcmp(again, "\x01\x00\x00\x00Lunea\0", 10), 0);
    store_->FreeObject(restored);
    store_->FreeObject(nullptr);
}

TEST_F(ProviderStore, ForeignBytesAndForeignHandlesAreRefused) {
    OpenFolder();
    BYTE bytes[264] = {2, 0, 0, 0, 'L', 'u', 'n', 'e', 'a'};
    EXPECT_EQ(store_->BytesToObject(bytes, sizeof bytes), nullptr) << "tag 2";
    bytes[0] = 1;
    bytes[4] = 'l';
    EXPECT_EQ(store_->BytesToObject(bytes, sizeof bytes), nullptr) << "another type name";
    bytes[4] = 'L';
    // A block shorter than a persisted folder handle is not read past its end.
    EXPECT_EQ(store_->BytesToObject(bytes, 4), nullptr);

    ForeignHandle other{nullptr, 2};
    EXPECT_EQ(store_->ObjectToBytes(AsHandle(other), nullptr), 4u);
    BYTE tag[4] = {};
    EXPECT_EQ(store_->ObjectToBytes(AsHandle(other), tag), 4u);
    EXPECT_EQ(tag[0], 2);
    EXPECT_EQ(store_->IsValidObject(AsHandle(other), nullptr, 0), E_HANDLE);
    EXPECT_EQ(store_->IsValidObject(nullptr, nullptr, 0), S_OK);
    EXPECT_EQ(store_->CopyObject(folder_, AsHandle(other)), FALSE) << "different tags";
    EXPECT_EQ(store_->CopyObject(nullptr, folder_), FALSE);
    EXPECT_EQ(store_->CopyObject(folder_, nullptr), FALSE);
    ForeignHandle sameTag{nullptr, 2};
    EXPECT_EQ(store_->CopyObject(AsHandle(other), AsHandle(sameTag)), TRUE);
}

TEST_F(ProviderStore, ConflictsAreIgnored) {
    OpenFolder();
    CONFINFO conflict = {};
    EXPECT_EQ(store_->GetConflictInfo(nullptr), E_INVALIDARG);
    EXPECT_EQ(store_->GetConflictInfo(&conflict), E_INVALIDARG);
    conflict.hFolder = folder_;
    EXPECT_EQ(store_->GetConflictInfo(&conflict), static_cast<HRESULT>(0x80140005));
}

TEST_F(ProviderStore, DisplayDataCarriesBothIconsAndTheTexts) {
    OpenFolder();
    OBJUIDATA data = {};
    std::memset(data.szTypeText, 'x', sizeof data.szTypeText);
    EXPECT_EQ(store_->GetObjTypeUIData(nullptr, &data), E_INVALIDARG);
    EXPECT_EQ(store_->GetObjTypeUIData(folder_, nullptr), E_INVALIDARG);
    ASSERT_EQ(store_->GetObjTypeUIData(folder_, &data), S_OK);
    EXPECT_STREQ(data.szName, "Lunea");
    EXPECT_STREQ(data.szSyncText, "Lunea.dat");
    EXPECT_STREQ(data.szTypeText, "");
    EXPECT_STREQ(data.szPlTypeText, "");
    for (auto [icon, size] : {std::pair{data.hIconLarge, 32}, std::pair{data.hIconSmall, 16}}) {
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP mask = {};
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(mask.bmWidth, size);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
        DestroyIcon(icon);
    }
}

TEST_F(ProviderStore, ObjectHandlerCarriesNoData) {
    OpenFolder();
    ComRef<IReplObjHandler> handler;
    ASSERT_EQ(handler_->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(handler.Put())),
              S_OK);
    void* other = &other;
    EXPECT_EQ(handler_->QueryInterface(IID_IReplStore, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(handler_->QueryInterface(IID_IUnknown, nullptr), E_INVALIDARG);

    REPLSETUP setup = {};
    EXPECT_EQ(handler->Setup(&setup), S_OK);
    EXPECT_EQ(handler->Setup(nullptr), E_INVALIDARG);
    EXPECT_EQ(handler->Reset(&setup), S_OK);
    EXPECT_EQ(handler->Reset(nullptr), E_INVALIDARG);
    BYTE* data = reinterpret_cast<BYTE*>(&setup);
    DWORD size = 99;
    EXPECT_EQ(handler->GetPacket(&data, &size, 1000), static_cast<HRESULT>(0x00140001));
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(handler->GetPacket(nullptr, &size, 1000), E_INVALIDARG);
    EXPECT_EQ(handler->GetPacket(&data, nullptr, 1000), E_INVALIDARG);
    BYTE packet[4] = {};
    EXPECT_EQ(handler->SetPacket(packet, sizeof packet), S_OK);
    EXPECT_EQ(handler->SetPacket(nullptr, 0), E_INVALIDARG);
    EXPECT_EQ(handler->DeleteObj(&setup), S_FALSE);
    EXPECT_EQ(handler->DeleteObj(nullptr), E_INVALIDARG);
}

TEST_F(ProviderStore, OnlyStatusThreeExchangesAndSixLetsGoOfTheNotify) {
    RefusingNotify notify;
    ASSERT_EQ(store_->Initialize(&notify, 0), S_OK);
    for (UINT status : {0u, 1u, 2u, 4u, 5u, 7u, 100u})
        EXPECT_EQ(store_->ReportStatus(nullptr, nullptr, status, 0), S_OK);
    EXPECT_EQ(notify.queries, 0);
    EXPECT_EQ(store_->ReportStatus(nullptr, nullptr, 3, 0), S_OK);
    EXPECT_EQ(notify.queries, 1) << "a refused partnership key ends the exchange";
    EXPECT_EQ(store_->ReportStatus(nullptr, nullptr, 6, 0), S_OK);
    EXPECT_EQ(notify.references, 1u);
    EXPECT_EQ(store_->ReportStatus(nullptr, nullptr, 3, 0), S_OK);
    EXPECT_EQ(notify.queries, 1) << "no notify, no exchange";
}

// Acts on the settings dialog from another thread while the test's thread
// runs the dialog's modal loop; answers what it saw.
struct DialogScript {
    explicit DialogScript(std::function<void(HWND)> action) : act(std::move(action)) {}

    std::function<void(HWND)> act;
    std::string caption;
    std::string okText;
    bool iconShown = false;
    bool titleShown = false;

    std::thread Start() {
        return std::thread([this] {
            HWND dialog = nullptr;
            for (int tries = 0; tries < 200 && !dialog; ++tries) {
                dialog = FindWindowA("#32770", "RidaZida Settings Dialog");
                if (!dialog)
                    Sleep(50);
            }
            if (!dialog)
                return;
            char text[64] = {};
            GetWindowTextA(dialog, text, sizeof text);
            caption = text;
            GetDlgItemTextA(dialog, IDOK, text, sizeof text);
            okText = text;
            titleShown = FindWindowExA(dialog, nullptr, "Static", "Lunea Synchronization Agent");
            for (HWND child = nullptr; (child = FindWindowExA(dialog, child, "Static", nullptr));)
                iconShown |= SendMessageA(child, STM_GETICON, 0, 0) != 0;
            act(dialog);
        });
    }
};

class ProviderDialog : public ProviderStore {
  protected:
    void SetUp() override {
        ProviderStore::SetUp();
        OpenFolder();
        owner_ = CreateWindowExA(0, "Static", "owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        DestroyWindow(owner_);
        ProviderStore::TearDown();
    }
    HRESULT ShowDialog(DialogScript& script) {
        std::thread actor = script.Start();
        const HRESULT result = store_->ActivateDialog(0, owner_, folder_, Items());
        actor.join();
        return result;
    }
    // The host's item enumerator; the dialog only needs it to be there.
    IEnumReplItem* Items() { return reinterpret_cast<IEnumReplItem*>(&owner_); }

    HWND owner_ = nullptr;
};

TEST_F(ProviderDialog, OkEndsTheDialogWithSuccess) {
    DialogScript script(
        [](HWND dialog) { SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); });
    EXPECT_EQ(ShowDialog(script), S_OK);
    EXPECT_EQ(script.caption, "RidaZida Settings Dialog");
    EXPECT_EQ(script.okText, "OK");
    EXPECT_TRUE(script.titleShown);
    EXPECT_TRUE(script.iconShown);
}

TEST_F(ProviderDialog, CancelEscapeAndTheCloseBoxCancel) {
    const std::function<void(HWND)> ways[] = {
        [](HWND dialog) { SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0); },
        [](HWND dialog) {
            PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessageA(dialog, WM_KEYUP, VK_ESCAPE, 0);
        },
        [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& way : ways) {
        DialogScript script(way);
        EXPECT_EQ(ShowDialog(script), static_cast<HRESULT>(0x80140003));
    }
}

TEST_F(ProviderDialog, OtherDialogsAndMissingArgumentsShowNothing) {
    // Watched while the calls run: a dialog that appeared would hold its call
    // until it is closed, so it is closed and counted.
    std::atomic<bool> callsDone = false;
    std::atomic<int> dialogsSeen = 0;
    std::thread watcher([&] {
        while (!callsDone) {
            if (HWND dialog = FindWindowA("#32770", "RidaZida Settings Dialog")) {
                ++dialogsSeen;
                SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
            }
            Sleep(10);
        }
    });
    EXPECT_EQ(store_->ActivateDialog(1, owner_, folder_, Items()), E_NOTIMPL);
    EXPECT_EQ(store_->ActivateDialog(0, nullptr, folder_, Items()), E_INVALIDARG);
    EXPECT_EQ(store_->ActivateDialog(0, owner_, nullptr, Items()), E_INVALIDARG);
    EXPECT_EQ(store_->ActivateDialog(0, owner_, folder_, nullptr), E_INVALIDARG);
    callsDone = true;
    watcher.join();
    EXPECT_EQ(dialogsSeen, 0);
}

// windres drops the size of an ICON statement (the control then has 0 x 0
// units in the built dialog); the icon must keep its 20 x 20.
TEST(ProviderDialogResource, TheIconControlHasItsSize) {
    const win::UniqueModule provider(
        LoadLibraryExA(ProviderPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(provider);
    const std::vector<DialogItem> items = DialogItems(provider.Get(), 101);
    const auto icon = std::find_if(items.begin(), items.end(), [](const DialogItem& item) {
        return (item.style & SS_TYPEMASK) == SS_ICON && item.titleId == 101;
    });
    ASSERT_NE(icon, items.end()) << "no static control with the provider's icon among "
                                 << items.size();
    EXPECT_EQ(icon->x, 10);
    EXPECT_EQ(icon->y, 10);
    EXPECT_EQ(icon->cx, 20) << "width";
    EXPECT_EQ(icon->cy, 20) << "height";
}

} // namespace
} // namespace lunea::test
