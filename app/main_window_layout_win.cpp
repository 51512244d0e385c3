// Where every control of the main window stands, with its caption and hint.
#include "app/control_ids.h"
#include "app/main_window_win.h"
#include "app/scale_bar.h"
#include "app/status_texts.h"
#include "app/temperature_scale.h"
#include "components/image_sets.h"

namespace lunea {
namespace {

Rect At(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

constexpr int kStatusButtonX[kStatusCount] = {451, 471, 492, 513, 533, 554, 575};
constexpr int kPageGroup = 1;
constexpr int kStatusGroup = 2;
constexpr COLORREF kMemoColor = 15390143;

HFONT ArialFont(int height) {
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, "Arial");
}

} // namespace

void TMainForm::CreateControls() {
    editFont_.Reset(ArialFont(-12));
    // The month is drawn in the temperature box's font.
    tempEditFont_.Reset(ArialFont(CalendarFont().height));
    memoBrush_.Reset(CreateSolidBrush(kMemoColor));
    skin_ = std::make_unique<SkinFrame>(window_);
    hints_ = std::make_unique<Hints>(window_);
    CreateTitleBar();
    CreatePageColumn();
    CreateCalendarPage();
    CreateDayEditor();
}

void TMainForm::AddHint(HWND control, const std::string& text) {
    if (control)
        hints_->Add(control, text);
}

void TMainForm::CreateTitleBar() {
    UsersButton = std::make_unique<FlatButton>(window_, ids::UsersButton, At(208, 2, 153, 20), "");
    AddHint(UsersButton->Window(), "Current User");
    VsButton1 = std::make_unique<FlatButton>(window_, ids::VsButton1, At(546, 5, 14, 14), "",
                                             ImageRef{ImageSetId::Glyphs, glyph::kHelp});
    VsButton2 = std::make_unique<FlatButton>(window_, ids::VsButton2, At(562, 5, 14, 14), "",
                                             ImageRef{ImageSetId::Glyphs, glyph::kMinimize});
    VsButton3 = std::make_unique<FlatButton>(window_, ids::VsButton3, At(578, 5, 14, 14), "",
                                             ImageRef{ImageSetId::Glyphs, glyph::kClose});
    AddHint(VsButton1->Window(), "Help");
    AddHint(VsButton2->Window(), "Minimize");
    AddHint(VsButton3->Window(), "Close");
}

void TMainForm::CreatePageColumn() {
    struct PageSlot {
        std::unique_ptr<PageButton>& button;
        int id;
        int labelId;
        int top;
        int image;
        const char* label;
        PageButtonKind kind;
    };
    PageSlot slots[] = {
        {CalendarBtn, ids::CalendarBtn, ids::CalendarLabel, 32, page_button::kCalendar, "Calendar",
         PageButtonKind::Page},
        {ChartsRadioBtn, ids::ChartsRadioBtn, ids::ChartsLabel, 82, page_button::kCharts, "Charts",
         PageButtonKind::Page},
        {PrefsRadioBtn, ids::PrefsRadioBtn, ids::PreferencesLabel, 132, page_button::kPreferences,
         "Preferences", PageButtonKind::Page},
        {VsButton4, ids::VsButton4, ids::ReportsLabel, 183, page_button::kReports, "Reports",
         PageButtonKind::Command},
    };
    for (PageSlot& slot : slots) {
        slot.button =
            std::make_unique<PageButton>(window_, slot.id, At(35, slot.top, 32, 32),
                                         ImageRef{ImageSetId::PageButtons, slot.image}, slot.kind);
        slot.button->SetGroup(kPageGroup);
        pageLabels_.push_back(std::make_unique<SkinLabel>(
            window_, slot.labelId, At(11, slot.top + 33, 80, 14), slot.label, TextAlign::Centre));
    }
    CalendarBtn->SetChecked(true);
}

void TMainForm::CreateCalendarPage() {
    CalendarPanel = std::make_unique<PaintBox>(window_, ids::CalendarPanel, At(97, 32, 348, 319));
    CalendarPanel->SetPainter([](Canvas& canvas, const Rect& client) {
        canvas.Rectangle(client, Pen::None(), Brush{kCalendarPanelColor});
    });
    MainImage = std::make_unique<PaintBox>(CalendarPanel->Window(), ids::MainImage,
                                           At(4, 4, kMainImageWidth, kMainImageHeight));
    MainImage->SetPainter([this](Canvas& canvas, const Rect&) { MainImagePaint(canvas); });
    MainImage->SetMouseDown(
        [this](const MouseEvent& event) { MainImageMouseDown(event.at.x, event.at.y); });

    SpeedButton6 = std::make_unique<FlatButton>(window_, ids::SpeedButton6, At(451, 36, 16, 23), "",
                                                ImageRef{ImageSetId::Glyphs, glyph::kLeft});
    MonthButton = std::make_unique<PushButton>(window_, ids::MonthButton, At(467, 36, 107, 23), "");
    SpeedButton5 = std::make_unique<FlatButton>(window_, ids::SpeedButton5, At(575, 36, 17, 23), "",
                                                ImageRef{ImageSetId::Glyphs, glyph::kRight});
    Font monthFont = MonthButton->GetFont();
    monthFont.charset = 204;
    MonthButton->SetFont(monthFont);
    // Captioned with the locale's month names when the window is created.
    for (int month = 0; month < 12; ++month)
        PopupMenu1.Add("");
}

HWND TMainForm::AddEdit(int id, const Rect& bounds, DWORD style, int limit, HFONT font) {
    HWND edit =
        CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
                        bounds.left, bounds.top, bounds.Width(), bounds.Height(), window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    if (!edit)
        return nullptr;
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(edit, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    return edit;
}

void TMainForm::CreateDayEditor() {
    CervicalFluidLabel = std::make_unique<SkinLabel>(window_, ids::CervicalFluidLabel,
                                                     At(451, 75, 140, 15), "Cervical Fluid:");
    StatusButton =
        std::make_unique<PushButton>(window_, ids::StatusButton, At(451, 91, 140, 23), "");
    for (int status = 0; status < kStatusCount; ++status) {
        StatusPopupMenu.Add(StatusMenuCaption(status), ImageRef{ImageSetId::Status, status});
        auto& button = StatusBtn[static_cast<std::size_t>(status)];
        button = std::make_unique<RadioButton>(window_, ids::StatusBtn0 + status,
                                               At(kStatusButtonX[status], 120, 16, 16), "",
                                               kStatusGroup);
        AddHint(button->Window(), StatusHint(status));
    }

    TempBox = std::make_unique<CheckBox>(window_, ids::TempBox, At(451, 146, 60, 19), "Temp.:");
    TempEdit = AddEdit(ids::TempEdit, At(513, 145, 42, 22), ES_AUTOHSCROLL,
                       static_cast<int>(kTempEditMaxLength), tempEditFont_.Get());
    AddHint(TempEdit, "Basal Body Temperature");
    TempEditBtn = std::make_unique<PushButton>(window_, ids::TempEditBtn, At(559, 147, 15, 17), "",
                                               ImageRef{ImageSetId::Glyphs, glyph::kDown});
    TempUnitLabel =
        std::make_unique<SkinLabel>(window_, ids::TempUnitLabel, At(577, 148, 15, 15), "");

    ProgressBar1 = std::make_unique<PaintBox>(window_, ids::ProgressBar1, At(461, 170, 120, 6));
    ProgressBar1->SetPainter([this](Canvas& canvas, const Rect& client) {
        PaintScaleBar(canvas, client, scalePosition_);
    });
    TempScaleImage = std::make_unique<PaintBox>(window_, ids::TempScaleImage, At(460, 175, 122, 8));
    TempScaleImage->SetPainter([](Canvas& canvas, const Rect&) {
        canvas.Image({0, 0}, ImageSetId::TempScale, 0);
    });
    for (PaintBox* scale : {ProgressBar1.get(), TempScaleImage.get()}) {
        scale->SetMouseDown([this](const MouseEvent& event) { ProgressBar1MouseDown(event.at.x); });
        scale->SetMouseMove([this](const MouseEvent& event) { ProgressBar1MouseMove(event); });
    }
    TempDigitImage = std::make_unique<PaintBox>(window_, ids::TempDigitImage, At(451, 185, 140, 8));
    TempDigitImage->SetPainter([this](Canvas& canvas, const Rect&) {
        canvas.Image({0, 0}, ImageSetId::TempDigits,
                     settings_.UseFahrenheit ? temp_digits::kFahrenheit : temp_digits::kCelsius);
    });

    PMSBox = std::make_unique<CheckBox>(window_, ids::PMSBox, At(451, 206, 76, 17), "PMS");
    SexBox = std::make_unique<CheckBox>(window_, ids::SexBox, At(530, 206, 62, 17), "Sex");
    CrampingBox =
        std::make_unique<CheckBox>(window_, ids::CrampingBox, At(451, 226, 76, 17), "Cramps");
    ProtectBox =
        std::make_unique<CheckBox>(window_, ids::ProtectBox, At(530, 226, 62, 17), "Protect");
    AppointBox =
        std::make_unique<CheckBox>(window_, ids::AppointBox, At(451, 246, 76, 17), "Dr's apt.");
    SecretBox = std::make_unique<CheckBox>(window_, ids::SecretBox, At(530, 246, 62, 17), "Secret");

    NoteImage = std::make_unique<PaintBox>(window_, ids::NoteImage, At(451, 266, 16, 16));
    NoteImage->SetPainter([](Canvas& canvas, const Rect&) {
        canvas.Image({0, 0}, ImageSetId::Icons, icon::kPen);
    });
    NoteLabel = std::make_unique<SkinLabel>(window_, ids::NoteLabel, At(470, 266, 60, 16), "Note");
    Memo1 =
        AddEdit(ids::Memo1, At(450, 284, 140, 67), ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                static_cast<int>(TDayNote::Capacity), editFont_.Get());
}

LRESULT TMainForm::OnControlColor(HDC dc, HWND control) {
    if (control == Memo1 && memoBrush_) {
        SetBkColor(dc, kMemoColor);
        return reinterpret_cast<LRESULT>(memoBrush_.Get());
    }
    return DefWindowProcA(window_, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
}

} // namespace lunea
