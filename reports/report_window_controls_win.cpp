// The report window's controls and where they stand.
#include "components/controls/control_painters.h"
#include "components/canvas/gdi_font_win.h"
#include "components/art/image_sets.h"
#include "reports/report_control_ids.h"
#include "reports/report_window_win.h"

#include <commctrl.h>

#include <algorithm>

namespace lunea {
namespace {

namespace ids = report_ids;

constexpr Color kPageButtonsColour = 15448980;
constexpr Color kListColour = 15448980;
constexpr Color kListText = kNavy; // navy
constexpr Color kSplitterColour = kNavy;
constexpr Color kHeaderColour = 15783846;
constexpr Color kHeaderText = 12151906;
constexpr Color kNotesColour = 14155770;
constexpr int kListLineHeight = 15;
constexpr int kHeaderHeight = 20;
constexpr int kSpinWidth = 41;
constexpr int kCyclesLabelWidth = 90;
constexpr int kPageButtonPitch = 56;

HMENU Id(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

void Place(HWND window, const Rect& at) {
    if (window)
        MoveWindow(window, at.left, at.top, at.Width(), at.Height(), TRUE);
}

constexpr UINT_PTR kNotesSubclassId = 1;

// The notes box keeps Escape to itself: a multi-line edit answers it by
// closing the window, and the typed notes would go with the window.
LRESULT CALLBACK KeepEscape(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                            DWORD_PTR) {
    if (message == WM_KEYDOWN && wparam == VK_ESCAPE)
        return 0;
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, &KeepEscape, kNotesSubclassId);
    return DefSubclassProc(window, message, wparam, lparam);
}

} // namespace

void ReportWindow::CreateControls() {
    CreateToolBar();
    CreatePageButtons();
    CreateCycleList();
    listSplitter_ =
        std::make_unique<Splitter>(Window(), ids::ListSplitter, Rect{}, SplitterAxis::Columns,
                                   kSplitterColour, [this](Point at) {
                                       layout_.DragListSplitter(at.x, ClientArea().right);
                                       LayOut();
                                   });
    notesSplitter_ =
        std::make_unique<Splitter>(Window(), ids::NotesSplitter, Rect{}, SplitterAxis::Rows,
                                   kSplitterColour, [this](Point at) {
                                       layout_.DragNotesSplitter(at.y, ClientArea().bottom);
                                       LayOut();
                                   });
    notesEdit_ = std::make_unique<EditBox>(
        Window(), ids::NotesEdit, Rect{},
        EditBoxStyle{ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP, 0,
                     Font{"Arial", -12, kBold, 0, kBlack}, kNotesColour});
    SetWindowSubclass(notesEdit_->Window(), &KeepEscape, kNotesSubclassId, 0);
    pictureScroller_ = std::make_unique<PictureScroller>(Window(), ids::PictureScrollBox,
                                                         ids::ReportsImage, Rect{});
}

void ReportWindow::CreateToolBar() {
    const ToolBarButton buttons[] = {{ids::SaveBitmapButton, tool_bar::kSaveAsBitmap},
                                     {},
                                     {ids::PrintButton, tool_bar::kPrint},
                                     {}};
    toolBar_ =
        std::make_unique<ToolBar>(Window(), ids::ToolBar, Rect{}, ImageSetId::ToolBar, buttons);
    cyclesInPageLabel_ = std::make_unique<SkinLabel>(Window(), ids::CyclesInPageLabel, Rect{},
                                                     "Cycles in page:", HorizontalAlign::Right);
    cyclesInPageEdit_ = std::make_unique<SpinEdit>(Window(), ids::CyclesInPageEdit, Rect{},
                                                   SpinRange{1, 6}, kWhite);
    cyclesInPageEdit_->SetValue(3);
    cyclesInPageEdit_->SetArrowsMaximum(3);
    OnClick(ids::SaveBitmapButton, [this] { SaveAsBitmap(); });
    OnClick(ids::PrintButton, [this] { PrintPicture(); });
    OnCommand(ids::CyclesInPageEdit, [this](int notification) {
        if (notification == EN_CHANGE)
            DrawCurrentView();
    });
}

void ReportWindow::CreatePageButtons() {
    pageButtonPanel_ = std::make_unique<Panel>(Window(), ids::PageButtonPanel, Rect{});
    pageButtonPanel_->SetBackground(kPageButtonsColour);
    const struct {
        int id;
        int image;
        const char* caption;
        void (ReportWindow::*click)() const;
    } buttons[] = {
        {ids::CalendarButton, page_button::kCalendar, "Calendar", &ReportWindow::ShowCalendarPage},
        {ids::ChartsButton, page_button::kCharts, "Charts", &ReportWindow::ShowChartsPage},
        {ids::PrefsButton, page_button::kPreferences, "Prefs", &ReportWindow::ShowPrefsPage},
        {ids::ReportsButton, page_button::kReports, "Reports", &ReportWindow::PostClose},
    };
    int top = 8;
    for (const auto& button : buttons) {
        const int left = (ReportWindowLayout::kPageButtonsWidth - 32) / 2;
        const bool sticky = button.id == ids::ReportsButton;
        pageButtons_.push_back(std::make_unique<PageButton>(
            pageButtonPanel_->Window(), button.id, Rect{left, top, left + 32, top + 32},
            ImageRef{ImageSetId::PageButtons, button.image},
            sticky ? PageButtonKind::Page : PageButtonKind::Command));
        pageButtons_.back()->SetChecked(sticky);
        const int labelId = ids::PageButtonLabels + static_cast<int>(pageButtonLabels_.size());
        pageButtonLabels_.push_back(std::make_unique<SkinLabel>(
            pageButtonPanel_->Window(), labelId,
            Rect{0, top + 34, ReportWindowLayout::kPageButtonsWidth, top + 48}, button.caption,
            HorizontalAlign::Centre));
        Font bold = ControlFont();
        bold.style = kBold;
        pageButtonLabels_.back()->SetFont(bold);
        pageButtonPanel_->OnClick(button.id, [this, click = button.click] { (this->*click)(); });
        top += kPageButtonPitch;
    }
}

void ReportWindow::CreateCycleList() {
    cycleListHeader_ = std::make_unique<Panel>(Window(), ids::CycleListHeader, Rect{});
    cycleListHeader_->SetBackground(kHeaderColour);
    cycleListCaption_ =
        std::make_unique<SkinLabel>(cycleListHeader_->Window(), ids::CycleListHeader, Rect{},
                                    "Cycles Start", HorizontalAlign::Centre);
    cycleListCaption_->SetFont(Font{"Arial", -12, kBold, 0, kHeaderText});
    cycleList_ = CreateWindowExA(
        WS_EX_CLIENTEDGE, "LISTBOX", "",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0,
        0, 0, Window(), Id(ids::CycleList), GetModuleHandleA(nullptr), nullptr);
    listFont_ = CreateGdiFont(Font{"Arial", -12});
    listBrush_ = BrushHandle(CreateSolidBrush(kListColour));
    if (cycleList_) {
        SendMessageA(cycleList_, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.Get()), FALSE);
        SendMessageA(cycleList_, LB_SETITEMHEIGHT, 0, kListLineHeight);
    }
    OnCommand(ids::CycleList, [this](int notification) {
        if (notification == LBN_SELCHANGE)
            ShowSelectedCycle();
    });
}

