#pragma once
// Shared by the journal's tests: record builders and a prompt recorder, with
// the file helpers of file_test_support.h.
#include "journal/data_file.h"
#include "journal/record_codec.h"
#include "components/controls/user_prompts.h"
#include "tests/unit/file_test_support.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lunea::testing {

inline EncodedRecord Encoded(const TDayRecord& day, CivilDate date) {
    EncodedRecord record;
    EncodeDayRecord(day, static_cast<std::uint16_t>(DateToSerial(date)), record.data());
    return record;
}

inline void Append(std::vector<std::uint8_t>& bytes, const EncodedRecord& record) {
    bytes.insert(bytes.end(), record.begin(), record.end());
}

inline TDayRecord DayWithStatus(std::uint8_t status) {
    TDayRecord day;
    day.Status = status;
    return day;
}

class RecordingPrompts : public UserPrompts {
  public:
    bool AskYesNo(const std::string& question) override {
        questions.push_back(question);
        return answerYes;
    }
    void Inform(const std::string& text) override { messages.push_back(text); }
    void Notice(const std::string& text) override { notices.push_back(text); }
    void ReportError(const std::string& text) override { ioErrors.push_back(text); }

    bool answerYes = true;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::vector<std::string> notices;
    std::vector<std::string> ioErrors;
};

} // namespace lunea::testing
