// The day editor: loads the selected day into the controls and writes
// every change straight into its record, then redraws.
#include "app/main_window_win.h"
#include "app/status_texts.h"
#include "app/temperature_scale.h"
#include "components/image_sets.h"

#include <vector>

namespace lunea {
namespace {

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(window, text.data(), length + 1);
    return text.data();
}

} // namespace

TDayRecord& TMainForm::SelectedRecord() {
    return journal_.Days().At(SelectedYear, SelectedMonth, SelectedDay);
}

void TMainForm::SelectDay(int day) {
    DayLoading = true;
    SelectedDay = static_cast<std::uint16_t>(day);
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
    SetWindowTextA(TempEdit, TempEditText(hasTemperature ? record.Temperature : kScaleLowest,
                                          settings_.UseFahrenheit)
                                 .c_str());

    SecretBox->SetChecked(record.Secrets != 0);
    ProtectBox->SetChecked(record.Protect != 0);
    // Only a different note is set: setting the text moves the caret, and
    // every keystroke in the memo comes back here.
    const std::string note(record.Note.Text());
    if (WindowText(Memo1) != note)
        SetWindowTextA(Memo1, note.c_str());

    UpdateWindow(window_);
    if (IsWindowVisible(Memo1))
        SetFocus(Memo1);
    DayLoading = false;
}

void TMainForm::ShowStatus(int status) {
    StatusPopupMenu.Check(status);
    StatusButton->SetImage(ImageRef{ImageSetId::Status, status});
    StatusButton->SetCaption(StatusMenuCaption(status));
}

void TMainForm::ShowTemperatureFormat() {
    InvalidateRect(TempDigitImage->Window(), nullptr, FALSE);
    TempUnitLabel->SetText(settings_.UseFahrenheit ? "\xB0"
                                                     "F"
                                                   : "\xB0"
                                                     "C");
}

void TMainForm::ShowScalePosition(int position) {
    scalePosition_ = position;
    InvalidateRect(ProgressBar1->Window(), nullptr, FALSE);
}

void TMainForm::StatusRadioClick(int status) {
    if (DayLoading)
        return;
    TDayRecord& record = SelectedRecord();
    record.Status = static_cast<std::uint8_t>(status);
    record.Flag = 1;
    ShowStatus(status);
    RepaintView();
}

void TMainForm::StatusButtonClick() {
    RECT frame{};
    GetWindowRect(window_, &frame);
    const int index = StatusPopupMenu.Track(window_, frame.left + 518, frame.top + 117);
    if (index >= 0)
        StatusPopUpClick(index);
}

void TMainForm::StatusPopUpClick(int index) {
    if (DayLoading)
        return;
    StatusPopupMenu.Check(index);
    TDayRecord& record = SelectedRecord();
    record.Status = static_cast<std::uint8_t>(index);
    record.Flag = 1;
    ShowStatus(index);
    for (int status = 0; status < kStatusCount; ++status)
        StatusBtn[static_cast<std::size_t>(status)]->SetChecked(status == index);
    RepaintView();
}

void TMainForm::TempBoxClick() {
    if (DayLoading)
        return;
    TDayRecord& record = SelectedRecord();
    record.Temperature = TempBox->IsChecked() ? TemperatureAtPosition(scalePosition_) : 0.0;
    record.Flag = 1;
    RepaintView();
}

void TMainForm::ProgressBar1MouseDown(int x) {
    if (DayLoading)
        return;
    const int position = ScalePositionAtX(x);
    ShowScalePosition(position);
    const double temperature = TemperatureAtPosition(position);
    SetWindowTextA(TempEdit, ScaleClickText(temperature, settings_.UseFahrenheit).c_str());
    TDayRecord& record = SelectedRecord();
    record.Temperature = temperature;
    record.Flag = 1;
    // The month only changes when the day gains its temperature mark.
    if (!TempBox->IsChecked()) {
        TempBox->SetChecked(true);
        RepaintView();
    }
}

void TMainForm::ProgressBar1MouseMove(const MouseEvent& event) {
    const bool leftAlone = event.left && !event.right && !event.middle && !event.shift &&
                           !event.control && GetKeyState(VK_MENU) >= 0;
    if (leftAlone)
        ProgressBar1MouseDown(event.at.x);
}

void TMainForm::TempEditClickBtn() {
    if (DayLoading)
        return;
    const double temperature = TempEditTemperature(WindowText(TempEdit), settings_.UseFahrenheit);
    SetWindowTextA(TempEdit, TempEditText(temperature, settings_.UseFahrenheit).c_str());
    TempBox->SetChecked(true);
    ShowScalePosition(ScalePositionOfTemperature(temperature));
    TDayRecord& record = SelectedRecord();
    record.Temperature = temperature;
    record.Flag = 1;
    RepaintView();
}

void TMainForm::CheckBoxClick(CheckBox& box, std::uint8_t TDayRecord::*field) {
    if (DayLoading)
        return;
    TDayRecord& record = SelectedRecord();
    record.*field = box.IsChecked() ? 1 : 0;
    record.Flag = 1;
    RepaintView();
}

void TMainForm::PMSBoxClick() {
    CheckBoxClick(*PMSBox, &TDayRecord::PMS);
}
void TMainForm::SexBoxClick() {
    CheckBoxClick(*SexBox, &TDayRecord::Sex);
}
void TMainForm::CrampingBoxClick() {
    CheckBoxClick(*CrampingBox, &TDayRecord::Cramping);
}
void TMainForm::AppointBoxClick() {
    CheckBoxClick(*AppointBox, &TDayRecord::Appointment);
}
void TMainForm::SecretBoxClick() {
    CheckBoxClick(*SecretBox, &TDayRecord::Secrets);
}
void TMainForm::ProtectBoxClick() {
    CheckBoxClick(*ProtectBox, &TDayRecord::Protect);
}

void TMainForm::Memo1Change() {
    if (DayLoading || GetFocus() != Memo1)
        return;
    TDayRecord& record = SelectedRecord();
    record.Note.Assign(WindowText(Memo1));
    record.Flag = 1;
    RepaintView();
}

} // namespace lunea