LRESULT ReportWindow::ListColours(HDC dc) const {
    SetTextColor(dc, kListText);
    SetBkColor(dc, kListColour);
    return reinterpret_cast<LRESULT>(listBrush_.Get());
}

void ReportWindow::LayOut() {
    if (!pictureScroller_)
        return; // sized while the window is created, before its controls are
    const RECT client = ClientArea();
    const ReportWindowAreas areas = layout_.AreasFor(client.right, client.bottom);
    const Rect& bar = areas.toolBar;
    const int buttonsRight = bar.left + toolBar_->ButtonsRight();
    Place(toolBar_->Window(), {bar.left, bar.top, buttonsRight, bar.bottom});
    const int labelLeft = buttonsRight + 4;
    Place(cyclesInPageLabel_->Window(),
          {labelLeft, bar.top + 5, labelLeft + kCyclesLabelWidth, bar.bottom});
    const int spinLeft = labelLeft + kCyclesLabelWidth + 4;
    const Rect spin{spinLeft, bar.top + 2, spinLeft + kSpinWidth, bar.bottom - 1};
    Place(cyclesInPageEdit_->Window(), {spin.left, spin.top, spin.right - 16, spin.bottom});
    Place(cyclesInPageEdit_->Arrows(), {spin.right - 16, spin.top, spin.right, spin.bottom});
    Place(pageButtonPanel_->Window(), areas.pageButtons);
    Place(listSplitter_->Window(), areas.listSplitter);
    const Rect& list = areas.cycleList;
    const int headerBottom = std::min(list.top + kHeaderHeight, list.bottom);
    Place(cycleListHeader_->Window(), {list.left, list.top, list.right, headerBottom});
    Place(cycleListCaption_->Window(), {0, 3, list.Width(), kHeaderHeight});
    Place(cycleList_, {list.left, headerBottom, list.right, list.bottom});
    Place(notesSplitter_->Window(), areas.notesSplitter);
    Place(notesEdit_->Window(), areas.notes);
    Place(pictureScroller_->Window(), areas.picture);
    if (areas.picture != pictureArea_) {
        pictureArea_ = areas.picture;
        DrawCurrentView();
    }
}

} // namespace lunea
