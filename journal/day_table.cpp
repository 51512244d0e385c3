#include "journal/day_table.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

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

// Slot indices of the table's days by serial: loading looks up every record,
// and converting serials to dates is the costly part of that.
const std::vector<std::uint16_t>& SlotsBySerial(std::int32_t& firstSerial) {
    static const std::int32_t first = DateToSerial({DayTable::FirstYear, 1, 1});
    static const std::vector<std::uint16_t> slots = [] {
        std::vector<std::uint16_t> bySerial;
        const std::int32_t last = DateToSerial({DayTable::LastYear, 12, 31});
        for (std::int32_t serial = first; serial <= last; ++serial) {
            const CivilDate date = SerialToDate(serial);
            bySerial.push_back(static_cast<std::uint16_t>(
                ((date.year - DayTable::FirstYear) * 12 + (date.month - 1)) * 31 + (date.day - 1)));
        }
        return bySerial;
    }();
    firstSerial = first;
    return slots;
}

} // namespace

DayTable::DayTable() : slots_(SlotCount) {}

TDayRecord* DayTable::AtSerial(std::int32_t serial) {
    return const_cast<TDayRecord*>(std::as_const(*this).AtSerial(serial));
}

const TDayRecord* DayTable::AtSerial(std::int32_t serial) const {
    std::int32_t firstSerial = 0;
    const std::vector<std::uint16_t>& slots = SlotsBySerial(firstSerial);
    if (serial < firstSerial || serial - firstSerial >= static_cast<std::int32_t>(slots.size()))
        return nullptr;
    return &slots_[slots[static_cast<std::size_t>(serial - firstSerial)]];
}

bool DayTable::HasSlot(int year, int month, int day) {
    return year >= FirstYear && year <= LastYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= 31;
}

std::size_t DayTable::SlotIndex(int year, int month, int day) {
    if (!HasSlot(year, month, day))
        throw std::out_of_range("no day table slot for this date");
    return static_cast<std::size_t>(((year - FirstYear) * 12 + (month - 1)) * 31 + (day - 1));
}

TDayRecord& DayTable::At(int year, int month, int day) {
    return slots_[SlotIndex(year, month, day)];
}

const TDayRecord& DayTable::At(int year, int month, int day) const {
    return slots_[SlotIndex(year, month, day)];
}

void DayTable::ClearYears(int firstYear, int lastYear) {
    const int first = std::max(firstYear, FirstYear);
    const int last = std::min(lastYear, LastYear);
    if (first > last)
        return;
    const auto begin = slots_.begin() + static_cast<std::ptrdiff_t>(SlotIndex(first, 1, 1));
    const auto end = slots_.begin() + static_cast<std::ptrdiff_t>(SlotIndex(last, 12, 31)) + 1;
    std::for_each(begin, end, ClearDayRecord);
}

} // namespace lunea
