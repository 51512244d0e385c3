#include "journal/day_table.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>

namespace lunea {

void TDayNote::Assign(std::string_view text) {
    const std::size_t length = std::min(text.size(), Capacity);
    std::copy_n(text.data(), length, Chars.data());
    Length = static_cast<std::uint8_t>(length);
}

void ClearDayRecord(TDayRecord& record) {
    record.Flag = 0;
    record.Status = 0;
    record.Appointment = 0;
    record.Temperature = 0.0;
    record.PMS = 0;
    record.Sex = 0;
    record.Cramping = 0;
    record.Secrets = 0;
    record.Protect = 0;
    record.Note.Length = 0;
}

bool DayHasData(const TDayRecord& record) {
    // Secrets and Protect count by themselves: the provider clears every Flag
    // it writes, and a day kept only by its Flag would be dropped at the
    // save after the next synchronisation while the handheld keeps it.
    return record.Status != 0 || record.Appointment != 0 || record.Temperature > 1.0 ||
           record.PMS != 0 || record.Sex != 0 || record.Cramping != 0 || record.Secrets != 0 ||
           record.Protect != 0 || record.Note.Length != 0 || record.Flag != 0;
}

namespace {

std::uint64_t NewIdentity() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

} // namespace

DayTable::UniqueIdentity::UniqueIdentity() : value(NewIdentity()) {}

DayTable::UniqueIdentity& DayTable::UniqueIdentity::operator=(const UniqueIdentity&) {
    value = NewIdentity();
    return *this;
}

const std::int32_t DayTable::firstSerial_ = DateToSerial({FirstYear, 1, 1});

// Slot indices of the table's days by serial, laid out at compile time:
// converting serials to dates is the costly part of a lookup.
constinit const DayTable::SlotsBySerial DayTable::slotsBySerial_ = [] {
    SlotsBySerial bySerial{};
    std::size_t serial = 0;
    for (int year = FirstYear; year <= LastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= DaysInMonth(year, month); ++day)
                bySerial[serial++] =
                    static_cast<std::uint16_t>(MonthIndex(year, month) * 31 + day - 1);
    return bySerial;
}();

const TDayRecord DayTable::kEmptyDay{};

DayTable::DayTable() : records_(kCapacity), positions_(SlotCount), monthStamps_(MonthCount) {}

TDayRecord& DayTable::Written(std::size_t slot) {
    std::uint16_t& position = positions_[slot];
    if (position == 0) {
        // Never more records than slots, so the room always fits behind.
        records_[used_] = TDayRecord{};
        position = static_cast<std::uint16_t>(++used_);
    }
    monthStamps_[slot / 31] = ++changes_;
    return records_[position - 1u];
}

DayTable::Refill::Refill(DayTable& days) : days_(days) {
    days_.used_ = 0;
    std::fill(days_.positions_.begin(), days_.positions_.end(), std::uint16_t{0});
    std::fill(days_.monthStamps_.begin(), days_.monthStamps_.end(), std::uint64_t{0});
}

std::uint8_t* DayTable::Refill::Room() {
    roomStart_ = days_.used_;
    roomRecords_ = kCapacity - roomStart_;
    return reinterpret_cast<std::uint8_t*>(&days_.records_[roomStart_]);
}

bool DayTable::HasSlot(int year, int month, int day) {
    return year >= FirstYear && year <= LastYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= 31;
}

std::size_t DayTable::SlotIndex(int year, int month, int day) {
    if (!HasSlot(year, month, day))
        throw std::out_of_range("no day table slot for this date");
    return static_cast<std::size_t>(MonthIndex(year, month) * 31 + (day - 1));
}

void DayTable::ClearYears(int firstYear, int lastYear) {
    const int first = std::max(firstYear, FirstYear);
    const int last = std::min(lastYear, LastYear);
    if (first > last)
        return;
    for (int month = MonthIndex(first, 1); month <= MonthIndex(last, 12); ++month) {
        std::uint64_t& stamp = monthStamps_[static_cast<std::size_t>(month)];
        if (stamp == 0)
            continue;
        for (int day = 0; day < 31; ++day)
            if (const std::uint16_t position =
                    positions_[static_cast<std::size_t>(month * 31 + day)])
                ClearDayRecord(records_[position - 1u]);
        stamp = 0;
    }
}

} // namespace lunea
