#pragma once
// One user's journal in memory: a record for every (year, month, day) slot
// of 2000..2078, including slots of dates that do not exist. 2078 is the
// last whole year a 16-bit day serial reaches (65535 is 4 June 2079).
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

// 79 x 12 x 31 = 29388 records (about 4.5 MB). The records live on the heap,
// so a DayTable may be a member or a local anywhere: MinGW's stack is 2 MiB.
//
// Most of a journal is empty, and what holds data changes a month at a time.
// So the table keeps, for each month, a stamp that changes whenever one of
// its slots is handed out for writing; 0 means no slot of the month has been
// handed out since it was last cleared, and so the month is empty. Clearing
// and saving skip the empty months, and the cycle analysis re-reads only the
// months whose stamp moved. A caller that keeps a writable reference must
// not write through it after the next call on the table.
class DayTable {
  public:
    static constexpr int FirstYear = 2000;
    static constexpr int LastYear = 2078;
    static constexpr int MonthCount = (LastYear - FirstYear + 1) * 12;
    static constexpr int SlotCount = MonthCount * 31;

    DayTable();
    // A copy holds the same days under another identity.
    DayTable(const DayTable& other);
    DayTable& operator=(const DayTable& other);

    // Whether (year, month 1..12, day 1..31) names a slot of the table.
    static bool HasSlot(int year, int month, int day);
    static bool HasSlot(CivilDate date) { return HasSlot(date.year, date.month, date.day); }
    // 0 for January 2000 .. MonthCount - 1 for December 2078.
    static int MonthIndex(int year, int month) { return (year - FirstYear) * 12 + (month - 1); }

    // Throws std::out_of_range for a slot outside the table.
    TDayRecord& At(int year, int month, int day);
    const TDayRecord& At(int year, int month, int day) const;
    TDayRecord& At(CivilDate date) { return At(date.year, date.month, date.day); }
    const TDayRecord& At(CivilDate date) const { return At(date.year, date.month, date.day); }

    // The slot of a day serial; null for a day outside the table's years.
    TDayRecord* AtSerial(std::int32_t serial) {
        const std::size_t slot = SlotOfSerial(serial);
        return slot == kNoSlot ? nullptr : &Written(slot);
    }
    const TDayRecord* AtSerial(std::int32_t serial) const {
        const std::size_t slot = SlotOfSerial(serial);
        return slot == kNoSlot ? nullptr : &slots_[slot];
    }

    // ClearDayRecord on every slot of the years firstYear..lastYear.
    void ClearYears(int firstYear, int lastYear);
    void ClearAll() { ClearYears(FirstYear, LastYear); }

    // Reloading the whole table from a file: the refill's AtSerial hands out
    // a day's slot for the caller to overwrite in full, and when the refill
    // ends every slot it did not hand out is cleared. The same as ClearAll
    // and then AtSerial for each record, without clearing a slot that is
    // written anyway.
    class Refill {
      public:
        explicit Refill(DayTable& days);
        ~Refill();
        Refill(const Refill&) = delete;
        Refill& operator=(const Refill&) = delete;
        TDayRecord* AtSerial(std::int32_t serial) {
            const std::size_t slot = SlotOfSerial(serial);
            if (slot == kNoSlot)
                return nullptr;
            days_.refilled_[slot] = 1;
            return &days_.Written(slot);
        }

      private:
        DayTable& days_;
    };

    // No two tables alive at once share an identity; with the month stamps
    // it tells whether a month is still as it was when last read.
    std::uint64_t Identity() const { return identity_; }
    std::uint64_t MonthStamp(int monthIndex) const {
        return monthStamps_[static_cast<std::size_t>(monthIndex)];
    }
    // The 31 slots of a month, day 1 first; read-only.
    const TDayRecord* MonthSlots(int monthIndex) const {
        return &slots_[static_cast<std::size_t>(monthIndex) * 31];
    }

  private:
    static constexpr std::size_t kNoSlot = SlotCount;
    static std::size_t SlotIndex(int year, int month, int day);
    // Inline with its table: loading looks up every record.
    static std::size_t SlotOfSerial(std::int32_t serial) {
        const auto offset = static_cast<std::size_t>(std::int64_t{serial} - firstSerial_);
        return offset < slotsBySerial_.size() ? slotsBySerial_[offset] : kNoSlot;
    }
    static const std::int32_t firstSerial_;
    static const std::vector<std::uint16_t> slotsBySerial_;
    TDayRecord& Written(std::size_t slot) {
        monthStamps_[slot / 31] = ++changes_;
        return slots_[slot];
    }

    std::vector<TDayRecord> slots_;
    std::vector<std::uint64_t> monthStamps_;
    std::vector<std::uint8_t> refilled_; // by slot, during a refill
    std::uint64_t changes_ = 0;
    std::uint64_t identity_;
};

} // namespace lunea
