#pragma once
// The day table together with the data file "Lunea.dat" it is loaded from
// and saved to.
#include "common/file_system.h"
#include "journal/day_table.h"
#include "journal/record_codec.h"
#include "components/controls/user_prompts.h"

#include <map>
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
    // into a temporary file beside fileName that then replaces it in one step
    // (when that step cannot be taken, over the file in place). An unread
    // file, or an existing entry that cannot be opened for reading and
    // writing, is never written: a table changed since the last load or save
    // goes into a recovery file beside it instead, and so does one that could
    // not be written at all. What the user must hear of waits for
    // TellSaveProblems, so a save can answer another process without a
    // message box.
    void SaveData(const std::string& fileName);

    // Where recovery files go when the journal's own folder takes none (a
    // device user's folder that does not exist yet): a folder that exists,
    // ending in a separator.
    void SetSpareFolder(const std::string& folder) { spareFolder_ = folder; }

    // Reports, once each, where the saves since the last call kept the
    // edits they could not write into the journal, and any save that could
    // keep them nowhere.
    void TellSaveProblems();

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
    enum class LoadOutcome { NotFound, NotOpened, ReadFailed, Read };
    // Fills the table from the file; what was read before a failure stays,
    // and error tells the failure.
    LoadOutcome RefillFrom(const std::string& fileName, std::string& error);
    bool ReadRecords(OpenFile& file, DayTable::Refill& refill);
    std::vector<std::uint8_t> EncodeAll() const;
    // Puts the table into fileName's recovery file; notice precedes its path
    // in the report.
    void KeepInRecoveryFile(const std::string& fileName, const std::vector<std::uint8_t>& bytes,
                            const std::string& notice);
    void AddNotice(const std::string& text);

    FileSystem& files_;
    UserPrompts& prompts_;
    DayTable days_;
    std::vector<EncodedRecord> heldAside_;
    std::set<std::string> unread_;
    // Each file's table as its last load or save left it: a table still
    // equal to that holds no edit to keep.
    std::map<std::string, std::vector<std::uint8_t>> loaded_;
    // Chosen once a session for each journal, so no earlier one is written over.
    std::map<std::string, std::string> recoveryPaths_;
    // Recovery files the user knows of; forgotten when the journal is written.
    std::set<std::string> toldRecoveries_;
    std::vector<std::string> notices_;
    std::string spareFolder_;
};

} // namespace lunea
