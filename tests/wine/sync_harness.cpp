#include "tests/wine/sync_harness.h"

#include "common/data_file_layout.h"
#include "provider/provider_names_win.h"
#include "tests/synchost/host_files.h"
#include "tests/wine/program_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace lunea::test {

using win::UniqueRegKey;

std::string ProviderPath() {
    return BinaryFolder() + "LuneaProvider.dll";
}

std::optional<std::string> ReadRegistryText(HKEY root, const std::string& key,
                                            const char* valueName) {
    UniqueRegKey opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, opened.Put()) != ERROR_SUCCESS)
        return std::nullopt;
    char text[1024] = {};
    DWORD size = sizeof text - 1;
    DWORD type = 0;
    if (RegQueryValueExA(opened.Get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(text),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    return std::string(text);
}

bool RegistryKeyExists(HKEY root, const std::string& key) {
    UniqueRegKey opened;
    return RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, opened.Put()) == ERROR_SUCCESS;
}

void DeleteRegistryTree(HKEY root, const std::string& key) {
    const LONG error = RegDeleteTreeA(root, key.c_str());
    if (error == ERROR_SUCCESS)
        RegDeleteKeyA(root, key.c_str());
    else if (error != ERROR_FILE_NOT_FOUND)
        ADD_FAILURE() << "cannot delete registry key " << key << ": error " << error;
}

UniqueRegKey CreateRegistryKey(HKEY root, const std::string& key) {
    UniqueRegKey created;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, created.Put(),
                        nullptr) != ERROR_SUCCESS)
        ADD_FAILURE() << "cannot create registry key " << key;
    return created;
}

void ResetProviderRegistration() {
    DeleteRegistryTree(HKEY_CLASSES_ROOT, std::string("CLSID\\") + provider::kClassIdText);
    DeleteRegistryTree(HKEY_CLASSES_ROOT, provider::kProgId);
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, std::string(provider::kObjectTypesKey) + "\\Lunea");
}

void EnsureObjectTypesKey() {
    CreateRegistryKey(HKEY_LOCAL_MACHINE, provider::kObjectTypesKey);
}

void SetPartnershipValue(const std::string& partnerId, DWORD type, const void* data, DWORD size) {
    const std::string key = synchost::PartnershipKeyPath(partnerId);
    DeleteRegistryTree(HKEY_CURRENT_USER, key);
    const UniqueRegKey created = CreateRegistryKey(HKEY_CURRENT_USER, key);
    if (RegSetValueExA(created.Get(), "DataFolder", 0, type, static_cast<const BYTE*>(data),
                       size) != ERROR_SUCCESS)
        ADD_FAILURE() << "cannot set DataFolder of " << key;
}

ScratchFolder::ScratchFolder() {
    static int counter = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "lunea-sync-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter) + "\\";
    if (!CreateDirectoryA(path_.c_str(), nullptr))
        ADD_FAILURE() << "cannot create " << path_;
}

ScratchFolder::~ScratchFolder() {
    for (const std::string& name : FileNames())
        DeleteFileA(File(name.c_str()).c_str());
    RemoveDirectoryA(path_.c_str());
}

std::vector<std::string> ScratchFolder::FileNames() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

namespace {

void HandlePendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

} // namespace

win::UniqueHandle StartSyncHost(const std::vector<std::string>& arguments) {
    std::string commandLine = "\"" + BinaryFolder() + "LuneaSyncHost.exe\"";
    for (const std::string& argument : arguments)
        commandLine += " \"" + argument + "\"";
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return {};
    win::UniqueHandle thread(info.hThread);
    return win::UniqueHandle(info.hProcess);
}

bool WaitHandlingMessages(HANDLE process, DWORD timeoutMs) {
    // The host sends the save message to windows of this thread and waits.
    while (MsgWaitForMultipleObjects(1, &process, FALSE, timeoutMs, QS_ALLINPUT) ==
           WAIT_OBJECT_0 + 1)
        HandlePendingMessages();
    HandlePendingMessages();
    return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
}

int RunSyncHost(const std::vector<std::string>& arguments) {
    const win::UniqueHandle process = StartSyncHost(arguments);
    DWORD exitCode = 0;
    if (!process || !WaitHandlingMessages(process.Get(), 60000) ||
        !GetExitCodeProcess(process.Get(), &exitCode))
        return -1;
    return static_cast<int>(exitCode);
}

std::vector<std::uint8_t> DesktopRecord(std::int32_t serial, std::uint8_t flag, std::uint8_t status,
                                        double temperature, const std::string& note) {
    using namespace datafile;
    std::vector<std::uint8_t> record(kRecordSize, 0);
    WriteU16(&record[kDateOffset], static_cast<std::uint16_t>(serial));
    record[kFlagOffset] = flag;
    record[kStatusOffset] = status;
    WriteDouble(&record[kTemperatureOffset], temperature);
    record[kNoteLengthOffset] = static_cast<std::uint8_t>(note.size());
    std::memcpy(&record[kNoteTextOffset], note.data(), note.size());
    return record;
}

std::vector<std::uint8_t> Concatenate(const std::vector<std::vector<std::uint8_t>>& parts) {
    std::vector<std::uint8_t> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

DayFields DecodeDesktopRecord(const std::uint8_t* record) {
    using namespace datafile;
    DayFields day;
    day.serial = ReadU16(record + kDateOffset);
    day.flag = record[kFlagOffset];
    day.status = record[kStatusOffset];
    day.temperature = ReadDouble(record + kTemperatureOffset);
    day.note.assign(reinterpret_cast<const char*>(record + kNoteTextOffset),
                    record[kNoteLengthOffset]);
    return day;
}

std::uint32_t DeviceDay(std::int32_t serial) {
    return static_cast<std::uint32_t>(serial - 1462);
}

provider::DeviceRecordBytes DeviceRecord(std::uint32_t dayNumber, std::uint8_t status,
                                         float temperature, const char* note) {
    provider::DeviceDayRecord record;
    record.DayNumber = dayNumber;
    record.Status = status;
    record.Temperature = temperature;
    std::memcpy(record.Note.data(), note, std::min(std::strlen(note), record.Note.size()));
    return provider::EncodeDeviceDayRecord(record);
}

std::vector<std::uint8_t> DevicePacketOf(const std::vector<provider::DeviceRecordBytes>& records,
                                         std::uint16_t headerWord) {
    std::vector<std::uint8_t> packet(130, 0);
    datafile::WriteU16(packet.data(), headerWord);
    for (const auto& record : records)
        packet.insert(packet.end(), record.begin(), record.end());
    return packet;
}

} // namespace lunea::test
