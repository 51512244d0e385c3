#pragma once
// One user's journal in memory: a record for every (year, month, day) slot
// of 2000..2019, including slots of dates that do not exist.
#include "journal/day_serial.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace lunea {

// A note in the system's ANSI code page; only the first Length characters
// carry meaning.
struct TDayNote {
    static constexpr std::size_t Capacity = 128;
    std::uint8_t Length = 0;
    std::array<char, Capacity> Chars{};

    std::string_view Text() const { return {Chars.data(), Length}; }
    // Keeps at most Capacity characters.
    void Assign(std::string_view text);
    friend bool operator==(const TDayNote& a, const TDayNote& b) { return a.Text() == b.Text(); }
};

struct TDayRecord {
    std::uint8_t Flag = 0;   // 1: changed on the desktop since the last sync
    std::uint8_t Status = 0; // 0..6; 1..3 are menstruation
    std::uint8_t Appointment = 0;
    double Temperature = 0.0; // Celsius; 0 = not recorded
    std::uint8_t PMS = 0;
    std::uint8_t Sex = 0;
    std::uint8_t Cramping = 0;
    std::uint8_t Secrets = 0;
    std::uint8_t Protect = 0;
    TDayNote Note;
    friend bool operator==(const TDayRecord&, const TDayRecord&) = default;
};

// The empty state; the note's characters beyond its length stay as they are.
void ClearDayRecord(TDayRecord& record);
// Whether a day is recorded, that is saved and exported.
bool DayHasData(const TDayRecord& record);

// 20 x 12 x 31 = 7440 records (about 1.1 MB). The records live on the heap,
// so a DayTable may be a member or a local anywhere: MinGW's stack is 2 MiB.
class DayTable {
  public:
    static constexpr int FirstYear = 2000;
    static constexpr int LastYear = 2019;
    static constexpr int SlotCount = (LastYear - FirstYear + 1) * 12 * 31;

    DayTable();

    // Whether (year, month 1..12, day 1..31) names a slot of the table.
    static bool HasSlot(int year, int month, int day);
    static bool HasSlot(CivilDate date) { return HasSlot(date.year, date.month, date.day); }

    // Throws std::out_of_range for a slot outside the table.
    TDayRecord& At(int year, int month, int day);
    const TDayRecord& At(int year, int month, int day) const;
    TDayRecord& At(CivilDate date) { return At(date.year, date.month, date.day); }
    const TDayRecord& At(CivilDate date) const { return At(date.year, date.month, date.day); }

    // The slot of a day serial; null for a day outside the table's years.
    TDayRecord* AtSerial(std::int32_t serial);
    const TDayRecord* AtSerial(std::int32_t serial) const;

    // ClearDayRecord on every slot of the years firstYear..lastYear.
    void ClearYears(int firstYear, int lastYear);
    void ClearAll() { ClearYears(FirstYear, LastYear); }

  private:
    static std::size_t SlotIndex(int year, int month, int day);
    std::vector<TDayRecord> slots_;
};

} // namespace lunea
