#pragma once
// The two sides an exchange keeps in step, played inside the test process:
// the handheld's record set and the desktop program's main window.
#include "provider/device_day_record.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace lunea::test {

// The handheld's day records. It sends the days edited since the last
// synchronisation and applies what it receives in order: an empty record
// deletes the day, any other replaces it.
class DeviceModel {
  public:
    void Edit(const provider::DeviceRecordBytes& record);
    std::vector<std::uint8_t> Packet() const;
    void Apply(const std::vector<std::uint8_t>& block);

    const std::map<std::uint16_t, provider::DeviceRecordBytes>& Days() const { return days_; }

  private:
    void Store(const provider::DeviceRecordBytes& record);

    std::map<std::uint16_t, provider::DeviceRecordBytes> days_;
    std::vector<provider::DeviceRecordBytes> changes_;
};

// A top-level window of the desktop program's window class that counts its two
// messages and runs the given actions on them.
class DesktopWindowStandIn {
  public:
    explicit DesktopWindowStandIn(const char* caption, std::function<void()> onSave = {},
                                  std::function<void()> onReload = {});
    ~DesktopWindowStandIn();
    DesktopWindowStandIn(const DesktopWindowStandIn&) = delete;
    DesktopWindowStandIn& operator=(const DesktopWindowStandIn&) = delete;

    HWND Handle() const { return window_; }
    int SaveMessages() const { return saves_; }
    int ReloadMessages() const { return reloads_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::function<void()> onSave_;
    std::function<void()> onReload_;
    int saves_ = 0;
    int reloads_ = 0;
};

} // namespace lunea::test
