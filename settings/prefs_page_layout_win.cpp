// Creates the Preferences page's controls where its layout puts them and
// connects each to its handler.
#include "components/controls/control_painters.h"
#include "components/art/desktop_skin.h"
#include "components/art/image_sets.h"
#include "settings/prefs_ids.h"
#include "settings/prefs_page_layout.h"
#include "settings/prefs_page_win.h"

namespace lunea {
namespace {

namespace ids = prefs_ids;

constexpr Color kEditColor = 15390143;
constexpr int kTemperatureGroup = 3;
constexpr int kCycleLengthGroup = 4;

// Relative to the control it stands in: a sheet, or the icon frame.
Rect Local(int id) {
    const ControlSpec& entry = PrefsLayoutOf(id);
    if (entry.parent != ids::IconFrame)
        return entry.bounds;
    return RelativeTo(entry.bounds, PrefsLayoutOf(ids::IconFrame).bounds);
}

std::unique_ptr<PushButton> Button(HWND parent, int id,
                                   ClickBehaviour behaviour = ClickBehaviour::Push) {
    return std::make_unique<PushButton>(parent, id, Local(id), PrefsLayoutOf(id).text, std::nullopt,
                                        behaviour);
}

std::unique_ptr<SkinLabel> Label(HWND parent, int id) {
    return std::make_unique<SkinLabel>(parent, id, Local(id), PrefsLayoutOf(id).text);
}

Font TabFont() {
    Font font = ControlFont();
    font.style = kBold;
    return font;
}

EditBoxStyle EditStyle(DWORD style, int limit) {
    return {style, limit, ControlFont(), kEditColor};
}

} // namespace

PrefsPage::PrefsPage(HWND mainWindow, const PrefsPagePlace& place, PrefsPageContext context)
    : mainWindow_(mainWindow), context_(std::move(context)),
      page_(mainWindow, place.containerId, place.container) {
    panel_ = std::make_unique<PaintBox>(page_.Window(), ids::PrefsPanel, place.panel);
    panel_->SetPainter([](Canvas& canvas, const Rect& client) {
        canvas.Rectangle(client, Pen::None(), Brush{kPagePanelColor});
    });
    sheets_ =
        std::make_unique<TabControl>(*panel_, ids::PrefsPageControl, place.pageControl, TabFont(),
                                     [this](HDC dc, int index, const Rect& tab, bool active) {
                                         DrawSheetTab(dc, index, tab, active);
                                     });
    CreateGeneralSheet(sheets_->AddTab("General", ids::GeneralSheet));
    CreateEstimatesSheet(sheets_->AddTab("Estimates", ids::EstimatesSheet));
    CreateCalendarSheet(sheets_->AddTab("Calendar", ids::CalendarSheet));
    sheets_->Select(0);
    page_.Show(false);
}

void PrefsPage::AddBevels(Panel& sheet, int first, int count) {
    for (int id = first; id < first + count; ++id) {
        auto bevel = std::make_unique<PaintBox>(sheet.Window(), id, Local(id));
        bevel->SetPainter(PaintBevel);
        bevels_.push_back(std::move(bevel));
    }
}

void PrefsPage::AddDefaultButton(Panel& sheet, int id) {
    defaultButtons_.push_back(Button(sheet.Window(), id));
    sheet.OnClick(id, [this] { RestoreDefaultSettings(); });
}

void PrefsPage::CreateGeneralSheet(Panel& sheet) {
    const HWND parent = sheet.Window();
    for (int id : {ids::TempFormatLabel, ids::CelsiusLabel, ids::FahrenheitLabel,
                   ids::PasswordLabel, ids::DataLabel, ids::ClearDatabaseLabel, ids::ExportLabel})
        labels_.push_back(Label(parent, id));
    celsiusButton_ = Button(parent, ids::CelsiusButton, ClickBehaviour::Radio);
    fahrenheitButton_ = Button(parent, ids::FahrenheitButton, ClickBehaviour::Radio);
    celsiusButton_->SetGroup(kTemperatureGroup);
    fahrenheitButton_->SetGroup(kTemperatureGroup);
    passwordEdit_ = std::make_unique<EditBox>(
        parent, ids::PasswordEdit, Local(ids::PasswordEdit),
        EditStyle(ES_AUTOHSCROLL, static_cast<int>(Settings::kPasswordCapacity)));
    clearDatabaseButton_ = Button(parent, ids::ClearDatabaseButton);
    clearDatabaseButton_->SetImage(ImageRef{ImageSetId::Glyphs, glyph::kClose});
    sheet.OnClick(ids::ClearDatabaseButton, [this] { ClearDatabase(); });
    exportButton_ = Button(parent, ids::ExportCsvButton);
    sheet.OnClick(ids::ExportCsvButton, [this] { context_.exportData(); });
    AddBevels(sheet, ids::GeneralBevels, 4);
    AddDefaultButton(sheet, ids::GeneralDefault);
}

void PrefsPage::CreateEstimatesSheet(Panel& sheet) {
    const HWND parent = sheet.Window();
    for (int id : {ids::CycleLengthLabel, ids::FertilePeriodLabel, ids::OvulationDaysLabel,
                   ids::MenstruationLabel, ids::MenstruationDaysLabel, ids::LutealLabel,
                   ids::LutealDaysLabel})
        labels_.push_back(Label(parent, id));
    averageButton_ = Button(parent, ids::AverageButton, ClickBehaviour::Radio);
    customButton_ = Button(parent, ids::CustomButton, ClickBehaviour::Radio);
    averageButton_->SetGroup(kCycleLengthGroup);
    customButton_->SetGroup(kCycleLengthGroup);
    sheet.OnClick(ids::AverageButton, [this] { UseAverageLength(); });
    sheet.OnClick(ids::CustomButton, [this] { UseCustomLength(); });
    averageLengthLabel_ = Label(parent, ids::AverageLengthLabel);
    customLengthEdit_ = std::make_unique<EditBox>(
        parent, ids::CustomLengthEdit, Local(ids::CustomLengthEdit), EditStyle(ES_NUMBER, 2));
    customDaysLabel_ = Label(parent, ids::CustomDaysLabel);
    const auto spin = [&](int id, int minimum, int maximum) {
        return std::make_unique<SpinEdit>(parent, id, Local(id), SpinRange{minimum, maximum},
                                          kEditColor);
    };
    fertileDaysSpin_ = spin(ids::OvulationSpinEdit, 1, 10);
    menstruationSpin_ = spin(ids::MenstruationSpinEdit, 1, 10);
    lutealSpin_ = spin(ids::LutealSpinEdit, 8, 18);
    showCoverlineBox_ =
        std::make_unique<CheckBox>(parent, ids::ShowCoverlineBox, Local(ids::ShowCoverlineBox),
                                   PrefsLayoutOf(ids::ShowCoverlineBox).text);
    AddBevels(sheet, ids::EstimatesBevels, 4);
    AddDefaultButton(sheet, ids::EstimatesDefault);
}

void PrefsPage::CreateCalendarSheet(Panel& sheet) {
    const HWND parent = sheet.Window();
    for (int id : {ids::CalendarColorsLabel, ids::ClearDayLabel, ids::FlowDaysLabel,
                   ids::FertileDaysLabel, ids::PredictedFlowLabel, ids::CalendarIconsLabel})
        labels_.push_back(Label(parent, id));
    const int panels[4] = {ids::ClearDayColor, ids::FlowDayColor, ids::FertileDayColor,
                           ids::PredictedFlowColor};
    for (int i = 0; i < 4; ++i) {
        auto& panel = colorPanels_[static_cast<std::size_t>(i)];
        panel = std::make_unique<PaintBox>(parent, panels[i], Local(panels[i]));
        panel->SetPainter([this, i](Canvas& canvas, const Rect& client) {
            canvas.Rectangle(client, {kBlack, 1}, {colors_[static_cast<std::size_t>(i)]});
        });
        panel->SetMouseDown([this, i](const MouseEvent&) { ChooseDayColor(i); });
    }

    iconFrame_ = std::make_unique<PaintBox>(parent, ids::IconFrame, Local(ids::IconFrame));
    iconFrame_->SetPainter([](Canvas& canvas, const Rect& client) {
        canvas.RoundRect(client, 10, 10, {kBlack, 1}, {kWhite});
    });
    dayIconButton_ = Button(iconFrame_->Window(), ids::DayIconButton);
    for (int kind = 0; kind < kIconKindCount; ++kind)
        iconKindMenu_.Add(IconKindCaption(kind), ImageRef{ImageSetId::IconKinds, kind});
    for (int slot = 0; slot < 8; ++slot) {
        auto& button = iconButtons_[static_cast<std::size_t>(slot)];
        button = Button(iconFrame_->Window(), ids::IconSlotButtons + slot);
        button->SetImageAbove(true);
        // The longest kinds' captions fit the 50 pixels of a slot.
        Font small = button->GetFont();
        small.height = -10;
        button->SetFont(small);
        iconFrame_->OnClick(ids::IconSlotButtons + slot, [this, slot] { ShowIconKindMenu(slot); });
    }
    AddBevels(sheet, ids::CalendarBevels, 2);
    AddDefaultButton(sheet, ids::CustomDefault);
}

} // namespace lunea
