#pragma once
// What the provider's whole-program tests share: the registry as the provider
// and the sync host use it, a scratch data folder, the stand-in sync host as a
// process, and record builders.
#include "common/unique_win.h"
#include "provider/device_day_record.h"
#include "tests/wine/test_files.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lunea::test {

std::string ProviderPath();

// Registry, always through Win32 calls (Wine writes its files lazily). A
// failing change fails the running test.
std::optional<std::string> ReadRegistryText(HKEY root, const std::string& key,
                                            const char* valueName);
bool RegistryKeyExists(HKEY root, const std::string& key);
void DeleteRegistryTree(HKEY root, const std::string& key);
win::UniqueRegKey CreateRegistryKey(HKEY root, const std::string& key);
// Removes everything registration writes; the "Objects" key is left as it is.
void ResetProviderRegistration();
void EnsureObjectTypesKey();
void SetPartnershipValue(const std::string& partnerId, DWORD type, const void* data, DWORD size);

// A fresh folder under the temporary folder, removed with its files.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; } // ends with a backslash
    std::string File(const char* name) const { return path_ + name; }
    std::vector<std::string> FileNames() const;

  private:
    std::string path_;
};

// Starts LuneaSyncHost.exe with the arguments; no handle when it cannot start.
win::UniqueHandle StartSyncHost(const std::vector<std::string>& arguments);
// Waits for a process, handling this thread's window messages meanwhile;
// false on time-out.
bool WaitHandlingMessages(HANDLE process, DWORD timeoutMs);
// Runs LuneaSyncHost.exe with the arguments and waits for it as above; the
// exit code, or -1 when it could not start.
int RunSyncHost(const std::vector<std::string>& arguments);

// One data-file record with the fields the exchange reads and writes.
struct DayFields {
    std::int32_t serial = 0;
    std::uint8_t flag = 0;
    std::uint8_t status = 0;
    double temperature = 0.0;
    std::string note;
};
std::vector<std::uint8_t> DesktopRecord(std::int32_t serial, std::uint8_t flag, std::uint8_t status,
                                        double temperature = 0.0, const std::string& note = {});
std::vector<std::uint8_t> Concatenate(const std::vector<std::vector<std::uint8_t>>& parts);
DayFields DecodeDesktopRecord(const std::uint8_t* record);

// The device day number of a data-file date serial.
std::uint32_t DeviceDay(std::int32_t serial);
provider::DeviceRecordBytes DeviceRecord(std::uint32_t dayNumber, std::uint8_t status,
                                         float temperature = 0.0f, const char* note = "");
// A DevicePacket: the header word, 128 header bytes, the records.
std::vector<std::uint8_t> DevicePacketOf(const std::vector<provider::DeviceRecordBytes>& records,
                                         std::uint16_t headerWord = 1133);

} // namespace lunea::test
