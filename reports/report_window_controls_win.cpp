// The report window's controls and where they stand.
#include "components/controls/control_painters.h"
#include "components/canvas/gdi_font_win.h"
#include "components/art/image_sets.h"
#include "reports/report_control_ids.h"
#include "reports/report_window_win.h"

#include <algorithm>

namespace lunea {
namespace {

namespace ids = report_ids;

constexpr Color kPageButtonsColour = 15448980;
constexpr Color kListColour = 15448980;
constexpr Color kListText = Rgb(0, 0, 128); // navy
constexpr Color kSplitterColour = Rgb(0, 0, 128);
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

} // namespace

void ReportWindow::CreateControls() {
    CreateToolBar();
    CreatePageButtons();
    CreateCycleList();
    Splitter1 = std::make_unique<Splitter>(Window(), ids::Splitter1, Rect{}, SplitterAxis::Columns,
                                           kSplitterColour, [this](Point at) {
                                               layout_.DragListSplitter(at.x, ClientArea().right);
                                               LayOut();
                                           });
    Splitter3 = std::make_unique<Splitter>(Window(), ids::Splitter3, Rect{}, SplitterAxis::Rows,
                                           kSplitterColour, [this](Point at) {
                                               layout_.DragNotesSplitter(at.y, ClientArea().bottom);
                                               LayOut();
                                           });
    Memo1 = std::make_unique<EditBox>(
        Window(), ids::Memo1, Rect{},
        EditBoxStyle{ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP, 0,
                     Font{"Arial", -12, kBold, 0, Rgb(0, 0, 0)}, kNotesColour});
    ScrollBox1 =
        std::make_unique<PictureScroller>(Window(), ids::ScrollBox1, ids::ReportsImage, Rect{});
}

void ReportWindow::CreateToolBar() {
    const ToolBarButton buttons[] = {
        {ids::ToolButton3, tool_bar::kSaveAsBitmap}, {}, {ids::ToolButton1, tool_bar::kPrint}, {}};
    ToolBar1 =
        std::make_unique<ToolBar>(Window(), ids::ToolBar1, Rect{}, ImageSetId::ToolBar, buttons);
    Panel6 = std::make_unique<SkinLabel>(Window(), ids::Panel6, Rect{},
                                         "Cycles in page:", HorizontalAlign::Right);
    CntSpinEdit1 = std::make_unique<SpinEdit>(Window(), ids::CntSpinEdit1, Rect{}, SpinRange{1, 6},
                                              Rgb(255, 255, 255));
    CntSpinEdit1->SetValue(3);
    CntSpinEdit1->SetArrowsMaximum(3);
    OnClick(ids::ToolButton3, [this] { ToolButton3Click(); });
    OnClick(ids::ToolButton1, [this] { ToolButton1Click(); });
    OnCommand(ids::CntSpinEdit1, [this](int notification) {
        if (notification == EN_CHANGE)
            CntSpinEdit1Change();
    });
}

void ReportWindow::CreatePageButtons() {
    Panel5 = std::make_unique<Panel>(Window(), ids::Panel5, Rect{});
    Panel5->SetBackground(kPageButtonsColour);
    const struct {
        int id;
        int image;
        const char* caption;
        void (ReportWindow::*click)() const;
    } buttons[] = {
        {ids::SpeedButton1, page_button::kCalendar, "Calendar", &ReportWindow::SpeedButton1Click},
        {ids::SpeedButton2, page_button::kCharts, "Charts", &ReportWindow::SpeedButton2Click},
        {ids::SpeedButton3, page_button::kPreferences, "Prefs", &ReportWindow::SpeedButton3Click},
        {ids::SpeedButton4, page_button::kReports, "Reports", &ReportWindow::SpeedButton4Click},
    };
    int top = 8;
    for (const auto& button : buttons) {
        const int left = (ReportWindowLayout::kPageButtonsWidth - 32) / 2;
        const bool sticky = button.id == ids::SpeedButton4;
        speedButtons_.push_back(std::make_unique<PageButton>(
            Panel5->Window(), button.id, Rect{left, top, left + 32, top + 32},
            ImageRef{ImageSetId::PageButtons, button.image},
            sticky ? PageButtonKind::Page : PageButtonKind::Command));
        speedButtons_.back()->SetChecked(sticky);
        const int labelId = ids::SpeedButtonLabels + static_cast<int>(speedButtonLabels_.size());
        speedButtonLabels_.push_back(std::make_unique<SkinLabel>(
            Panel5->Window(), labelId,
            Rect{0, top + 34, ReportWindowLayout::kPageButtonsWidth, top + 48}, button.caption,
            HorizontalAlign::Centre));
        Font bold = ControlFont();
        bold.style = kBold;
        speedButtonLabels_.back()->SetFont(bold);
        Panel5->OnClick(button.id, [this, click = button.click] { (this->*click)(); });
        top += kPageButtonPitch;
    }
}

void ReportWindow::CreateCycleList() {
    Panel4 = std::make_unique<Panel>(Window(), ids::Panel4, Rect{});
    Panel4->SetBackground(kHeaderColour);
    panel4Caption_ = std::make_unique<SkinLabel>(Panel4->Window(), ids::Panel4, Rect{},
                                                 "Cycles Start", HorizontalAlign::Centre);
    panel4Caption_->SetFont(Font{"Arial", -12, kBold, 0, kHeaderText});
    ListBox1 = CreateWindowExA(
        WS_EX_CLIENTEDGE, "LISTBOX", "",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0,
        0, 0, Window(), Id(ids::ListBox1), GetModuleHandleA(nullptr), nullptr);
    listFont_ = CreateGdiFont(Font{"Arial", -12});
    listBrush_ = BrushHandle(CreateSolidBrush(kListColour));
    if (ListBox1) {
        SendMessageA(ListBox1, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.Get()), FALSE);
        SendMessageA(ListBox1, LB_SETITEMHEIGHT, 0, kListLineHeight);
    }
    OnCommand(ids::ListBox1, [this](int notification) {
        if (notification == LBN_SELCHANGE)
            ListBox1Click();
    });
}

