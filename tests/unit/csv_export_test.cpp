// The CSV export's lines, as another program will read them.
#include "users/csv_export.h"
#include "tests/unit/file_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace lunea {
namespace {

TDayRecord Day(double temperature, const char* note) {
    TDayRecord day;
    day.Temperature = temperature;
    day.Note.Assign(note);
    return day;
}

int Fields(const std::string& line) {
    // Semicolons inside the quoted note do not count.
    const std::string beforeNote = line.substr(0, line.find('"'));
    return static_cast<int>(std::count(beforeNote.begin(), beforeNote.end(), ';')) + 1;
}

TEST(CsvExport, LinesKeepElevenFieldsWhateverTheValues) {
    TDayRecord example = Day(36.55, "x");
    example.Flag = 1;
    const struct {
        TDayRecord day;
        char separator;
        const char* line;
    } cases[] = {
        {example, '.', "7.10.2003;1;0;0;36.55;0;0;0;0;0;\"x\""},
        {example, ',', "7.10.2003;1;0;0;36,55;0;0;0;0;0;\"x\""},
        {Day(0, ""), '.', "7.10.2003;0;0;0;0;0;0;0;0;0;\"\""},
        {Day(36.125, "say \"hi\""), '.', "7.10.2003;0;0;0;36.125;0;0;0;0;0;\"say \"\"hi\"\"\""},
        {Day(36.6, "a;b\r\nc"), '.', "7.10.2003;0;0;0;36.6;0;0;0;0;0;\"a;b\r\nc\""},
        {Day(1e300, ""), '.', "7.10.2003;0;0;0;1E+300;0;0;0;0;0;\"\""},
        {Day(std::numeric_limits<double>::quiet_NaN(), ""), '.',
         "7.10.2003;0;0;0;NAN;0;0;0;0;0;\"\""},
        {Day(-std::numeric_limits<double>::infinity(), ""), ',',
         "7.10.2003;0;0;0;-INF;0;0;0;0;0;\"\""},
    };
    for (const auto& c : cases) {
        const std::string line = CsvLine({2003, 10, 7}, c.day, c.separator);
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(Fields(line), 11) << line;
    }
    EXPECT_EQ(CsvLine({2004, 3, 5}, Day(0, ""), '.').substr(0, 9), "5.3.2004;");
}

TEST(CsvExport, TheFileHoldsTheHeaderAndTheRecordedDaysInDateOrder) {
    DayTable days;
    const std::string header = std::string(kCsvHeader) + "\r\n";
    EXPECT_EQ(CsvFile(days, '.'), std::vector<std::uint8_t>(header.begin(), header.end()));

    days.At(2019, 1, 2).Flag = 1;
    days.At(2000, 12, 31).Status = 3;
    days.At(2010, 6, 1).Secrets = 1; // a day kept by the journal is exported
    const std::vector<std::uint8_t> bytes = CsvFile(days, '.');
    const std::string expected = header + "31.12.2000;0;3;0;0;0;0;0;0;0;\"\"\r\n" +
                                 "1.6.2010;0;0;0;0;0;0;0;1;0;\"\"\r\n" +
                                 "2.1.2019;1;0;0;0;0;0;0;0;0;\"\"\r\n";
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
}

TEST(CsvExport, AFileThatCannotBeCreatedOrReplacedIsToldWithTheSystemsReason) {
    using testing::FaultAt;
    const struct {
        FaultAt fault;
        bool existing;
        bool written;
    } cases[] = {{FaultAt::Nothing, false, true},         {FaultAt::Nothing, true, true},
                 {FaultAt::OpenHeld, true, false},        {FaultAt::CreateTemporary, false, false},
                 {FaultAt::CreateTemporary, true, false}, {FaultAt::ReplaceExisting, true, false},
                 {FaultAt::Write, false, false}};
    DayTable days;
    days.At(2019, 1, 2).Status = 1;
    const std::vector<std::uint8_t> csv = CsvFile(days, ',');
    for (const auto& c : cases) {
        testing::ScratchFolder folder;
        const std::string path = folder.File("journal.csv");
        const std::vector<std::uint8_t> before{'o', 'l', 'd'};
        if (c.existing)
            testing::WriteBytes(path, before);
        testing::FaultyFileSystem files(c.fault);
        const auto failure = WriteCsvFile(files, days, ',', path);
        EXPECT_EQ(failure,
                  c.written ? std::nullopt : std::optional<std::string>("Injected failure."));
        EXPECT_EQ(std::filesystem::exists(path), c.written || c.existing);
        if (c.written || c.existing) {
            EXPECT_EQ(testing::ReadBytes(path), c.written ? csv : before);
        }
    }
    testing::FaultyFileSystem files(FaultAt::Nothing);
    EXPECT_NE(WriteCsvFile(files, days, ',', "/no/such/folder/journal.csv"), std::nullopt);
}

} // namespace
} // namespace lunea
