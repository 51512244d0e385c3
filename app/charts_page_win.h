#pragma once
// The Charts page: the temperature chart of the selected month or the
// cycle-length chart in the month image's place, the two chart buttons and
// the print button in the right column, one container shown and hidden as
// a whole. It reads the journal, the settings, the analysis and the
// selected month.

#include "components/chart/chart.h"
#include "components/controls/page_button_win.h"
#include "components/controls/paint_box_win.h"
#include "components/printing/print_dialog_win.h"
#include "components/controls/panel_win.h"
#include "components/controls/skin_label_win.h"
#include "app/view_state.h"
#include "journal/cycle_analysis.h"
#include "journal/day_table.h"
#include "settings/settings.h"

#include <functional>
#include <memory>
#include <vector>

namespace lunea {

struct ChartsPageContext {
    const DayTable& days;
    const Settings& settings;
    const CycleAnalysis& analysis;
    const ViewState& view;
    // The program's printer and paper, shared with the reports.
    PrinterSettings& printer;
    std::function<void()> repaintView;
};

class ChartsPage {
  public:
    ChartsPage(HWND mainWindow, ChartsPageContext context);

    HWND Container() const { return page_.Window(); }
    void Show(bool visible) const { page_.Show(visible); }
    // What entering the page does to the page itself: the cycle-length
    // chart chosen whatever showed when the page was left.
    void Enter();
    // Fills and shows the chart that chartKind_ names.
    void Draw();

  private:
    void CreateButtons();
    void ShowTemperatureChart();
    void ShowCycleChart();
    void PrintShownChart();
    void DrawTempChart();
    void DrawCycleChart();

    HWND mainWindow_;
    ChartsPageContext context_;
    // 0: temperatures, 1: cycle lengths.
    int chartKind_ = 0;
    Chart temperatureChart_;
    Chart cycleChart_;

    Panel page_;
    std::unique_ptr<PaintBox> chartsPanel_, temperatureChartBox_, cycleChartBox_;
    std::unique_ptr<PageButton> cycleChartButton_, temperatureChartButton_, printChartButton_;
    std::vector<std::unique_ptr<SkinLabel>> labels_;
};

} // namespace lunea
