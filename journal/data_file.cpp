#include "journal/data_file.h"

#include "common/replace_file.h"
#include "journal/save_fallbacks.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace lunea {

Journal::Journal(FileSystem& files, UserPrompts& prompts) : files_(files), prompts_(prompts) {}

void Journal::LoadData(const std::string& fileName) {
    heldAside_.clear();
    std::string error;
    switch (RefillFrom(fileName, error)) {
    case LoadOutcome::NotFound:
        // Nothing there to protect: the first save creates the file.
        unread_.erase(fileName);
        break;
    case LoadOutcome::NotOpened:
        // Locked, read-only or a directory: stay silent, but never let a save
        // replace a journal we could not see.
        unread_.insert(fileName);
        break;
    case LoadOutcome::ReadFailed:
        unread_.insert(fileName);
        prompts_.ReportError(error);
        break;
    case LoadOutcome::Read:
        unread_.erase(fileName);
        break;
    }
    loaded_[fileName] = EncodeAll();
}

Journal::LoadOutcome Journal::RefillFrom(const std::string& fileName, std::string& error) {
    DayTable::Refill refill(days_);
    std::unique_ptr<OpenFile> file;
    switch (files_.OpenExisting(fileName, file)) {
    case OpenStatus::NotFound:
        return LoadOutcome::NotFound;
    case OpenStatus::Failed:
        return LoadOutcome::NotOpened;
    case OpenStatus::Opened:
        break;
    }
    if (!ReadRecords(*file, refill) || !file->Close()) {
        error = files_.LastErrorText();
        return LoadOutcome::ReadFailed;
    }
    return LoadOutcome::Read;
}

bool Journal::ReadRecords(OpenFile& file, DayTable::Refill& refill) {
    for (;;) {
        // Straight into the table: a hostile file of any length is read a
        // room at a time, and a real one is copied only by the read itself.
        std::uint8_t* const room = refill.Room();
        std::size_t got = 0;
        const bool readOk = file.Read(room, refill.RoomBytes(), got);
        // A trailing remainder shorter than a record is ignored.
        refill.AdoptRoom(
            got / datafile::kRecordSize,
            [](const std::uint8_t* raw) { return datafile::ReadU16(raw + datafile::kDateOffset); },
            [](TDayRecord& day) {
                DecodeDayRecord(reinterpret_cast<const std::uint8_t*>(&day), day);
            },
            [this](const std::uint8_t* raw, std::int32_t serial) {
                if (serial == 0)
                    return; // an unused record
                EncodedRecord kept;
                std::memcpy(kept.data(), raw, kept.size());
                heldAside_.push_back(kept);
            });
        // What was read before an error stays in the table.
        if (!readOk)
            return false;
        if (got < refill.RoomBytes())
            return true;
    }
}

namespace {

// visit(day, serial) for every recorded day of the table, in date order.
template <class Visit> void ForEachRecordedDay(const DayTable& days, Visit visit) {
    for (int year = DayTable::FirstYear; year <= DayTable::LastYear; ++year)
        for (int month = 1; month <= 12; ++month) {
            if (days.MonthStamp(DayTable::MonthIndex(year, month)) == 0)
                continue; // an empty month
            for (int day = 1; day <= DaysInMonth(year, month); ++day) {
                const TDayRecord& slot = days.At(year, month, day);
                if (DayHasData(slot))
                    visit(slot, static_cast<std::uint16_t>(DateToSerial({year, month, day})));
            }
        }
}

std::string NotSavedNotice(const std::string& failure) {
    return "Your journal could not be saved (" + failure + ").\nYour entries are kept in ";
}

} // namespace

std::vector<std::uint8_t> Journal::EncodeAll() const {
    // Sized once: growing megabytes record by record took far longer than
    // writing them, each new page being faulted in twice.
    std::size_t recorded = 0;
    ForEachRecordedDay(days_, [&recorded](const TDayRecord&, std::uint16_t) { ++recorded; });
    std::vector<std::uint8_t> bytes((recorded + heldAside_.size()) * datafile::kRecordSize);
    std::uint8_t* out = bytes.data();
    ForEachRecordedDay(days_, [&out](const TDayRecord& day, std::uint16_t serial) {
        EncodeDayRecord(day, serial, out);
        out += datafile::kRecordSize;
    });
    for (const EncodedRecord& kept : heldAside_)
        out = std::copy(kept.begin(), kept.end(), out);
    return bytes;
}

void Journal::SaveData(const std::string& fileName) {
    const std::vector<std::uint8_t> bytes = EncodeAll();
    const auto loaded = loaded_.find(fileName);
    // Edited since this file's load; a file never loaded here is no journal
    // of this session.
    const bool edited = loaded != loaded_.end() && bytes != loaded->second;
    if (unread_.count(fileName) != 0) {
        if (edited)
            KeepInRecoveryFile(fileName, bytes,
                               "Your journal could not be read, so it was left as it was. The "
                               "entries of this session are kept in ");
        return;
    }
    // An existing entry we may not write (made read-only or locked since it
    // was read) is left as it is; only edits need a place.
    if (!MayReplace(files_, fileName)) {
        const std::string failure = files_.LastErrorText();
        if (edited)
            KeepInRecoveryFile(fileName, bytes, NotSavedNotice(failure));
        return;
    }
    std::string failure;
    if (WriteJournal(files_, fileName, bytes, failure) != JournalWrite::Failed) {
        loaded_[fileName] = bytes;
        if (const auto recovery = recoveryPaths_.find(fileName); recovery != recoveryPaths_.end())
            toldRecoveries_.erase(recovery->second);
        return;
    }
    // No journal there and nothing recorded (a device user whose folder does
    // not exist yet): nothing was lost.
    std::unique_ptr<OpenFile> existing;
    if (bytes.empty() && files_.OpenExisting(fileName, existing) == OpenStatus::NotFound)
        return;
    KeepInRecoveryFile(fileName, bytes, NotSavedNotice(failure));
}

void Journal::KeepInRecoveryFile(const std::string& fileName,
                                 const std::vector<std::uint8_t>& bytes,
                                 const std::string& notice) {
    auto [recovery, fresh] = recoveryPaths_.try_emplace(fileName);
    if (fresh)
        recovery->second = FreeRecoveryPath(files_, fileName);
    ReplaceResult kept = WriteFileReplacing(files_, recovery->second, bytes);
    const std::string spare = spareFolder_ + fileName.substr(fileName.find_last_of("/\\") + 1);
    if (!kept.replaced && !spareFolder_.empty() && recovery->second.starts_with(fileName) &&
        spare != fileName) {
        // The journal's folder takes no file (one that does not exist): the
        // spare folder does.
        recovery->second = FreeRecoveryPath(files_, spare);
        kept = WriteFileReplacing(files_, recovery->second, bytes);
    }
    const std::string& path = recovery->second;
    if (!kept.replaced)
        AddNotice("Your entries could not be saved: " +
                  kept.failureText.value_or(files_.LastErrorText()));
    else if (toldRecoveries_.insert(path).second)
        AddNotice(notice + path + ".");
}

void Journal::AddNotice(const std::string& text) {
    if (std::find(notices_.begin(), notices_.end(), text) == notices_.end())
        notices_.push_back(text);
}

void Journal::TellSaveProblems() {
    for (const std::string& notice : std::exchange(notices_, std::vector<std::string>()))
        prompts_.ReportError(notice);
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