LRESULT ReportWindow::ListColours(HDC dc) const {
    SetTextColor(dc, kListText);
    SetBkColor(dc, kListColour);
    return reinterpret_cast<LRESULT>(listBrush_.Get());
}

void ReportWindow::LayOut() {
    if (!ScrollBox1)
        return; // sized while the window is created, before its controls are
    const RECT client = ClientArea();
    const ReportWindowAreas areas = layout_.AreasFor(client.right, client.bottom);
    const Rect& bar = areas.toolBar;
    const int buttonsRight = bar.left + ToolBar1->ButtonsRight();
    Place(ToolBar1->Window(), {bar.left, bar.top, buttonsRight, bar.bottom});
    const int labelLeft = buttonsRight + 4;
    Place(Panel6->Window(), {labelLeft, bar.top + 5, labelLeft + kCyclesLabelWidth, bar.bottom});
    const int spinLeft = labelLeft + kCyclesLabelWidth + 4;
    const Rect spin{spinLeft, bar.top + 2, spinLeft + kSpinWidth, bar.bottom - 1};
    Place(CntSpinEdit1->Window(), {spin.left, spin.top, spin.right - 16, spin.bottom});
    Place(CntSpinEdit1->Arrows(), {spin.right - 16, spin.top, spin.right, spin.bottom});
    Place(Panel5->Window(), areas.pageButtons);
    Place(Splitter1->Window(), areas.listSplitter);
    const Rect& list = areas.cycleList;
    const int headerBottom = std::min(list.top + kHeaderHeight, list.bottom);
    Place(Panel4->Window(), {list.left, list.top, list.right, headerBottom});
    Place(panel4Caption_->Window(), {0, 3, list.Width(), kHeaderHeight});
    Place(ListBox1, {list.left, headerBottom, list.right, list.bottom});
    Place(Splitter3->Window(), areas.notesSplitter);
    Place(Memo1->Window(), areas.notes);
    Place(ScrollBox1->Window(), areas.picture);
    if (areas.picture != pictureArea_) {
        pictureArea_ = areas.picture;
        Panel1Resize();
    }
}

} // namespace lunea
