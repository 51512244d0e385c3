// The Preferences page's behaviour: filling it, reading it back, and its
// buttons, colour panels and icon slots.
#include "settings/prefs_page_win.h"

#include "components/controls/color_dialog_win.h"
#include "components/controls/control_painters.h"
#include "components/canvas/gdi_canvas_win.h"
#include "components/art/image_sets.h"
#include "settings/prefs_ids.h"
#include "settings/prefs_page_layout.h"

namespace lunea {
namespace {

constexpr Color kActiveTabColor = 8388736;
const char* const kTabCaptions[] = {"General", "Estimates", "Calendar"};

} // namespace

void PrefsPage::Fill() {
    const Settings& settings = context_.settings;
    const PrefsValues values = PrefsValuesOf(settings);
    passwordEdit_->SetText(values.password);
    fertileDaysSpin_->SetValue(values.fertileDays);
    menstruationSpin_->SetValue(values.menstruationDays);
    lutealSpin_->SetValue(values.lutealDays);
    colors_ = {static_cast<Color>(values.colors[0]), static_cast<Color>(values.colors[1]),
               static_cast<Color>(values.colors[2]), static_cast<Color>(values.colors[3])};
    for (const auto& panel : colorPanels_)
        panel->Repaint();
    averageLengthLabel_->SetText(std::to_string(context_.analysis.averageLength) + " days");
    customLengthEdit_->SetText(values.customDays);
    (values.customCycle ? customButton_ : averageButton_)->SetChecked(true);
    (values.customCycle ? averageButton_ : customButton_)->SetChecked(false);
    ShowCycleLength(values.customCycle);
    fahrenheitButton_->SetChecked(values.fahrenheit);
    celsiusButton_->SetChecked(!values.fahrenheit);
    showCoverlineBox_->SetChecked(values.showCoverline);
}

PrefsValues PrefsPage::Values() const {
    PrefsValues values;
    values.password = passwordEdit_->Text();
    values.fahrenheit = fahrenheitButton_->IsChecked();
    values.customCycle = customButton_->IsChecked();
    values.customDays = customLengthEdit_->Text();
    for (std::size_t i = 0; i < colors_.size(); ++i)
        values.colors[i] = static_cast<int>(colors_[i]);
    values.fertileDays = fertileDaysSpin_->Value();
    values.menstruationDays = menstruationSpin_->Value();
    values.lutealDays = lutealSpin_->Value();
    values.showCoverline = showCoverlineBox_->IsChecked();
    return values;
}

void PrefsPage::ShowIconKinds() {
    for (int slot = 0; slot < Settings::kIconSlots; ++slot) {
        const int kind = context_.settings.iconKinds[static_cast<std::size_t>(slot)];
        auto& button = iconButtons_[static_cast<std::size_t>(slot)];
        button->SetImage(ImageRef{ImageSetId::IconKinds, ShownIconKind(kind)});
        button->SetCaption(IconKindCaption(kind));
    }
}

void PrefsPage::DrawSheetTab(HDC dc, int index, const Rect& tab, bool active) const {
    if (index < 0 || index >= 3)
        return;
    Font font = ControlFont();
    font.style = kBold;
    font.color = active ? kActiveTabColor : kBlack;
    GdiCanvas(dc).Text({tab.left + (active ? 8 : 5), tab.top + 2}, kTabCaptions[index], font);
}

void PrefsPage::ShowCycleLength(bool custom) {
    ShowWindow(averageLengthLabel_->Window(), custom ? SW_HIDE : SW_SHOW);
    ShowWindow(customLengthEdit_->Window(), custom ? SW_SHOW : SW_HIDE);
    ShowWindow(customDaysLabel_->Window(), custom ? SW_SHOW : SW_HIDE);
}

void PrefsPage::UseAverageLength() {
    ShowCycleLength(false);
    averageLengthLabel_->SetText(std::to_string(context_.analysis.averageLength) + " days");
}

void PrefsPage::UseCustomLength() {
    ShowCycleLength(true);
}

void PrefsPage::ChooseDayColor(int panel) {
    Color& color = colors_[static_cast<std::size_t>(panel)];
    if (const auto chosen = ChooseColour(mainWindow_, color)) {
        color = *chosen;
        colorPanels_[static_cast<std::size_t>(panel)]->Repaint();
    }
}

void PrefsPage::ShowIconKindMenu(int slot) {
    chosenIconSlot_ = slot;
    // A kind outside the menu (a hand-edited registry) checks no item.
    iconKindMenu_.Check(context_.settings.iconKinds[static_cast<std::size_t>(slot)]);
    const Rect& button = PrefsLayoutOf(prefs_ids::IconSlotButtons + slot).bounds;
    RECT frame{};
    GetWindowRect(mainWindow_, &frame);
    const int kind = iconKindMenu_.Track(mainWindow_, frame.left + button.left + 140,
                                         frame.top + button.top + 100);
    if (kind >= 0)
        SetIconKind(kind);
}

void PrefsPage::SetIconKind(int kind) {
    context_.setIconKind(chosenIconSlot_, kind);
    ShowIconKinds();
}

void PrefsPage::RestoreDefaultSettings() {
    context_.restoreDefaults();
    Fill();
    ShowIconKinds();
}

void PrefsPage::ClearDatabase() {
    context_.clearDatabase();
}

} // namespace lunea
