#include "tests/wine/sync_stand_ins.h"

#include "common/desktop_contract.h"
#include "tests/wine/sync_harness.h"

namespace lunea::test {

void DeviceModel::Edit(const provider::DeviceRecordBytes& record) {
    changes_.push_back(record);
    Store(record);
}

std::vector<std::uint8_t> DeviceModel::Packet() const {
    return DevicePacketOf(changes_);
}

void DeviceModel::Apply(const std::vector<std::uint8_t>& block) {
    for (std::size_t at = 0; at + provider::kDeviceRecordSize <= block.size();
         at += provider::kDeviceRecordSize) {
        provider::DeviceRecordBytes record;
        std::copy_n(block.begin() + static_cast<std::ptrdiff_t>(at), record.size(), record.begin());
        Store(record);
    }
    changes_.clear();
}

void DeviceModel::Store(const provider::DeviceRecordBytes& record) {
    const auto day = static_cast<std::uint16_t>(datafile::ReadU32(record.data()));
    if (provider::IsEmptyDeviceRecord(record))
        days_.erase(day);
    else
        days_[day] = record;
}

DesktopWindowStandIn::DesktopWindowStandIn(const char* caption, std::function<void()> onSave,
                                           std::function<void()> onReload)
    : onSave_(std::move(onSave)), onReload_(std::move(onReload)) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kMainWindowClass;
    RegisterClassA(&windowClass); // fails harmlessly when already registered
    window_ = CreateWindowExA(0, kMainWindowClass, caption, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

DesktopWindowStandIn::~DesktopWindowStandIn() {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

LRESULT CALLBACK DesktopWindowStandIn::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
    auto* self = reinterpret_cast<DesktopWindowStandIn*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == messages::kSaveJournal) {
        ++self->saves_;
        if (self->onSave_)
            self->onSave_();
        return 0;
    }
    if (self && message == messages::kReloadJournal) {
        ++self->reloads_;
        if (self->onReload_)
            self->onReload_();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace lunea::test
