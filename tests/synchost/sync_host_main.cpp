// LuneaSyncHost: a stand-in for the sync service manager, for tests and for
// trying a synchronisation by hand. See Usage() for the options.
#include "common/unique_win.h"
#include "provider/provider_names_win.h"
#include "provider/sync_host_abi_win.h"
#include "tests/synchost/host_files.h"
#include "tests/synchost/host_notify.h"
#include "tests/synchost/host_options.h"

#include <cstdio>
#include <cstring>

namespace lunea::synchost {
namespace {

using win::ComRef;
using win::UniqueRegKey;

enum ExitCode {
    kDone = 0,
    kUsage = 2,
    kSetupFailed = 3,
    kRegistrationFailed = 4,
    kCreationFailed = 5,
    kStoreFailed = 6,
    kNotifyLeaked = 7
};

std::string HostFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full(path, length);
    return full.substr(0, full.find_last_of('\\') + 1);
}

// A real installation of the service manager owns this key; the provider
// only adds its object type to it.
bool EnsureObjectTypesKey() {
    UniqueRegKey key;
    return RegCreateKeyExA(HKEY_LOCAL_MACHINE, provider::kObjectTypesKey, 0, nullptr, 0,
                           KEY_ALL_ACCESS, nullptr, key.Put(), nullptr) == ERROR_SUCCESS;
}

bool WriteDataFolder(const HostOptions& options) {
    UniqueRegKey key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, PartnershipKeyPath(options.partnerId).c_str(), 0,
                        nullptr, 0, KEY_ALL_ACCESS, nullptr, key.Put(), nullptr) != ERROR_SUCCESS)
        return false;
    const std::string& folder = *options.dataFolder;
    return RegSetValueExA(key.Get(), "DataFolder", 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(folder.c_str()),
                          static_cast<DWORD>(folder.size() + 1)) == ERROR_SUCCESS;
}

HRESULT RegisterProvider(const std::string& path) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (!module)
        return HRESULT_FROM_WIN32(GetLastError());
    using EntryPoint = HRESULT(STDAPICALLTYPE*)();
    auto registerServer = reinterpret_cast<EntryPoint>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, "DllRegisterServer")));
    const HRESULT result = registerServer ? registerServer() : HRESULT_FROM_WIN32(GetLastError());
    FreeLibrary(module);
    return result;
}

ComRef<IReplStore> CreateStore() {
    CLSID classId = {};
    ComRef<IReplStore> store;
    if (FAILED(CLSIDFromProgID(L"LuneaSyncAgent", &classId)))
        return store;
    CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IReplStore,
                     reinterpret_cast<void**>(store.Put()));
    return store;
}

// One synchronisation as the service manager runs it for the object type.
ExitCode Synchronise(IReplStore& store, HostNotify& notify) {
    if (FAILED(store.Initialize(&notify, 0)))
        return kStoreFailed;
    HREPLFLD folder = nullptr;
    ComRef<IUnknown> handler;
    if (FAILED(store.GetFolderInfo(provider::kObjectTypeName, &folder, handler.Put())))
        return kStoreFailed;
    const HRESULT checked = store.ReportStatus(folder, nullptr, RSC_BEGIN_CHECK, 0);
    const HRESULT released = store.ReportStatus(folder, nullptr, RSC_RELEASE, 0);
    store.FreeObject(folder);
    return checked == S_OK && released == S_OK ? kDone : kStoreFailed;
}

int Run(const HostOptions& options) {
    if (!EnsureObjectTypesKey() || (options.dataFolder && !WriteDataFolder(options))) {
        std::fprintf(stderr, "cannot prepare the registry keys\n");
        return kSetupFailed;
    }
    if (options.registerProvider) {
        const HRESULT registered = RegisterProvider(options.providerPath);
        if (FAILED(registered)) {
            std::fprintf(stderr, "registering %s failed: 0x%08lX\n", options.providerPath.c_str(),
                         static_cast<unsigned long>(registered));
            return kRegistrationFailed;
        }
    }
    if (FAILED(CoInitialize(nullptr)))
        return kSetupFailed;
    HostNotify notify(options);
    ExitCode result = kCreationFailed;
    if (ComRef<IReplStore> store = CreateStore()) {
        result = Synchronise(*store.Get(), notify);
        store.Reset();
        if (result == kDone && notify.ForeignReferences() != 0)
            result = kNotifyLeaked;
    }
    CoUninitialize();
    return result;
}

} // namespace
} // namespace lunea::synchost

int main(int argc, char** argv) {
    using namespace lunea::synchost;
    const auto options = ParseHostOptions(argc, argv, HostFolder());
    if (!options) {
        std::fputs(Usage(), stderr);
        return kUsage;
    }
    return Run(*options);
}
