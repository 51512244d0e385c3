// The day editor: loads the selected day into the controls and writes
// every change straight into its record, then redraws.
#include "app/calendar_page_win.h"
#include "app/status_texts.h"
#include "app/temperature_scale.h"
#include "components/art/image_sets.h"
#include "components/controls/tab_order_win.h"

#include <algorithm>

namespace lunea {

TDayRecord& CalendarPage::SelectedRecord() {
    return context_.days.At(view_.selectedYear, view_.selectedMonth, view_.selectedDay);
}

void CalendarPage::SelectDay(int day) {
    view_.dayLoading = true;
    view_.selectedDay = static_cast<std::uint16_t>(day);
    monthImage_->Repaint(); // the month with the frame around the day
    const TDayRecord& record = SelectedRecord();

    ShowStatus(record.Status);
    for (int status = 0; status < kStatusCount; ++status)
        statusRadios_[static_cast<std::size_t>(status)]->SetChecked(status == record.Status);
    appointmentBox_->SetChecked(record.Appointment != 0);
    pmsBox_->SetChecked(record.PMS != 0);
    sexBox_->SetChecked(record.Sex != 0);
    crampingBox_->SetChecked(record.Cramping != 0);

    const bool hasTemperature = record.Temperature > 1.0;
    tempBox_->SetChecked(hasTemperature);
    ShowScalePosition(hasTemperature ? ScalePositionOfTemperature(record.Temperature) : 0);
    tempEdit_->SetText(TempEditText(hasTemperature ? record.Temperature : kScaleLowest,
                                    context_.settings.useFahrenheit));

    secretBox_->SetChecked(record.Secrets != 0);
    protectBox_->SetChecked(record.Protect != 0);
    // Only a different note is set: setting the text moves the caret, and
    // every keystroke in the memo comes back here.
    const std::string note(record.Note.Text());
    if (noteEdit_->Text() != note)
        noteEdit_->SetText(note);

    UpdateWindow(mainWindow_);
    if (IsWindowVisible(noteEdit_->Window()) && !KeepsFocusOnRedraw(GetFocus()))
        SetFocus(noteEdit_->Window());
    view_.dayLoading = false;
}

// After a redraw the note has the focus, so typing a note goes on through
// every change the typing makes. Only a skinned control Tab put the focus
// on keeps it: Space there redraws, and the user stays where they are.
bool CalendarPage::KeepsFocusOnRedraw(HWND focus) const {
    return SkinControl::FromWindow(focus) &&
           std::find(tabOrder_.begin(), tabOrder_.end(), focus) != tabOrder_.end();
}

void CalendarPage::TabToNextControl(bool backwards) const {
    if (const HWND next = NextTabStop(tabOrder_, GetFocus(), backwards))
        FocusByTab(next);
}

void CalendarPage::ShowStatus(int status) {
    statusMenu_.Check(status);
    statusButton_->SetImage(ImageRef{ImageSetId::Status, status});
    statusButton_->SetCaption(StatusMenuCaption(status));
}

void CalendarPage::ShowTemperatureFormat() {
    InvalidateRect(tempDigitImage_->Window(), nullptr, FALSE);
    tempUnitLabel_->SetText(context_.settings.useFahrenheit ? "\xB0"
                                                              "F"
                                                            : "\xB0"
                                                              "C");
}

void CalendarPage::ShowScalePosition(int position) {
    scalePosition_ = position;
    InvalidateRect(temperatureScale_->Window(), nullptr, FALSE);
}

void CalendarPage::StatusRadioClick(int status) {
    if (view_.dayLoading)
        return;
    TDayRecord& record = SelectedRecord();
    record.Status = static_cast<std::uint8_t>(status);
    record.Flag = 1;
    ShowStatus(status);
    context_.journalChanged();
}

void CalendarPage::ShowStatusMenu() {
    RECT frame{};
    GetWindowRect(mainWindow_, &frame);
    const int index = statusMenu_.Track(mainWindow_, frame.left + 518, frame.top + 117);
    if (index >= 0)
        StatusMenuClick(index);
}

void CalendarPage::StatusMenuClick(int index) {
    if (view_.dayLoading)
        return;
    statusMenu_.Check(index);
    TDayRecord& record = SelectedRecord();
    record.Status = static_cast<std::uint8_t>(index);
    record.Flag = 1;
    ShowStatus(index);
    for (int status = 0; status < kStatusCount; ++status)
        statusRadios_[static_cast<std::size_t>(status)]->SetChecked(status == index);
    context_.journalChanged();
}

void CalendarPage::TempBoxClick() {
    if (view_.dayLoading)
        return;
    TDayRecord& record = SelectedRecord();
    record.Temperature = tempBox_->IsChecked() ? TemperatureAtPosition(scalePosition_) : 0.0;
    record.Flag = 1;
    context_.journalChanged();
}

void CalendarPage::ScaleMouseDown(int x) {
    if (view_.dayLoading)
        return;
    const int position = ScalePositionAtX(x);
    ShowScalePosition(position);
    const double temperature = TemperatureAtPosition(position);
    tempEdit_->SetText(ScaleClickText(temperature, context_.settings.useFahrenheit));
    TDayRecord& record = SelectedRecord();
    record.Temperature = temperature;
    record.Flag = 1;
    // The month only changes when the day gains its temperature mark; the
    // analysis reads no temperatures.
    if (!tempBox_->IsChecked()) {
        tempBox_->SetChecked(true);
        context_.journalChanged();
    }
}

void CalendarPage::ScaleMouseMove(const MouseEvent& event) {
    const bool leftAlone = event.left && !event.right && !event.middle && !event.shift &&
                           !event.control && GetKeyState(VK_MENU) >= 0;
    if (leftAlone)
        ScaleMouseDown(event.at.x);
}

void CalendarPage::TakeTypedTemperature() {
    if (view_.dayLoading)
        return;
    const double temperature =
        TempEditTemperature(tempEdit_->Text(), context_.settings.useFahrenheit);
    tempEdit_->SetText(TempEditText(temperature, context_.settings.useFahrenheit));
    tempBox_->SetChecked(true);
    ShowScalePosition(ScalePositionOfTemperature(temperature));
    TDayRecord& record = SelectedRecord();
    record.Temperature = temperature;
    record.Flag = 1;
    context_.journalChanged();
}

void CalendarPage::MarkClick(const CheckBox& box, std::uint8_t TDayRecord::*field) {
    if (view_.dayLoading)
        return;
    TDayRecord& record = SelectedRecord();
    record.*field = box.IsChecked() ? 1 : 0;
    record.Flag = 1;
    context_.journalChanged();
}

void CalendarPage::PMSBoxClick() {
    MarkClick(*pmsBox_, &TDayRecord::PMS);
}
void CalendarPage::SexBoxClick() {
    MarkClick(*sexBox_, &TDayRecord::Sex);
}
void CalendarPage::CrampingBoxClick() {
    MarkClick(*crampingBox_, &TDayRecord::Cramping);
}
void CalendarPage::AppointBoxClick() {
    MarkClick(*appointmentBox_, &TDayRecord::Appointment);
}
void CalendarPage::SecretBoxClick() {
    MarkClick(*secretBox_, &TDayRecord::Secrets);
}
void CalendarPage::ProtectBoxClick() {
    MarkClick(*protectBox_, &TDayRecord::Protect);
}

void CalendarPage::NoteChange() {
    if (view_.dayLoading || GetFocus() != noteEdit_->Window())
        return;
    TDayRecord& record = SelectedRecord();
    record.Note.Assign(noteEdit_->Text());
    record.Flag = 1;
    context_.journalChanged();
}

} // namespace lunea
