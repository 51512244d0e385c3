#include "tests/wine/sync_exchange_fixture.h"

#include "common/data_file_layout.h"
#include "tests/synchost/host_files.h"

namespace lunea::test {

void SyncExchange::SetUp() {
    ResetProviderRegistration();
    EnsureObjectTypesKey();
    // The folder as a person would type it: without the trailing backslash.
    UseDataFolderValue(data_.Path().substr(0, data_.Path().size() - 1));
}

void SyncExchange::TearDown() {
    DeleteRegistryTree(HKEY_CURRENT_USER, synchost::PartnershipKeyPath(kPartner));
    ResetProviderRegistration();
}

void SyncExchange::UseDataFolderValue(const std::string& value) {
    SetPartnershipValue(kPartner, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

int SyncExchange::Synchronise(const std::vector<std::uint8_t>& packet,
                              std::vector<std::string> extraArguments) {
    DeleteFileA(io_.File("received.bin").c_str());
    WriteFileBytes(io_.File("packet.bin"), packet);
    std::vector<std::string> arguments = {"--partner",  kPartner,
                                          "--packet",   io_.File("packet.bin"),
                                          "--received", io_.File("received.bin"),
                                          "--log",      io_.File("log.txt")};
    arguments.insert(arguments.end(), extraArguments.begin(), extraArguments.end());
    return RunSyncHost(arguments);
}

std::string SyncExchange::Log() const {
    const auto bytes = ReadFileBytes(io_.File("log.txt"));
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

std::vector<DayFields> SyncExchange::FileRecords() const {
    std::vector<DayFields> records;
    const auto bytes = ReadFileBytes(DataFile());
    if (!bytes)
        return records;
    for (std::size_t at = 0; at + datafile::kRecordSize <= bytes->size();
         at += datafile::kRecordSize)
        records.push_back(DecodeDesktopRecord(bytes->data() + at));
    return records;
}

} // namespace lunea::test
