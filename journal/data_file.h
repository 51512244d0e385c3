#pragma once
// The day table together with the data file "Lunea.dat" it is loaded from
// and saved to.
#include "common/file_system.h"
#include "journal/day_table.h"
#include "journal/record_codec.h"
#include "journal/user_prompts.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace lunea {

class Journal {
  public:
    Journal(FileSystem& files, UserPrompts& prompts);

    DayTable& Days() { return days_; }
    const DayTable& Days() const { return days_; }

    // Clears the table and fills it from the file. A missing file leaves an
    // empty table. A file that exists but cannot be opened, or fails while
    // being read, is marked unread (what was read stays in the table; a read
    // error is reported) and no save replaces it until a load of it succeeds.
    void LoadData(const std::string& fileName);

    // Writes every recorded day in date order, then the records held aside,
    // into a temporary file beside fileName that then replaces it in one step.
    // An existing entry that cannot be opened for reading and writing, or an
    // unread file, is left alone silently; a failure after the temporary file
    // was opened is reported, and the old file stays whole.
    void SaveData(const std::string& fileName);

    // Transfer: writes the table into another user's file, replacing it in
    // one step. Nothing when it was written, else the system's reason (and
    // the file is as it was).
    std::optional<std::string> WriteTableTo(const std::string& fileName);

    // "Clear database": after a Yes, empties the table and the records held
    // aside. The data file is untouched until the next save.
    void ClearDatabase();

    // Records of the last load whose dates lie outside the table's years, in
    // file order; they are written back after the table's records.
    const std::vector<EncodedRecord>& HeldAside() const { return heldAside_; }
    bool IsUnread(const std::string& fileName) const { return unread_.count(fileName) != 0; }

  private:
    bool ReadRecords(OpenFile& file);
    std::vector<std::uint8_t> EncodeAll() const;

    FileSystem& files_;
    UserPrompts& prompts_;
    DayTable days_;
    std::vector<EncodedRecord> heldAside_;
    std::set<std::string> unread_;
};

} // namespace lunea
