// The day editor: loads the selected day into the controls and writes
// every change straight into its record, then redraws.
#include "app/calendar_page_win.h"
#include "app/status_texts.h"
#include "app/temperature_scale.h"
#include "components/art/image_sets.h"

namespace lunea {

TDayRecord& CalendarPage::SelectedRecord() {
    return context_.days.At(view_.SelectedYear, view_.SelectedMonth, view_.SelectedDay);
}

void CalendarPage::SelectDay(int day) {
    view_.DayLoading = true;
    view_.SelectedDay = static_cast<std::uint16_t>(day);
    MainImage->Repaint(); // the month with the frame around the day
    const TDayRecord& record = SelectedRecord();

    ShowStatus(record.Status);
    for (int status = 0; status < kStatusCount; ++status)
        StatusBtn[static_cast<std::size_t>(status)]->SetChecked(status == record.Status);
    AppointBox->SetChecked(record.Appointment != 0);
    PMSBox->SetChecked(record.PMS != 0);
    SexBox->SetChecked(record.Sex != 0);
    CrampingBox->SetChecked(record.Cramping != 0);

    const bool hasTemperature = record.Temperature > 1.0;
    TempBox->SetChecked(hasTemperature);
    ShowScalePosition(hasTemperature ? ScalePositionOfTemperature(record.Temperature) : 0);
    TempEdit->SetText(TempEditText(hasTemperature ? record.Temperature : kScaleLowest,
                                   context_.settings.UseFahrenheit));

    SecretBox->SetChecked(record.Secrets != 0);
    ProtectBox->SetChecked(record.Protect != 0);
    // Only a different note is set: setting the text moves the caret, and
    // every keystroke in the memo comes back here.
    const std::string note(record.Note.Text());
    if (Memo1->Text() != note)
        Memo1->SetText(note);

    UpdateWindow(mainWindow_);
    if (IsWindowVisible(Memo1->Window()))
        SetFocus(Memo1->Window());
    view_.DayLoading = false;
}

void CalendarPage::ShowStatus(int status) {
    StatusPopupMenu.Check(status);
    StatusButton->SetImage(ImageRef{ImageSetId::Status, status});
    StatusButton->SetCaption(StatusMenuCaption(status));
}

void CalendarPage::ShowTemperatureFormat() {
    InvalidateRect(TempDigitImage->Window(), nullptr, FALSE);
    TempUnitLabel->SetText(context_.settings.UseFahrenheit ? "\xB0"
                                                             "F"
                                                           : "\xB0"
                                                             "C");
}

void CalendarPage::ShowScalePosition(int position) {
    scalePosition_ = position;
    InvalidateRect(ProgressBar1->Window(), nullptr, FALSE);
}

void CalendarPage::StatusRadioClick(int status) {
    if (view_.DayLoading)
        return;
    TDayRecord& record = SelectedRecord();
    record.Status = static_cast<std::uint8_t>(status);
    record.Flag = 1;
    ShowStatus(status);
    context_.repaintView();
}

void CalendarPage::StatusButtonClick() {
    RECT frame{};
    GetWindowRect(mainWindow_, &frame);
    const int index = StatusPopupMenu.Track(mainWindow_, frame.left + 518, frame.top + 117);
    if (index >= 0)
        StatusPopUpClick(index);
}

void CalendarPage::StatusPopUpClick(int index) {
    if (view_.DayLoading)
        return;
    StatusPopupMenu.Check(index);
    TDayRecord& record = SelectedRecord();
    record.Status = static_cast<std::uint8_t>(index);
    record.Flag = 1;
    ShowStatus(index);
    for (int status = 0; status < kStatusCount; ++status)
        StatusBtn[static_cast<std::size_t>(status)]->SetChecked(status == index);
    context_.repaintView();
}

void CalendarPage::TempBoxClick() {
    if (view_.DayLoading)
        return;
    TDayRecord& record = SelectedRecord();
    record.Temperature = TempBox->IsChecked() ? TemperatureAtPosition(scalePosition_) : 0.0;
    record.Flag = 1;
    context_.repaintView();
}

void CalendarPage::ProgressBar1MouseDown(int x) {
    if (view_.DayLoading)
        return;
    const int position = ScalePositionAtX(x);
    ShowScalePosition(position);
    const double temperature = TemperatureAtPosition(position);
    TempEdit->SetText(ScaleClickText(temperature, context_.settings.UseFahrenheit));
    TDayRecord& record = SelectedRecord();
    record.Temperature = temperature;
    record.Flag = 1;
    // The month only changes when the day gains its temperature mark.
    if (!TempBox->IsChecked()) {
        TempBox->SetChecked(true);
        context_.repaintView();
    }
}

void CalendarPage::ProgressBar1MouseMove(const MouseEvent& event) {
    const bool leftAlone = event.left && !event.right && !event.middle && !event.shift &&
                           !event.control && GetKeyState(VK_MENU) >= 0;
    if (leftAlone)
        ProgressBar1MouseDown(event.at.x);
}

void CalendarPage::TempEditClickBtn() {
    if (view_.DayLoading)
        return;
    const double temperature =
        TempEditTemperature(TempEdit->Text(), context_.settings.UseFahrenheit);
    TempEdit->SetText(TempEditText(temperature, context_.settings.UseFahrenheit));
    TempBox->SetChecked(true);
    ShowScalePosition(ScalePositionOfTemperature(temperature));
    TDayRecord& record = SelectedRecord();
    record.Temperature = temperature;
    record.Flag = 1;
    context_.repaintView();
}

void CalendarPage::CheckBoxClick(const CheckBox& box, std::uint8_t TDayRecord::*field) {
    if (view_.DayLoading)
        return;
    TDayRecord& record = SelectedRecord();
    record.*field = box.IsChecked() ? 1 : 0;
    record.Flag = 1;
    context_.repaintView();
}

void CalendarPage::PMSBoxClick() {
    CheckBoxClick(*PMSBox, &TDayRecord::PMS);
}
void CalendarPage::SexBoxClick() {
    CheckBoxClick(*SexBox, &TDayRecord::Sex);
}
void CalendarPage::CrampingBoxClick() {
    CheckBoxClick(*CrampingBox, &TDayRecord::Cramping);
}
void CalendarPage::AppointBoxClick() {
    CheckBoxClick(*AppointBox, &TDayRecord::Appointment);
}
void CalendarPage::SecretBoxClick() {
    CheckBoxClick(*SecretBox, &TDayRecord::Secrets);
}
void CalendarPage::ProtectBoxClick() {
    CheckBoxClick(*ProtectBox, &TDayRecord::Protect);
}

void CalendarPage::Memo1Change() {
    if (view_.DayLoading || GetFocus() != Memo1->Window())
        return;
    TDayRecord& record = SelectedRecord();
    record.Note.Assign(Memo1->Text());
    record.Flag = 1;
    context_.repaintView();
}

} // namespace lunea
