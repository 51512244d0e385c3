// The provider's four exports, loaded as a plain DLL: registration in the real
// registry, and what keeps the module loaded.
#include "common/unique_win.h"
#include "provider/provider_names_win.h"
#include "provider/sync_host_abi_win.h"
#include "tests/wine/sync_harness.h"

#include <gtest/gtest.h>

namespace lunea::test {
namespace {

using provider::kClassIdText;
using provider::kObjectTypesKey;
using provider::kProgId;

const std::string kClassKey = std::string("CLSID\\") + kClassIdText;
const std::string kTypeKey = std::string(kObjectTypesKey) + "\\Lunea";

class ProviderModule {
  public:
    ProviderModule() : module_(LoadLibraryA(ProviderPath().c_str())) {}
    ~ProviderModule() {
        if (module_)
            FreeLibrary(module_);
    }
    ProviderModule(const ProviderModule&) = delete;
    ProviderModule& operator=(const ProviderModule&) = delete;

    HRESULT Register() const { return Call<HRESULT(STDAPICALLTYPE*)()>("DllRegisterServer")(); }
    HRESULT Unregister() const { return Call<HRESULT(STDAPICALLTYPE*)()>("DllUnregisterServer")(); }
    HRESULT CanUnloadNow() const { return Call<HRESULT(STDAPICALLTYPE*)()>("DllCanUnloadNow")(); }
    HRESULT GetClassObject(REFCLSID classId, REFIID id, void** object) const {
        return Call<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>("DllGetClassObject")(
            classId, id, object);
    }

  private:
    template <class Function> Function Call(const char* name) const {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }
    HMODULE module_;
};

class ProviderRegistration : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProviderRegistration();
        EnsureObjectTypesKey();
    }
    void TearDown() override { ResetProviderRegistration(); }

    ProviderModule module_;
};

TEST_F(ProviderRegistration, WritesTheClassTheProgIdAndTheObjectType) {
    ASSERT_EQ(module_.Register(), S_OK);
    const std::string path = ProviderPath();
    EXPECT_EQ(ReadRegistryText(HKEY_CLASSES_ROOT, kClassKey + "\\InprocServer32", nullptr), path);
    EXPECT_EQ(ReadRegistryText(HKEY_CLASSES_ROOT, kClassKey + "\\ProgId", nullptr),
              "LuneaSyncAgent");
    EXPECT_EQ(ReadRegistryText(HKEY_CLASSES_ROOT, kProgId, nullptr), "LuneaProvider");
    EXPECT_EQ(ReadRegistryText(HKEY_CLASSES_ROOT, kProgId, "Display Name"), "Lunea Store");
    EXPECT_EQ(ReadRegistryText(HKEY_CLASSES_ROOT, std::string(kProgId) + "\\CLSID", nullptr),
              "{61D7D1E5-4AE1-4c5c-8DC0-CC56AF0175D9}");
    EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, kTypeKey, nullptr), "Lunea Object");
    EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, kTypeKey, "Display Name"), "Lunea");
    EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, kTypeKey, "Plural Name"), "Lunea Items");
    EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, kTypeKey, "Store"), "LuneaSyncAgent");
    EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, kTypeKey, "DefaultIcon"), path + ", -101");
    // No threading model: the class lives in the host's main apartment.
    EXPECT_EQ(ReadRegistryText(HKEY_CLASSES_ROOT, kClassKey, nullptr), std::nullopt);
    EXPECT_EQ(ReadRegistryText(HKEY_CLASSES_ROOT, kClassKey + "\\InprocServer32", "ThreadingModel"),
              std::nullopt);
    // COM itself resolves the ProgID to the class.
    CLSID classId = {};
    ASSERT_EQ(CLSIDFromProgID(L"LuneaSyncAgent", &classId), S_OK);
    wchar_t text[64] = {};
    StringFromGUID2(classId, text, 64);
    EXPECT_STREQ(text, L"{61D7D1E5-4AE1-4C5C-8DC0-CC56AF0175D9}");
}

TEST_F(ProviderRegistration, WithoutTheObjectsKeyFailsButKeepsTheComKeys) {
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, kObjectTypesKey);
    EXPECT_EQ(module_.Register(), static_cast<HRESULT>(0x80070002));
    EXPECT_EQ(ReadRegistryText(HKEY_CLASSES_ROOT, kClassKey + "\\InprocServer32", nullptr),
              ProviderPath());
    EXPECT_EQ(ReadRegistryText(HKEY_CLASSES_ROOT, kProgId, "Display Name"), "Lunea Store");
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kObjectTypesKey));
}

TEST_F(ProviderRegistration, UnregistrationRemovesEverythingOnceThenFails) {
    ASSERT_EQ(module_.Register(), S_OK);
    EXPECT_EQ(module_.Unregister(), S_OK);
    EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, kClassKey));
    EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, kProgId));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kTypeKey));
    EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kObjectTypesKey));
    EXPECT_EQ(module_.Unregister(), static_cast<HRESULT>(0x80070002));
}

TEST_F(ProviderRegistration, ModuleStaysLoadedWhileLockedOrWhileAStoreLives) {
    const CLSID anyClass = {0x12345678, 0x1, 0x2, {1, 2, 3, 4, 5, 6, 7, 8}};
    win::ComRef<IClassFactory> factory;
    ASSERT_EQ(module_.GetClassObject(anyClass, IID_IClassFactory,
                                     reinterpret_cast<void**>(factory.Put())),
              S_OK);
    EXPECT_EQ(module_.CanUnloadNow(), S_OK) << "a held factory does not count";

    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(module_.CanUnloadNow(), S_FALSE);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(module_.CanUnloadNow(), S_OK);

    win::ComRef<IReplStore> store;
    ASSERT_EQ(
        factory->CreateInstance(nullptr, IID_IReplStore, reinterpret_cast<void**>(store.Put())),
        S_OK);
    EXPECT_EQ(module_.CanUnloadNow(), S_FALSE);
    store.Reset();
    EXPECT_EQ(module_.CanUnloadNow(), S_OK);

    // A refused interface ends the new store at once.
    void* refused = &refused;
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IReplStore2, &refused), E_NOINTERFACE);
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(module_.CanUnloadNow(), S_OK);
}

TEST_F(ProviderRegistration, FactoryRefusesBadArgumentsAndOtherInterfaces) {
    EXPECT_EQ(module_.GetClassObject(CLSID_NULL, IID_IClassFactory, nullptr), E_INVALIDARG);
    void* object = &object;
    EXPECT_EQ(module_.GetClassObject(CLSID_NULL, IID_IReplStore, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);

    win::ComRef<IClassFactory> factory;
    ASSERT_EQ(
        module_.GetClassObject(CLSID_NULL, IID_IUnknown, reinterpret_cast<void**>(factory.Put())),
        S_OK);
    EXPECT_EQ(factory->QueryInterface(IID_IClassFactory, nullptr), E_INVALIDARG);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IReplStore, nullptr), E_INVALIDARG);
    object = &object;
    EXPECT_EQ(factory->CreateInstance(factory.Get(), IID_IUnknown, &object), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(factory->AddRef(), 2u);
    EXPECT_EQ(factory->Release(), 1u);
}

} // namespace
} // namespace lunea::test
