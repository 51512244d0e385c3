// Any bytes load as a journal; saving what was loaded and loading that again
// gives the same table (the days the save keeps) and the same records held
// aside.
#include "journal/data_file.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/journal_in_memory.h"

#include <cmath>
#include <set>

namespace {

using namespace lunea;

const std::string kDataFile = "Lunea.dat";

bool SameTemperature(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// A second load gives back every day the save kept, and leaves every other
// slot empty.
bool SameAfterSave(const TDayRecord& loaded, const TDayRecord& reloaded) {
    if (!DayHasData(loaded))
        return !DayHasData(reloaded) && reloaded.Temperature == 0.0;
    return loaded.Flag == reloaded.Flag && loaded.Status == reloaded.Status &&
           loaded.Appointment == reloaded.Appointment &&
           SameTemperature(loaded.Temperature, reloaded.Temperature) &&
           loaded.PMS == reloaded.PMS && loaded.Sex == reloaded.Sex &&
           loaded.Cramping == reloaded.Cramping && loaded.Secrets == reloaded.Secrets &&
           loaded.Protect == reloaded.Protect && loaded.Note == reloaded.Note;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Built once: a journal holds a 1 MB table.
    static fuzz::MemoryFileSystem files;
    static fuzz::SilentPrompts prompts;
    static Journal loaded{files, prompts};
    static Journal reloaded{files, prompts};

    files.files.clear();
    files.files[kDataFile].assign(data, data + size);
    loaded.LoadData(kDataFile);
    fuzz::Check(!loaded.IsUnread(kDataFile), "any bytes load");
    loaded.SaveData(kDataFile);
    fuzz::Check(files.files.size() == 1, "the save leaves the journal alone beside it");
    const std::size_t savedSize = files.files[kDataFile].size();
    fuzz::Check(savedSize % datafile::kRecordSize == 0, "the save writes whole records");

    reloaded.LoadData(kDataFile);
    fuzz::Check(!reloaded.IsUnread(kDataFile), "the saved file loads");
    // Only the days the input names can hold data; a day filled from
    // nowhere would show in the count of saved records.
    std::set<std::int32_t> named;
    for (std::size_t offset = 0; offset + datafile::kRecordSize <= size;
         offset += datafile::kRecordSize)
        named.insert(datafile::ReadU16(data + offset + datafile::kDateOffset));
    std::size_t recordedDays = 0;
    for (const std::int32_t serial : named)
        if (TDayRecord* before = loaded.Days().AtSerial(serial)) {
            recordedDays += DayHasData(*before);
            fuzz::Check(SameAfterSave(*before, *reloaded.Days().AtSerial(serial)),
                        "a reloaded day is the day saved");
        }
    fuzz::Check(reloaded.HeldAside() == loaded.HeldAside(), "the records held aside come back");
    fuzz::Check(savedSize / datafile::kRecordSize == recordedDays + loaded.HeldAside().size(),
                "one record for each recorded day and each record held aside");
    return 0;
}
