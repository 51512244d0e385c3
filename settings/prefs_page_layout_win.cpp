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
    PrefsPanel = std::make_unique<PaintBox>(page_.Window(), ids::PrefsPanel, place.panel);
    PrefsPanel->SetPainter([](Canvas& canvas, const Rect& client) {
        canvas.Rectangle(client, Pen::None(), Brush{kPagePanelColor});
    });
    PrefsPageControl = std::make_unique<TabControl>(
        *PrefsPanel, ids::PrefsPageControl, place.pageControl, TabFont(),
        [this](HDC dc, int index, const Rect& tab, bool active) {
            PrefsPageControlDrawTab(dc, index, tab, active);
        });
    CreateGeneralSheet(PrefsPageControl->AddTab("General", ids::GeneralSheet));
    CreateEstimatesSheet(PrefsPageControl->AddTab("Estimates", ids::EstimatesSheet));
    CreateCalendarSheet(PrefsPageControl->AddTab("Calendar", ids::CalendarSheet));
    PrefsPageControl->Select(0);
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
    sheet.OnClick(id, [this] { GeneralDefaultClick(); });
}

void PrefsPage::CreateGeneralSheet(Panel& sheet) {
    const HWND parent = sheet.Window();
    for (int id : {ids::TempFormatLabel, ids::CelsiusLabel, ids::FahrenheitLabel,
                   ids::PasswordLabel, ids::DataLabel, ids::ClearDatabaseLabel, ids::ExportLabel})
        labels_.push_back(Label(parent, id));
    CelBtn = Button(parent, ids::CelBtn, ClickBehaviour::Radio);
    FarBtn = Button(parent, ids::FarBtn, ClickBehaviour::Radio);
    CelBtn->SetGroup(kTemperatureGroup);
    FarBtn->SetGroup(kTemperatureGroup);
    PassEdit = std::make_unique<EditBox>(
        parent, ids::PassEdit, Local(ids::PassEdit),
        EditStyle(ES_AUTOHSCROLL, static_cast<int>(Settings::PasswordCapacity)));
    SpeedButton13 = Button(parent, ids::SpeedButton13);
    SpeedButton13->SetImage(ImageRef{ImageSetId::Glyphs, glyph::kClose});
    sheet.OnClick(ids::SpeedButton13, [this] { SpeedButton13Click(); });
    SpeedButton1 = Button(parent, ids::SpeedButton1);
    sheet.OnClick(ids::SpeedButton1, [this] { context_.exportData(); });
    AddBevels(sheet, ids::GeneralBevel0, 4);
    AddDefaultButton(sheet, ids::GeneralDefault);
}

void PrefsPage::CreateEstimatesSheet(Panel& sheet) {
    const HWND parent = sheet.Window();
    for (int id :
         {ids::CycleLengthLabel, ids::FertilePeriodLabel, ids::OvulationDaysLabel,
          ids::MenstruationLabel, ids::MenstruationDaysLabel, ids::LuterLabel, ids::LuterDaysLabel})
        labels_.push_back(Label(parent, id));
    AverageButton = Button(parent, ids::AverageButton, ClickBehaviour::Radio);
    CustomButton = Button(parent, ids::CustomButton, ClickBehaviour::Radio);
    AverageButton->SetGroup(kCycleLengthGroup);
    CustomButton->SetGroup(kCycleLengthGroup);
    sheet.OnClick(ids::AverageButton, [this] { AverageButtonClick(); });
    sheet.OnClick(ids::CustomButton, [this] { CustomButtonClick(); });
    DaysLabel1 = Label(parent, ids::DaysLabel1);
    DaysEdit1 = std::make_unique<EditBox>(parent, ids::DaysEdit1, Local(ids::DaysEdit1),
                                          EditStyle(ES_NUMBER, 2));
    Label20 = Label(parent, ids::Label20);
    const auto spin = [&](int id, int minimum, int maximum) {
        return std::make_unique<SpinEdit>(parent, id, Local(id), SpinRange{minimum, maximum},
                                          kEditColor);
    };
    OvulationSpinEdit = spin(ids::OvulationSpinEdit, 1, 10);
    MenstruationSpinEdit = spin(ids::MenstruationSpinEdit, 1, 10);
    LuterSpinEdit = spin(ids::LuterSpinEdit, 8, 18);
    AddBevels(sheet, ids::EstimatesBevel0, 4);
    AddDefaultButton(sheet, ids::EstimatesDefault);
}

void PrefsPage::CreateCalendarSheet(Panel& sheet) {
    const HWND parent = sheet.Window();
    for (int id : {ids::CalendarColorsLabel, ids::ClearDayLabel, ids::FlowDaysLabel,
                   ids::FertileDaysLabel, ids::PredictedFlowLabel, ids::CalendarIconsLabel})
        labels_.push_back(Label(parent, id));
    const int panels[4] = {ids::clearPanel, ids::startPanel, ids::ovlPanel, ids::possStPanel};
    for (int i = 0; i < 4; ++i) {
        auto& panel = colorPanels_[static_cast<std::size_t>(i)];
        panel = std::make_unique<PaintBox>(parent, panels[i], Local(panels[i]));
        panel->SetPainter([this, i](Canvas& canvas, const Rect& client) {
            canvas.Rectangle(client, {Rgb(0, 0, 0), 1}, {colors_[static_cast<std::size_t>(i)]});
        });
        panel->SetMouseDown([this, i](const MouseEvent&) { ColorPanelClick(i); });
    }

    IconFrame = std::make_unique<PaintBox>(parent, ids::IconFrame, Local(ids::IconFrame));
    IconFrame->SetPainter([](Canvas& canvas, const Rect& client) {
        canvas.RoundRect(client, 10, 10, {Rgb(0, 0, 0), 1}, {Rgb(255, 255, 255)});
    });
    DayIconBtn = Button(IconFrame->Window(), ids::DayIconBtn);
    for (int kind = 0; kind < kIconKindCount; ++kind)
        CalIconsPopupMenu.Add(IconKindCaption(kind), ImageRef{ImageSetId::IconKinds, kind});
    for (int slot = 0; slot < 8; ++slot) {
        auto& button = IconBtn[static_cast<std::size_t>(slot)];
        button = Button(IconFrame->Window(), ids::IconBtn0 + slot);
        button->SetImageAbove(true);
        // The longest kinds' captions fit the 50 pixels of a slot.
        Font small = button->GetFont();
        small.height = -10;
        button->SetFont(small);
        IconFrame->OnClick(ids::IconBtn0 + slot, [this, slot] { IconBtnClick(slot); });
    }
    AddBevels(sheet, ids::CalendarBevel0, 2);
    AddDefaultButton(sheet, ids::CustomDefault);
}

} // namespace lunea
