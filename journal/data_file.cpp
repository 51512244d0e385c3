#include "journal/data_file.h"

#include "common/replace_file.h"

#include <cstring>

namespace lunea {

namespace {

constexpr std::size_t kRecordsPerRead = 1024;

} // namespace

Journal::Journal(FileSystem& files, UserPrompts& prompts) : files_(files), prompts_(prompts) {}

void Journal::LoadData(const std::string& fileName) {
    days_.ClearAll();
    heldAside_.clear();
    std::unique_ptr<OpenFile> file;
    switch (files_.OpenExisting(fileName, file)) {
    case OpenStatus::NotFound:
        // Nothing there to protect: the first save creates the file.
        unread_.erase(fileName);
        return;
    case OpenStatus::Failed:
        // Locked, read-only or a directory: stay silent, but never let a save
        // replace a journal we could not see.
        unread_.insert(fileName);
        return;
    case OpenStatus::Opened:
        break;
    }
    if (!ReadRecords(*file) || !file->Close()) {
        const std::string error = files_.LastErrorText();
        unread_.insert(fileName);
        prompts_.ReportIoError(error);
        return;
    }
    unread_.erase(fileName);
}

bool Journal::ReadRecords(OpenFile& file) {
    std::vector<std::uint8_t> buffer(kRecordsPerRead * datafile::kRecordSize);
    for (;;) {
        std::size_t got = 0;
        const bool readOk = file.Read(buffer.data(), buffer.size(), got);
        // A trailing remainder shorter than a record is ignored.
        for (std::size_t offset = 0; offset + datafile::kRecordSize <= got;
             offset += datafile::kRecordSize) {
            const std::uint8_t* raw = buffer.data() + offset;
            const std::uint16_t serial = datafile::ReadU16(raw + datafile::kDateOffset);
            if (serial == 0)
                continue;
            if (TDayRecord* slot = days_.AtSerial(serial)) {
                // A later record of the same date replaces the earlier one whole.
                DecodeDayRecord(raw, *slot);
            } else {
                EncodedRecord kept;
                std::memcpy(kept.data(), raw, kept.size());
                heldAside_.push_back(kept);
            }
        }
        // What was read before an error stays in the table.
        if (!readOk)
            return false;
        if (got < buffer.size())
            return true;
    }
}

std::vector<std::uint8_t> Journal::EncodeAll() const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve((DayTable::SlotCount + heldAside_.size()) * datafile::kRecordSize);
    EncodedRecord record;
    for (int year = DayTable::FirstYear; year <= DayTable::LastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= DaysInMonth(year, month); ++day) {
                const TDayRecord& slot = days_.At(year, month, day);
                if (!DayHasData(slot))
                    continue;
                const auto serial = static_cast<std::uint16_t>(DateToSerial({year, month, day}));
                EncodeDayRecord(slot, serial, record.data());
                bytes.insert(bytes.end(), record.begin(), record.end());
            }
    for (const EncodedRecord& kept : heldAside_)
        bytes.insert(bytes.end(), kept.begin(), kept.end());
    return bytes;
}

void Journal::SaveData(const std::string& fileName) {
    // An existing entry we may not write is left exactly as it is, without a
    // word.
    if (IsUnread(fileName) || !MayReplace(files_, fileName))
        return;
    const ReplaceResult result = WriteFileReplacing(files_, fileName, EncodeAll());
    if (result.failureText)
        prompts_.ReportIoError(*result.failureText);
}

std::optional<std::string> Journal::WriteTableTo(const std::string& fileName) {
    if (!MayReplace(files_, fileName))
        return files_.LastErrorText();
    const ReplaceResult result = WriteFileReplacing(files_, fileName, EncodeAll());
    if (result.replaced)
        return std::nullopt;
    return result.failureText ? *result.failureText : files_.LastErrorText();
}

void Journal::ClearDatabase() {
    if (!prompts_.AskYesNo("Clear entire database? Are you sure?"))
        return;
    days_.ClearYears(DayTable::FirstYear, DayTable::LastYear);
    heldAside_.clear();
    prompts_.Inform("Database is empty!");
}

} // namespace lunea
