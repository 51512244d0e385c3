#include "journal/day_table.h"

#include <algorithm>
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
    // Secrets and Protect alone do not count: changing them sets Flag.
    return record.Status != 0 || record.Appointment != 0 || record.Temperature > 1.0 ||
           record.PMS != 0 || record.Sex != 0 || record.Cramping != 0 ||
           record.Note.Length != 0 || record.Flag != 0;
}

DayTable::DayTable() : slots_(SlotCount) {}

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
    for (int year = std::max(firstYear, FirstYear); year <= std::min(lastYear, LastYear); ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 31; ++day)
                ClearDayRecord(At(year, month, day));
}

} // namespace lunea
