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
    // A date as the user's locale writes it short.
    std::function<std::string(CivilDate)> shortDate;
    // The page buttons: the main window shows that page and comes to the front.
    std::function<void()> showCalendar;
    std::function<void()> showCharts;
    std::function<void()> showPrefs;
    // The window is gone (FormClose): the main window releases its button.
    std::function<void()> closed;
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
    void FormShow();
    void FormClose();
    void ListBox1Click();
    void Panel1Resize();
    void CntSpinEdit1Change();
    void Standard1Click();
    void Advanced1Click();
    void CheckMenu1Click(int command);
    void Temperature1Click(int command) { CheckMenu1Click(command); }
    void Mucus1Click(int command) { CheckMenu1Click(command); }
    void SpeedButton1Click() const { context_.showCalendar(); }
    void SpeedButton2Click() const { context_.showCharts(); }
    void SpeedButton3Click() const { context_.showPrefs(); }
    void SpeedButton4Click() const { PostClose(); }
    void Close1Click() const { PostClose(); }
    // From one of the window's own controls: closing within its handler
    // would destroy the control under its feet.
    void PostClose() const;

    // Printing and saving (report_window_output_win.cpp).
    void PrintSetup1Click();
    void Print1Click();
    void ToolButton1Click() { Print1Click(); }
    void SaveAsBitmap1Click();
    void ToolButton3Click() { SaveAsBitmap1Click(); }
    std::vector<std::string> NotesLines() const;

    ReportWindowContext context_;
    ReportWindowLayout layout_;
    ReportMenu menu_;
    PrinterSettings printer_;
    int FirstCycle = -1;
    Rect pictureArea_;

    std::unique_ptr<ToolBar> ToolBar1;
    std::unique_ptr<SkinLabel> Panel6;
    std::unique_ptr<SpinEdit> CntSpinEdit1;
    std::unique_ptr<Panel> Panel5;
    std::vector<std::unique_ptr<PageButton>> speedButtons_;
    std::vector<std::unique_ptr<SkinLabel>> speedButtonLabels_;
    std::unique_ptr<Splitter> Splitter1;
    std::unique_ptr<Panel> Panel4;
    std::unique_ptr<SkinLabel> panel4Caption_;
    HWND ListBox1 = nullptr;
    FontHandle listFont_;
    BrushHandle listBrush_;
    std::unique_ptr<Splitter> Splitter3;
    std::unique_ptr<EditBox> Memo1;
    std::unique_ptr<PictureScroller> ScrollBox1;
};

} // namespace lunea
