#pragma once
// Builders and readers of single records for the provider's unit tests.
#include "provider/device_exchange.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace lunea::provider::testing {

// 1 January 2000 in both epochs.
inline constexpr std::uint16_t kJan1Date = 36526;
inline constexpr std::uint32_t kJan1Day = kJan1Date - kDeviceEpochOffset;

struct DesktopDay {
    std::uint16_t Date = kJan1Date;
    std::uint8_t Flag = 0;
    std::uint8_t Status = 0;
    std::uint8_t Appointment = 0;
    double Temperature = 0.0;
    std::uint8_t PMS = 0;
    std::uint8_t Sex = 0;
    std::uint8_t Cramping = 0;
    std::uint8_t Secrets = 0;
    std::uint8_t Protect = 0;
    std::string Note = {};
};

inline DesktopRecordBytes MakeDesktopRecord(const DesktopDay& day) {
    using namespace datafile;
    DesktopRecordBytes bytes{};
    WriteU16(&bytes[kDateOffset], day.Date);
    bytes[kFlagOffset] = day.Flag;
    bytes[kStatusOffset] = day.Status;
    bytes[kAppointmentOffset] = day.Appointment;
    WriteDouble(&bytes[kTemperatureOffset], day.Temperature);
    bytes[kPmsOffset] = day.PMS;
    bytes[kSexOffset] = day.Sex;
    bytes[kCrampingOffset] = day.Cramping;
    bytes[kSecretsOffset] = day.Secrets;
    bytes[kProtectOffset] = day.Protect;
    bytes[kNoteLengthOffset] = static_cast<std::uint8_t>(day.Note.size());
    std::copy(day.Note.begin(), day.Note.end(), &bytes[kNoteTextOffset]);
    return bytes;
}

inline DeviceRecordBytes MakeDeviceRecord(std::uint32_t dayNumber, std::uint8_t status = 0,
                                          const std::string& note = {}) {
    DeviceDayRecord record;
    record.DayNumber = dayNumber;
    record.Status = status;
    std::copy(note.begin(), note.end(), record.Note.begin());
    return EncodeDeviceDayRecord(record);
}

template <typename Record> std::vector<std::uint8_t> Join(std::initializer_list<Record> records) {
    std::vector<std::uint8_t> bytes;
    for (const Record& record : records)
        bytes.insert(bytes.end(), record.begin(), record.end());
    return bytes;
}

inline std::vector<DesktopRecordBytes> SplitDesktop(std::span<const std::uint8_t> bytes) {
    std::vector<DesktopRecordBytes> records(bytes.size() / datafile::kRecordSize);
    for (std::size_t i = 0; i < records.size(); ++i)
        std::copy_n(&bytes[i * datafile::kRecordSize], datafile::kRecordSize, records[i].begin());
    return records;
}

inline std::vector<DeviceDayRecord> SplitDevice(std::span<const std::uint8_t> bytes) {
    std::vector<DeviceDayRecord> records;
    for (std::size_t at = 0; at + kDeviceRecordSize <= bytes.size(); at += kDeviceRecordSize)
        records.push_back(DecodeDeviceDayRecord(bytes.subspan(at).first<kDeviceRecordSize>()));
    return records;
}

inline std::uint16_t DateOf(const DesktopRecordBytes& record) {
    return datafile::ReadU16(&record[datafile::kDateOffset]);
}

} // namespace lunea::provider::testing
