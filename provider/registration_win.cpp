#include "provider/registration_win.h"

#include "common/unique_win.h"
#include "provider/hresult_win.h"
#include "provider/module_state_win.h"
#include "provider/provider_names_win.h"
#include "provider/resource_ids_win.h"

#include <cstdio>
#include <cstring>

namespace lunea::provider {
namespace {

using win::UniqueRegKey;

LONG OpenFullAccess(HKEY parent, const char* name, UniqueRegKey& key) {
    return RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, key.Put());
}

LONG CreateKey(HKEY parent, const char* name, UniqueRegKey& key) {
    char emptyClass[] = "";
    return RegCreateKeyExA(parent, name, 0, emptyClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                           nullptr, key.Put(), nullptr);
}

// REG_SZ with the terminating NUL counted; a null name is the default value.
LONG SetText(HKEY key, const char* name, const char* text) {
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(std::strlen(text) + 1));
}

LONG CreateKeyWithDefault(HKEY parent, const char* name, const char* text) {
    UniqueRegKey key;
    if (LONG error = CreateKey(parent, name, key))
        return error;
    return SetText(key.Get(), nullptr, text);
}

// The module's full path (up to 261 characters), or the thread's last error.
LONG GetModulePath(char (&path)[MAX_PATH + 2]) {
    const DWORD length = GetModuleFileNameA(Module().instance, path, MAX_PATH + 1);
    if (length == 0)
        return static_cast<LONG>(GetLastError());
    path[length] = '\0';
    return ERROR_SUCCESS;
}

LONG WriteClassKeys() {
    UniqueRegKey classes;
    if (LONG error = OpenFullAccess(HKEY_CLASSES_ROOT, "CLSID", classes))
        return error;
    UniqueRegKey classKey;
    if (LONG error = CreateKey(classes.Get(), kClassIdText, classKey))
        return error;
    char modulePath[MAX_PATH + 2];
    if (LONG error = GetModulePath(modulePath))
        return error;
    if (LONG error = CreateKeyWithDefault(classKey.Get(), "InprocServer32", modulePath))
        return error;
    return CreateKeyWithDefault(classKey.Get(), "ProgId", kProgId);
}

LONG WriteProgIdKeys() {
    UniqueRegKey progId;
    if (LONG error = CreateKey(HKEY_CLASSES_ROOT, kProgId, progId))
        return error;
    if (LONG error = CreateKeyWithDefault(progId.Get(), "CLSID", kClassIdText))
        return error;
    if (LONG error = SetText(progId.Get(), nullptr, "LuneaProvider"))
        return error;
    return SetText(progId.Get(), "Display Name", "Lunea Store");
}

LONG WriteObjectTypeKey() {
    UniqueRegKey objectTypes;
    if (LONG error = OpenFullAccess(HKEY_LOCAL_MACHINE, kObjectTypesKey, objectTypes))
        return error;
    UniqueRegKey type;
    if (LONG error = CreateKey(objectTypes.Get(), kObjectTypeName, type))
        return error;
    char modulePath[MAX_PATH + 2];
    if (LONG error = GetModulePath(modulePath))
        return error;
    char defaultIcon[MAX_PATH + 16];
    std::snprintf(defaultIcon, sizeof defaultIcon, "%s, -%d", modulePath, IDI_LUNEA_SYNC);
    const char* const values[][2] = {{nullptr, "Lunea Object"},
                                     {"Display Name", "Lunea"},
                                     {"Plural Name", "Lunea Items"},
                                     {"Store", kProgId},
                                     {"DefaultIcon", defaultIcon}};
    for (const auto& [name, text] : values) {
        if (LONG error = SetText(type.Get(), name, text))
            return error;
    }
    return ERROR_SUCCESS;
}

LONG DeleteClassKeys() {
    UniqueRegKey classes;
    if (LONG error = OpenFullAccess(HKEY_CLASSES_ROOT, "CLSID", classes))
        return error;
    UniqueRegKey classKey;
    if (LONG error = OpenFullAccess(classes.Get(), kClassIdText, classKey))
        return error;
    // A key with subkeys cannot be deleted: empty the class key first.
    for (;;) {
        char name[260];
        char keyClass[260];
        DWORD nameLength = sizeof name;
        DWORD classLength = sizeof keyClass;
        if (RegEnumKeyExA(classKey.Get(), 0, name, &nameLength, nullptr, keyClass, &classLength,
                          nullptr) != ERROR_SUCCESS)
            break;
        if (RegDeleteKeyA(classKey.Get(), name) != ERROR_SUCCESS)
            break;
    }
    classKey.Reset();
    const LONG error = RegDeleteKeyA(classes.Get(), kClassIdText);
    return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
}

LONG DeleteProgIdKeys() {
    UniqueRegKey progId;
    if (LONG error = OpenFullAccess(HKEY_CLASSES_ROOT, kProgId, progId))
        return error;
    if (LONG error = RegDeleteKeyA(progId.Get(), "CLSID"))
        return error;
    progId.Reset();
    return RegDeleteKeyA(HKEY_CLASSES_ROOT, kProgId);
}

LONG DeleteObjectTypeKey() {
    UniqueRegKey objectTypes;
    if (LONG error = OpenFullAccess(HKEY_LOCAL_MACHINE, kObjectTypesKey, objectTypes))
        return error;
    return RegDeleteKeyA(objectTypes.Get(), kObjectTypeName);
}

template <class... Steps> HRESULT RunInOrder(Steps... steps) {
    LONG error = ERROR_SUCCESS;
    ((error = error ? error : steps()), ...);
    return HresultFromWin32(error);
}

} // namespace

HRESULT RegisterServer() {
    return RunInOrder(WriteClassKeys, WriteProgIdKeys, WriteObjectTypeKey);
}

HRESULT UnregisterServer() {
    return RunInOrder(DeleteClassKeys, DeleteProgIdKeys, DeleteObjectTypeKey);
}

} // namespace lunea::provider
