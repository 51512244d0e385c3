#pragma once
// One user's journal in memory: a slot for every (year, month, day) of
// 2000..2078, including dates that do not exist. 2078 is the
// last whole year a 16-bit day serial reaches (65535 is 4 June 2079).
#include "common/day_serial.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
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

// A slot for every (year, month 1..12, day 1..31) of 2000..2078: 29388
// slots. Only the slots ever written hold a record of their own, in one
// block on the heap (about 4.7 MB with the room a load reads into), so a
// DayTable may be a member or a local anywhere: MinGW's stack is 2 MiB.
// Reading an empty slot gives an empty record.
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

    // Whether (year, month 1..12, day 1..31) names a slot of the table.
    static bool HasSlot(int year, int month, int day);
    static bool HasSlot(CivilDate date) { return HasSlot(date.year, date.month, date.day); }
    // 0 for January 2000 .. MonthCount - 1 for December 2078.
    static constexpr int MonthIndex(int year, int month) {
        return (year - FirstYear) * 12 + (month - 1);
    }

    // Throws std::out_of_range for a slot outside the table.
    TDayRecord& At(int year, int month, int day) { return Written(SlotIndex(year, month, day)); }
    const TDayRecord& At(int year, int month, int day) const {
        return Read(SlotIndex(year, month, day));
    }
    TDayRecord& At(CivilDate date) { return At(date.year, date.month, date.day); }
    const TDayRecord& At(CivilDate date) const { return At(date.year, date.month, date.day); }

    // The slot of a day serial; null for a day outside the table's years.
    TDayRecord* AtSerial(std::int32_t serial) {
        const std::size_t slot = SlotOfSerial(serial);
        return slot == kNoSlot ? nullptr : &Written(slot);
    }
    const TDayRecord* AtSerial(std::int32_t serial) const {
        const std::size_t slot = SlotOfSerial(serial);
        return slot == kNoSlot ? nullptr : &Read(slot);
    }

    // Day 1..31 of the month monthIndex (0..MonthCount - 1), unchecked: for
    // walks over whole months, which would otherwise check every day.
    const TDayRecord& InMonth(int monthIndex, int day) const {
        return Read(static_cast<std::size_t>(monthIndex * 31 + day - 1));
    }

    // ClearDayRecord on every slot of the years firstYear..lastYear.
    void ClearYears(int firstYear, int lastYear);

    // Reloading the whole table from a file without copying its records
    // twice: the table is emptied, the file's bytes are read straight into
    // the table's free room, and each record read there is adopted by the
    // slot of its serial, to be decoded in place.
    class Refill {
      public:
        explicit Refill(DayTable& days);
        // Free storage for the next records read, as raw bytes: all the
        // table's storage behind what was adopted before, so a journal of
        // the table's size is read at once and a longer file still only a
        // table's worth at a time.
        std::uint8_t* Room();
        // The size of the room last handed out.
        std::size_t RoomBytes() const { return roomRecords_ * sizeof(TDayRecord); }
        // Adopts the room's first count records in room order: each is moved
        // to where it stays (over the slot's earlier record when its serial
        // came before) and handed to decode, still raw, to be turned into a
        // day there. serialOf reads a record's serial from its raw bytes; a
        // record whose serial is outside the table goes to keepOutside, as
        // raw bytes valid until the next call.
        template <class SerialOf, class Decode, class KeepOutside>
        void AdoptRoom(std::size_t count, SerialOf serialOf, Decode decode,
                       KeepOutside keepOutside);

      private:
        DayTable& days_;
        std::size_t roomStart_ = 0;
        std::size_t roomRecords_ = 0;
    };

    // No two tables alive at once share an identity; with the month stamps
    // it tells whether a month is still as it was when last read.
    std::uint64_t Identity() const { return identity_.value; }
    std::uint64_t MonthStamp(int monthIndex) const {
        return monthStamps_[static_cast<std::size_t>(monthIndex)];
    }

  private:
    static constexpr std::size_t kNoSlot = SlotCount;
    // A record for each slot at most, and room for a refill to read on
    // behind a full table.
    static constexpr std::size_t kCapacity = SlotCount + 1024;
    static std::size_t SlotIndex(int year, int month, int day);
    // Inline with its table: loading looks up every record.
    static std::size_t SlotOfSerial(std::int32_t serial) {
        const auto offset = static_cast<std::size_t>(std::int64_t{serial} - firstSerial_);
        return offset < slotsBySerial_.size() ? slotsBySerial_[offset] : kNoSlot;
    }
    using SlotsBySerial = std::array<std::uint16_t, DaysOfYears(FirstYear, LastYear)>;
    static const std::int32_t firstSerial_;
    static const SlotsBySerial slotsBySerial_;
    static const TDayRecord kEmptyDay;

    const TDayRecord& Read(std::size_t slot) const {
        const std::uint16_t position = positions_[slot];
        return position == 0 ? kEmptyDay : records_[position - 1u];
    }
    TDayRecord& Written(std::size_t slot);

    std::vector<TDayRecord> records_; // kCapacity; used_ of them hold days
    std::size_t used_ = 0;
    std::vector<std::uint16_t> positions_; // by slot: 0 none, else index + 1
    std::vector<std::uint64_t> monthStamps_;
    std::uint64_t changes_ = 0;
    // A copy holds the same days under an identity of its own.
    struct UniqueIdentity {
        UniqueIdentity();
        UniqueIdentity(const UniqueIdentity&) : UniqueIdentity() {}
        UniqueIdentity& operator=(const UniqueIdentity&);
        std::uint64_t value;
    } identity_;
};

// Inline, with the table's counters in locals for the whole room: a load
// adopts every record, and the decoder's byte stores would otherwise make
// the compiler reload them after each one.
template <class SerialOf, class Decode, class KeepOutside>
void DayTable::Refill::AdoptRoom(std::size_t count, SerialOf serialOf, Decode decode,
                                 KeepOutside keepOutside) {
    TDayRecord* const records = days_.records_.data();
    std::uint16_t* const positions = days_.positions_.data();
    std::uint64_t* const stamps = days_.monthStamps_.data();
    const std::size_t roomStart = roomStart_;
    std::size_t used = days_.used_;
    // One stamp for the whole room: each month it touches changes all the same.
    const std::uint64_t stamp = ++days_.changes_;
    const std::size_t end = count < roomRecords_ ? count : roomRecords_;
    for (std::size_t index = 0; index < end; ++index) {
        TDayRecord& raw = records[roomStart + index];
        const std::int32_t serial = serialOf(reinterpret_cast<const std::uint8_t*>(&raw));
        const std::size_t slot = SlotOfSerial(serial);
        if (slot == kNoSlot) {
            keepOutside(reinterpret_cast<const std::uint8_t*>(&raw), serial);
            continue;
        }
        // A later record of the same date replaces the earlier one whole; a
        // new date's record closes up behind the last one kept, never past
        // its own place in the room, since each adoption keeps one record.
        std::uint16_t& position = positions[slot];
        if (position == 0)
            position = static_cast<std::uint16_t>(++used);
        TDayRecord& kept = records[position - 1u];
        if (&kept != &raw)
            std::memcpy(&kept, &raw, sizeof raw);
        stamps[slot / 31] = stamp;
        decode(kept);
    }
    days_.used_ = used;
}

} // namespace lunea
