// Creates the Calendar page's controls where the main window's layout puts
// them, and connects each to its handler.
#include "app/calendar_page_win.h"
#include "app/control_ids.h"
#include "app/main_window_layout.h"
#include "app/scale_bar.h"
#include "app/status_texts.h"
#include "app/temperature_scale.h"
#include "components/controls/control_painters.h"
#include "components/art/desktop_skin.h"
#include "components/art/image_sets.h"

namespace lunea {
namespace {

constexpr int kStatusGroup = 2;
constexpr Color kMemoColor = 15390143;

template <typename Control, typename... Extra>
std::unique_ptr<Control> Place(HWND parent, int id, Extra&&... extra) {
    return std::make_unique<Control>(parent, id, BoundsInParent(id), LayoutOf(id).text,
                                     std::forward<Extra>(extra)...);
}

std::unique_ptr<PaintBox> PlaceBox(HWND parent, int id) {
    return std::make_unique<PaintBox>(parent, id, BoundsInParent(id));
}

std::unique_ptr<EditBox> PlaceEdit(HWND parent, int id, EditBoxStyle style) {
    return std::make_unique<EditBox>(parent, id, BoundsInParent(id), style);
}

void AddHint(Hints& hints, HWND control, int id) {
    if (control && !LayoutOf(id).hint.empty())
        hints.Add(control, LayoutOf(id).hint);
}

} // namespace

CalendarPage::CalendarPage(HWND mainWindow, Hints& hints, CalendarPageContext context)
    : mainWindow_(mainWindow), context_(std::move(context)), view_(context_.view),
      page_(mainWindow, ids::CalendarPage, BoundsInParent(ids::CalendarPage)) {
    CreateMonthImage();
    CreateStatusControls(hints);
    CreateTemperatureControls(hints);
    CreateMarksAndNote();
    for (int i = 0; auto& bevel : bevels_) {
        bevel = PlaceBox(page_.Window(), ids::EditorBevels + i++);
        bevel->SetPainter(PaintBevel);
    }
    CreateTabOrder();
}

// Tab walks the controls as the layout places them; the skinned ones take
// the focus from Tab alone, so a mouse user's typing stays in the note.
void CalendarPage::CreateTabOrder() {
    for (const int id : EditorTabOrder()) {
        const HWND control = GetDlgItem(page_.Window(), id);
        if (const SkinControl* skinned = SkinControl::FromWindow(control))
            skinned->SetTabStop();
        tabOrder_.push_back(control);
    }
}

void CalendarPage::CreateMonthImage() {
    calendarPanel_ = PlaceBox(page_.Window(), ids::CalendarPanel);
    calendarPanel_->SetPainter([](Canvas& canvas, const Rect& client) {
        canvas.Rectangle(client, Pen::None(), Brush{kPagePanelColor});
    });
    monthImage_ = PlaceBox(calendarPanel_->Window(), ids::MonthImage);
    monthImage_->SetPainter([this](Canvas& canvas, const Rect&) { PaintMonth(canvas); });
    monthImage_->SetMouseDown(
        [this](const MouseEvent& event) { SelectDayAt(event.at.x, event.at.y); });
}

void CalendarPage::CreateStatusControls(Hints& hints) {
    const HWND parent = page_.Window();
    cervicalFluidLabel_ = Place<SkinLabel>(parent, ids::CervicalFluidLabel);
    statusButton_ = Place<PushButton>(parent, ids::StatusButton);
    page_.OnClick(ids::StatusButton, [this] { ShowStatusMenu(); });
    for (int status = 0; status < kStatusCount; ++status) {
        statusMenu_.Add(StatusMenuCaption(status), ImageRef{ImageSetId::Status, status});
        const int id = ids::StatusRadio0 + status;
        auto& button = statusRadios_[static_cast<std::size_t>(status)];
        button = Place<RadioButton>(parent, id, kStatusGroup);
        AddHint(hints, button->Window(), id);
        page_.OnClick(id, [this, status] { StatusRadioClick(status); });
    }
}

void CalendarPage::CreateTemperatureControls(Hints& hints) {
    const HWND parent = page_.Window();
    tempBox_ = Place<CheckBox>(parent, ids::TempBox);
    page_.OnClick(ids::TempBox, [this] { TempBoxClick(); });
    // The month is drawn in the temperature box's font.
    tempEdit_ =
        PlaceEdit(parent, ids::TempEdit,
                  {ES_AUTOHSCROLL, static_cast<int>(kTempEditMaxLength), CalendarFont(), {}});
    AddHint(hints, tempEdit_->Window(), ids::TempEdit);
    tempEditButton_ =
        Place<PushButton>(parent, ids::TempEditButton, ImageRef{ImageSetId::Glyphs, glyph::kDown});
    page_.OnClick(ids::TempEditButton, [this] { TakeTypedTemperature(); });
    tempUnitLabel_ = Place<SkinLabel>(parent, ids::TempUnitLabel);

    temperatureScale_ = PlaceBox(parent, ids::TempScaleBar);
    temperatureScale_->SetPainter([this](Canvas& canvas, const Rect& client) {
        PaintScaleBar(canvas, client, scalePosition_);
    });
    tempScaleImage_ = PlaceBox(parent, ids::TempScaleImage);
    tempScaleImage_->SetPainter([](Canvas& canvas, const Rect&) {
        canvas.Image({0, 0}, ImageSetId::TempScale, 0);
    });
    for (PaintBox* scale : {temperatureScale_.get(), tempScaleImage_.get()}) {
        scale->SetMouseDown([this](const MouseEvent& event) { ScaleMouseDown(event.at.x); });
        scale->SetMouseMove([this](const MouseEvent& event) { ScaleMouseMove(event); });
    }
    tempDigitImage_ = PlaceBox(parent, ids::TempDigitImage);
    tempDigitImage_->SetPainter([this](Canvas& canvas, const Rect&) {
        canvas.Image({0, 0}, ImageSetId::TempDigits,
                     context_.settings.useFahrenheit ? temp_digits::kFahrenheit
                                                     : temp_digits::kCelsius);
    });
}

void CalendarPage::CreateMarksAndNote() {
    const HWND parent = page_.Window();
    const struct {
        std::unique_ptr<CheckBox>& box;
        int id;
        void (CalendarPage::*click)();
    } marks[] = {
        {pmsBox_, ids::PMSBox, &CalendarPage::PMSBoxClick},
        {sexBox_, ids::SexBox, &CalendarPage::SexBoxClick},
        {crampingBox_, ids::CrampingBox, &CalendarPage::CrampingBoxClick},
        {protectBox_, ids::ProtectBox, &CalendarPage::ProtectBoxClick},
        {appointmentBox_, ids::AppointBox, &CalendarPage::AppointBoxClick},
        {secretBox_, ids::SecretBox, &CalendarPage::SecretBoxClick},
    };
    for (const auto& mark : marks) {
        mark.box = Place<CheckBox>(parent, mark.id);
        page_.OnClick(mark.id, [this, click = mark.click] { (this->*click)(); });
    }

    noteImage_ = PlaceBox(parent, ids::NoteImage);
    noteImage_->SetPainter([](Canvas& canvas, const Rect&) {
        canvas.Image({0, 0}, ImageSetId::Icons, icon::kPen);
    });
    noteLabel_ = Place<SkinLabel>(parent, ids::NoteLabel);
    noteEdit_ = PlaceEdit(parent, ids::NoteEdit,
                          {ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                           static_cast<int>(TDayNote::Capacity), ControlFont(), kMemoColor});
    page_.OnCommand(ids::NoteEdit, [this](int notification) {
        if (notification == EN_CHANGE)
            NoteChange();
    });
}

} // namespace lunea
