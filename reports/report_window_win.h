#pragma once
// The report window: the current user's cycles as a printable report, in a
// top-level window of its own beside the main window. It reads the main
// window's journal, settings and cycle analysis and never changes them.

#include "components/controls/edit_box_win.h"
#include "components/canvas/gdi_handles_win.h"
#include "components/controls/page_button_win.h"
#include "components/controls/panel_win.h"
#include "components/controls/picture_scroller_win.h"
#include "components/printing/print_dialog_win.h"
#include "components/controls/skin_label_win.h"
#include "components/controls/spin_edit_win.h"
#include "components/controls/splitter_win.h"
#include "components/controls/tool_bar_win.h"
#include "components/controls/window_base_win.h"
#include "reports/report_renderer.h"
#include "reports/report_window_layout.h"
#include "reports/report_menu_win.h"

#include <functional>
#include <memory>
#include <vector>

namespace lunea {

struct ReportWindowContext {
    const DayTable& days;
    const CycleAnalysis& cycles;
    const Settings& settings;
    // The program's printer and paper: what Print Setup or Print chooses
    // here holds for every print after it, the chart's too.
    PrinterSettings& printer;
    // A date as the user's locale writes it short.
    std::function<std::string(CivilDate)> shortDate;
    // The page buttons: the main window shows that page and comes to the front.
    std::function<void()> showCalendar;
    std::function<void()> showCharts;
    std::function<void()> showPrefs;
    // The window is gone (WindowDestroyed): the main window releases its button.
    std::function<void()> closed;
    // One of the window's dialogs (Print, Print Setup, Save As Bitmap) opens
    // (true) or has returned (false): the dialog's call returns into this
    // window, so the main window neither takes input nor ends meanwhile.
    std::function<void(bool running)> dialogRunning;
};

class ReportWindow final : public WindowBase {
  public:
    explicit ReportWindow(ReportWindowContext context);
    ~ReportWindow() override;

    // Shows the window maximized and in front, which draws the report.
    void Open();
    // Closes the window now; the object is not used again.
    void Close();
    void RefreshReport();

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

    // Controls (report_window_controls_win.cpp).
    void CreateControls();
    void CreateToolBar();
    void CreatePageButtons();
    void CreateCycleList();
    void LayOut();
    LRESULT ListColours(HDC dc) const;

    // Drawing and the handlers (report_window_win.cpp).
    ReportInput Input(int first) const;
    void DrawReport(const ReportRenderer& report, int first);
    void DrawStandardReport(int first) { DrawReport(StandardReport(), first); }
    void DrawAdvancedReport(int first) { DrawReport(AdvancedReport(), first); }
    void DrawCurrentView();
    void WindowDestroyed();
    void ShowSelectedCycle();
    void ShowStandardReport();
    void ShowAdvancedReport();
    void ToggleRow(int command);
    void ShowCalendarPage() const { context_.showCalendar(); }
    void ShowChartsPage() const { context_.showCharts(); }
    void ShowPrefsPage() const { context_.showPrefs(); }
    // From one of the window's own controls: closing within its handler
    // would destroy the control under its feet.
    void PostClose() const;

    // Printing and saving (report_window_output_win.cpp).
    void SetUpPrinter();
    void PrintPicture();
    void SaveAsBitmap();
    std::vector<std::string> NotesLines() const;

    ReportWindowContext context_;
    ReportWindowLayout layout_;
    ReportMenu menu_;
    int firstCycle_ = -1;
    Rect pictureArea_;

    std::unique_ptr<ToolBar> toolBar_;
    std::unique_ptr<SkinLabel> cyclesInPageLabel_;
    std::unique_ptr<SpinEdit> cyclesInPageEdit_;
    std::unique_ptr<Panel> pageButtonPanel_;
    std::vector<std::unique_ptr<PageButton>> pageButtons_;
    std::vector<std::unique_ptr<SkinLabel>> pageButtonLabels_;
    std::unique_ptr<Splitter> listSplitter_;
    std::unique_ptr<Panel> cycleListHeader_;
    std::unique_ptr<SkinLabel> cycleListCaption_;
    HWND cycleList_ = nullptr;
    FontHandle listFont_;
    BrushHandle listBrush_;
    std::unique_ptr<Splitter> notesSplitter_;
    std::unique_ptr<EditBox> notesEdit_;
    std::unique_ptr<PictureScroller> pictureScroller_;
};

} // namespace lunea
