#include "provider/device_day_record.h"

#include <cstring>

namespace lunea::provider {

using namespace datafile;

DeviceRecordBytes EncodeDeviceDayRecord(const DeviceDayRecord& record) {
    DeviceRecordBytes bytes{};
    WriteU32(&bytes[kDayNumberOffset], record.DayNumber);
    bytes[kDeviceFlagOffset] = record.DeviceFlag;
    bytes[kDeviceStatusOffset] = record.Status;
    bytes[kDeviceAppointmentOffset] = record.Appointment;
    bytes[kDevicePmsOffset] = record.PMS;
    WriteFloat(&bytes[kDeviceTemperatureOffset], record.Temperature);
    bytes[kDeviceSexOffset] = record.Sex;
    bytes[kDeviceCrampingOffset] = record.Cramping;
    bytes[kDeviceSecretsOffset] = record.Secrets;
    bytes[kDeviceProtectOffset] = record.Protect;
    std::memcpy(&bytes[kDeviceNoteOffset], record.Note.data(), kDeviceNoteSize);
    return bytes;
}

DeviceDayRecord DecodeDeviceDayRecord(DeviceRecordView bytes) {
    DeviceDayRecord record;
    record.DayNumber = ReadU32(&bytes[kDayNumberOffset]);
    record.DeviceFlag = bytes[kDeviceFlagOffset];
    record.Status = bytes[kDeviceStatusOffset];
    record.Appointment = bytes[kDeviceAppointmentOffset];
    record.PMS = bytes[kDevicePmsOffset];
    record.Temperature = ReadFloat(&bytes[kDeviceTemperatureOffset]);
    record.Sex = bytes[kDeviceSexOffset];
    record.Cramping = bytes[kDeviceCrampingOffset];
    record.Secrets = bytes[kDeviceSecretsOffset];
    record.Protect = bytes[kDeviceProtectOffset];
    std::memcpy(record.Note.data(), &bytes[kDeviceNoteOffset], kDeviceNoteSize);
    return record;
}

bool IsEmptyDeviceRecord(DeviceRecordView record) {
    return record[kDeviceStatusOffset] == 0 && record[kDeviceAppointmentOffset] == 0 &&
           record[kDevicePmsOffset] == 0 && record[kDeviceSexOffset] == 0 &&
           record[kDeviceCrampingOffset] == 0 && record[kDeviceSecretsOffset] == 0 &&
           record[kDeviceProtectOffset] == 0 &&
           ReadFloat(&record[kDeviceTemperatureOffset]) == 0.0f && record[kDeviceNoteOffset] == 0;
}

bool IsEmptyDesktopRecord(DesktopRecordView record) {
    return record[kStatusOffset] == 0 && record[kAppointmentOffset] == 0 &&
           record[kPmsOffset] == 0 && record[kSexOffset] == 0 && record[kCrampingOffset] == 0 &&
           record[kSecretsOffset] == 0 && record[kProtectOffset] == 0 &&
           record[kNoteLengthOffset] == 0 && ReadDouble(&record[kTemperatureOffset]) == 0.0;
}

} // namespace lunea::provider
