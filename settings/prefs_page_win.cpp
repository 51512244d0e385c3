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
    PassEdit->SetText(values.password);
    OvulationSpinEdit->SetValue(values.ovulation);
    MenstruationSpinEdit->SetValue(values.menstruation);
    LuterSpinEdit->SetValue(values.luterPhase);
    colors_ = {static_cast<Color>(values.colors[0]), static_cast<Color>(values.colors[1]),
               static_cast<Color>(values.colors[2]), static_cast<Color>(values.colors[3])};
    for (const auto& panel : colorPanels_)
        panel->Repaint();
    context_.analysis.GetCStartAndLen(context_.journal.Days(), CycleRulesOf(settings));
    DaysLabel1->SetText(std::to_string(context_.analysis.AvgLen) + " days");
    DaysEdit1->SetText(values.customDays);
    (values.customCycle ? CustomButton : AverageButton)->SetChecked(true);
    (values.customCycle ? AverageButton : CustomButton)->SetChecked(false);
    ShowCycleLength(values.customCycle);
    FarBtn->SetChecked(values.fahrenheit);
    CelBtn->SetChecked(!values.fahrenheit);
}

PrefsValues PrefsPage::Values() const {
    PrefsValues values;
    values.password = PassEdit->Text();
    values.fahrenheit = FarBtn->IsChecked();
    values.customCycle = CustomButton->IsChecked();
    values.customDays = DaysEdit1->Text();
    for (std::size_t i = 0; i < colors_.size(); ++i)
        values.colors[i] = static_cast<int>(colors_[i]);
    values.ovulation = OvulationSpinEdit->Value();
    values.menstruation = MenstruationSpinEdit->Value();
    values.luterPhase = LuterSpinEdit->Value();
    return values;
}

void PrefsPage::ShowIconKinds() {
    for (int slot = 0; slot < Settings::IconSlots; ++slot) {
        const int kind = context_.settings.calIcon[static_cast<std::size_t>(slot)];
        auto& button = IconBtn[static_cast<std::size_t>(slot)];
        button->SetImage(ImageRef{ImageSetId::IconKinds, ShownIconKind(kind)});
        button->SetCaption(IconKindCaption(kind));
    }
}

void PrefsPage::PrefsPageControlDrawTab(HDC dc, int index, const Rect& tab, bool active) const {
    if (index < 0 || index >= 3)
        return;
    Font font = ControlFont();
    font.style = kBold;
    font.color = active ? kActiveTabColor : Rgb(0, 0, 0);
    GdiCanvas(dc).Text({tab.left + (active ? 8 : 5), tab.top + 2}, kTabCaptions[index], font);
}

void PrefsPage::ShowCycleLength(bool custom) {
    ShowWindow(DaysLabel1->Window(), custom ? SW_HIDE : SW_SHOW);
    ShowWindow(DaysEdit1->Window(), custom ? SW_SHOW : SW_HIDE);
    ShowWindow(Label20->Window(), custom ? SW_SHOW : SW_HIDE);
}

void PrefsPage::AverageButtonClick() {
    ShowCycleLength(false);
    DaysLabel1->SetText(std::to_string(context_.analysis.AvgLen) + " days");
}

void PrefsPage::CustomButtonClick() {
    ShowCycleLength(true);
}

void PrefsPage::ColorPanelClick(int panel) {
    Color& color = colors_[static_cast<std::size_t>(panel)];
    if (const auto chosen = ChooseColour(mainWindow_, color)) {
        color = *chosen;
        colorPanels_[static_cast<std::size_t>(panel)]->Repaint();
    }
}

void PrefsPage::IconBtnClick(int slot) {
    SelIconSlot = slot;
    // A kind outside the menu (a hand-edited registry) checks no item.
    CalIconsPopupMenu.Check(context_.settings.calIcon[static_cast<std::size_t>(slot)]);
    const Rect& button = PrefsLayoutOf(prefs_ids::IconBtn0 + slot).bounds;
    RECT frame{};
    GetWindowRect(mainWindow_, &frame);
    const int kind = CalIconsPopupMenu.Track(mainWindow_, frame.left + button.left + 140,
                                             frame.top + button.top + 100);
    if (kind >= 0)
        CalIconsPopupClick(kind);
}

void PrefsPage::CalIconsPopupClick(int kind) {
    context_.settings.calIcon[static_cast<std::size_t>(SelIconSlot)] = kind;
    ShowIconKinds();
}

void PrefsPage::GeneralDefaultClick() {
    RestoreDefaultPrefs(context_.settings);
    Fill();
    ShowIconKinds();
}

void PrefsPage::SpeedButton13Click() {
    context_.journal.ClearDatabase();
    context_.repaintView();
}

} // namespace lunea
