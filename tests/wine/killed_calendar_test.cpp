// The calendar made to save again and again and killed at random moments:
// after every kill the journal on disk is the last save that completed or
// the one under way, never a torn or a lost file, and once the restarted
// program has saved no temporary file of a killed one is left.
#include "app/control_ids.h"
#include "common/desktop_contract.h"
#include "tests/wine/calendar_driver.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/program_harness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <random>
#include <thread>

namespace lunea::test {
namespace {

constexpr int kKills = 200;
// Long enough for several saves of a full journal after the window shows.
constexpr int kLongestLifeMs = 900;

// Every day of the table recorded: a save then takes long enough to
// be killed in the middle of it.
Bytes EveryDayOfTheTable() {
    std::vector<DatedRecord> records;
    for (int year = DayTable::FirstYear; year <= DayTable::LastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= DaysInMonth(year, month); ++day) {
                TDayRecord record;
                record.Status = static_cast<std::uint8_t>(day % 7);
                record.Temperature = 36.0 + day / 100.0;
                record.Note.Assign("day " + std::to_string(day));
                records.push_back({{year, month, day}, record});
            }
    return EncodeRecords(records);
}

bool SameJournal(const DayTable& a, const DayTable& b) {
    for (int year = DayTable::FirstYear; year <= DayTable::LastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 31; ++day)
                if (!(a.At(year, month, day) == b.At(year, month, day)))
                    return false;
    return true;
}

bool TemporaryFilesLeft() {
    WIN32_FIND_DATAA found;
    const win::UniqueFind search(FindFirstFileA((LocalDataFile() + ".*.tmp").c_str(), &found));
    return static_cast<bool>(search);
}

// One change through the day editor's controls of a day of the month a start
// shows, made in the program and in the model alike.
void EditADay(const CalendarDriver& driver, DayTable& model, std::mt19937& random, int serial) {
    const CivilDate shown = DaySelectedAtStart();
    const int dayOfMonth =
        static_cast<int>(random() % static_cast<unsigned>(DaysInMonth(shown.year, shown.month))) +
        1;
    driver.ClickDay(shown.year, shown.month, dayOfMonth);
    TDayRecord& day = model.At(shown.year, shown.month, dayOfMonth);
    struct Box {
        int id;
        std::uint8_t TDayRecord::*field;
    };
    static const Box kBoxes[] = {{ids::PMSBox, &TDayRecord::PMS},
                                 {ids::SexBox, &TDayRecord::Sex},
                                 {ids::CrampingBox, &TDayRecord::Cramping},
                                 {ids::ProtectBox, &TDayRecord::Protect},
                                 {ids::AppointBox, &TDayRecord::Appointment},
                                 {ids::SecretBox, &TDayRecord::Secrets}};
    switch (random() % 3) {
    case 0: {
        const auto status = static_cast<std::uint8_t>(random() % 7);
        driver.Click(ids::StatusRadio0 + status);
        day.Status = status;
        break;
    }
    case 1: {
        const Box& box = kBoxes[random() % std::size(kBoxes)];
        driver.Click(box.id);
        day.*box.field ^= 1;
        break;
    }
    default: {
        const std::string note = "edit " + std::to_string(serial);
        driver.Paste(ids::NoteEdit, note);
        day.Note.Assign(note);
    }
    }
    day.Flag = 1;
}

struct KillCounts {
    int kills = 0;
    int duringSave = 0;
    int torn = 0; // a file that is neither of the two saves
    int lost = 0; // no file at all
};

TEST(KilledCalendar, TheJournalIsAlwaysAWholeSaveAndNoTemporaryFileIsLeft) {
    ForgetProgramState();
    WriteFileBytes(LocalDataFile(), EveryDayOfTheTable());
    DayTable completed = *ReadSavedJournal(); // the last save that completed
    std::mt19937 random(20261208);
    KillCounts counts;
    int edits = 0;
    while (counts.kills < kKills) {
        CalendarProcess calendar;
        if (HWND splash = WaitForWindow(calendar.ProcessId(), "LuneaDialog", "About", 20000))
            SendMessageA(GetDlgItem(splash, 10), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
        const HWND window = calendar.WaitForMainWindow();
        // Exit code 0 without a window: the copy before it was still seen running.
        ASSERT_NE(window, nullptr)
            << "start " << counts.kills << ", exit code " << calendar.ExitCode();
        const CalendarDriver driver(window);
        const DWORD life = random() % kLongestLifeMs;
        std::thread killer([&calendar, life] {
            Sleep(life);
            calendar.Kill();
        });

        DayTable model = completed;
        std::optional<DayTable> underWay;
        bool savedOnce = false;
        while (IsWindow(window)) {
            EditADay(driver, model, random, ++edits);
            if (!IsWindow(window))
                break;
            underWay = model;
            if (!driver.Save())
                break;
            completed = model;
            underWay.reset();
            // Not ASSERT: the killer thread must be joined first.
            EXPECT_TRUE(SameJournal(*ReadSavedJournal(), completed))
                << "the save wrote the edits made";
            if (!savedOnce) {
                EXPECT_FALSE(TemporaryFilesLeft())
                    << "after the first save of start " << counts.kills + 1;
            }
            savedOnce = true;
        }
        killer.join();
        ASSERT_TRUE(calendar.WaitForExit());

        ++counts.kills;
        counts.duringSave += underWay.has_value();
        if (!ReadFileBytes(LocalDataFile())) {
            ++counts.lost;
            break;
        }
        const auto onDisk = ReadSavedJournal();
        if (underWay && SameJournal(*onDisk, *underWay)) {
            completed = *underWay;
        } else if (!SameJournal(*onDisk, completed)) {
            ++counts.torn;
            completed = *onDisk;
        }
    }
    {
        CalendarProcess last;
        const HWND window = last.WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(CalendarDriver(window).Save());
        EXPECT_FALSE(TemporaryFilesLeft()) << "after the last kill";
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(last.WaitForExit());
    }
    std::printf("calendar killed %d times (%d during a save): %d files torn, %d lost\n",
                counts.kills, counts.duringSave, counts.torn, counts.lost);
    RecordProperty("kills", counts.kills);
    EXPECT_EQ(counts.torn, 0);
    EXPECT_EQ(counts.lost, 0);
    EXPECT_GT(counts.duringSave, 0) << "no kill landed in a save";
    ForgetProgramState();
}

} // namespace
} // namespace lunea::test
